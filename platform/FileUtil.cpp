// Whole-file reads and safe whole-file writes over the platform's file operations.
#include "platform/Platform.h"

namespace plat {

bool ReadWholeFile(const char* path, std::string& out) {
    out.clear();
    File* f = FileOpen(path, FileMode::Read);
    if (!f) return false;
    char chunk[4096];
    size_t n;
    while ((n = FileRead(f, chunk, sizeof chunk)) > 0) out.append(chunk, n);
    FileClose(f);
    return true;
}

bool WriteWholeFile(const char* path, const void* data, size_t length) {
    const std::string temporary = std::string(path) + "~tmp";
    File* f = FileOpen(temporary.c_str(), FileMode::Write);
    if (!f) return false;
    bool ok = FileWrite(f, data, length) && FileFlush(f);
    ok = FileClose(f) && ok;
    if (ok && FileMove(temporary.c_str(), path)) return true;
    // Keep the failing call's error code for the caller, not the clean-up's.
    const uint32_t error = GetLastErrorCode();
    FileRemove(temporary.c_str());
    SetLastErrorCode(error);
    return false;
}

}  // namespace plat
