// The POSIX side of the platform seam: errno is the last-error value and
// strerror's text the system's text for it.
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/StdioFile.h"

namespace plat {
namespace {

File* PosixOpen(const char* path, FileMode mode) {
    const char* how = mode == FileMode::Read ? "rb" : mode == FileMode::Write ? "wb" : "ab";
    FILE* f = fopen(path, how);
    // A folder opens for reading here but not on Windows: refuse it the same way.
    struct stat st;
    if (f && fstat(fileno(f), &st) == 0 && S_ISDIR(st.st_mode)) {
        fclose(f);
        errno = EISDIR;
        return nullptr;
    }
    return reinterpret_cast<File*>(f);
}

bool PosixExists(const char* path) {
    struct stat st;
    return stat(path, &st) == 0;
}

bool PosixRemove(const char* path) { return unlink(path) == 0; }

bool CopyThenRemove(const char* from, const char* to) {
    std::string bytes;
    if (!ReadWholeFile(from, bytes)) return false;
    File* f = PosixOpen(to, FileMode::Write);
    if (!f) return false;
    bool ok = StdioWrite(f, bytes.data(), bytes.size()) && fsync(fileno(Stream(f))) == 0;
    ok = StdioClose(f) && ok;
    return ok && unlink(from) == 0;
}

bool PosixMove(const char* from, const char* to) {
    if (rename(from, to) == 0) return true;
    return errno == EXDEV && CopyThenRemove(from, to);
}

}  // namespace

const FileOps systemFileOps = {PosixOpen, StdioRead, StdioWrite, StdioFlush,
                               StdioClose, PosixExists, PosixRemove, PosixMove};
FileOps fileOps = systemFileOps;

uint32_t GetLastErrorCode() { return static_cast<uint32_t>(errno); }
void SetLastErrorCode(uint32_t code) { errno = static_cast<int>(code); }

bool ErrorText(uint32_t code, char* out, size_t size) {
    // strerrordesc_np knows no text for an unknown code, as the message table does not.
    const char* text = strerrordesc_np(static_cast<int>(code));
    if (!text || size == 0) return false;
    snprintf(out, size, "%s", text);
    return true;
}

bool FullPath(const char* path, char* out, size_t size) {
    std::string joined = path;
    if (joined.empty()) return false;
    if (joined[0] != '/') {
        char folder[4096];
        if (!getcwd(folder, sizeof folder)) return false;
        joined = std::string(folder) + "/" + joined;
    }
    // Taken apart at each '/' and put together without "." and "..", as
    // Windows does, whether or not the folders exist.
    std::vector<std::string> parts;
    for (size_t start = 0, end; start <= joined.size(); start = end + 1) {
        end = joined.find('/', start);
        if (end == std::string::npos) end = joined.size();
        const std::string part = joined.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
    }
    std::string full;
    for (const std::string& part : parts) full += "/" + part;
    if (full.empty()) full = "/";
    if (full.size() >= size) return false;
    memcpy(out, full.c_str(), full.size() + 1);
    return true;
}

void ModulePath(char* out, size_t size) {
    if (size == 0) return;
    ssize_t n = readlink("/proc/self/exe", out, size - 1);
    out[n < 0 ? 0 : n] = '\0';
}

LocalTime SystemLocalTime() {
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    tm parts;
    localtime_r(&now.tv_sec, &parts);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
            parts.tm_min, parts.tm_sec, static_cast<int>(now.tv_nsec / 1000000)};
}

LocalTime (*localTime)() = SystemLocalTime;

}  // namespace plat
