#include "tests/support/TestFiles.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/PathSplit.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

#ifdef _WIN32
static const char kSeparator = '\\';
#else
static const char kSeparator = '/';
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

std::string TempDir::File(const std::string& name) const { return path_ + kSeparator + name; }

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool PathExists(const std::string& path) {
    std::error_code ignored;
    return fs::exists(path, ignored);
}

void MakeDir(const std::string& path) { fs::create_directories(path); }

std::string ProgramDir() {
    char module[260];
    plat::ModulePath(module, sizeof module);
    PathParts parts;
    SplitPath(module, &parts);
    return std::string(parts.drive) + parts.dir;
}
