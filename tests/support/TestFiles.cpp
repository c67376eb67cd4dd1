#include "tests/support/TestFiles.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "platform/Platform.h"
#ifdef _WIN32
#include "platform/TextWin.h"
#endif

namespace fs = std::filesystem;

#ifdef _WIN32
static const char SEPARATOR = '\\';
#else
static const char SEPARATOR = '/';
#endif

TempDir::TempDir() {
    static std::atomic<int> serial{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path dir = fs::temp_directory_path() /
                   ("harvo-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
    fs::create_directories(dir);
    path_ = dir.string();
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string TempDir::File(const std::string& name) const { return path_ + SEPARATOR + name; }

// Straight to the system's file operations: Shift_JIS names work on every
// build, and a test's injected faults never reach its own checks.
std::string ReadBytes(const std::string& path) {
    const plat::FileOps& files = plat::systemFileOps;
    std::string bytes;
    plat::File* f = files.open(path.c_str(), plat::FileMode::Read);
    if (!f) return bytes;
    char chunk[65536];
    size_t n;
    while ((n = files.read(f, chunk, sizeof chunk)) > 0 && n != plat::READ_FAILED) bytes.append(chunk, n);
    files.close(f);
    return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    const plat::FileOps& files = plat::systemFileOps;
    plat::File* f = files.open(path.c_str(), plat::FileMode::Write);
    if (!f) throw std::runtime_error("cannot write " + path);
    files.write(f, bytes.data(), bytes.size());
    files.close(f);
}

bool PathExists(const std::string& path) { return plat::systemFileOps.exists(path.c_str()); }

void MakeDir(const std::string& path) {
#ifdef _WIN32
    fs::create_directories(ToWide(path.c_str()));  // Shift_JIS, whatever the ANSI code page
#else
    fs::create_directories(path);
#endif
}

// Found without the path splitter the code under test uses.
std::string ProgramDir() {
    char module[260];
    plat::ModulePath(module, sizeof module);
    const std::string path = module;
    return path.substr(0, path.find_last_of("\\/") + 1);
}

bool RunningUnderCi() {
    const char* ci = getenv("CI");
    return ci && strcmp(ci, "true") == 0;
}

std::string RealThreadLogFolder() {
#ifdef HARVO_SOURCE_DIR
    const std::string folder = HARVO_SOURCE_DIR "/../shared/data/real/";
    if (PathExists(folder + "SHA256SUMS")) return folder;
#endif
    return "";
}
