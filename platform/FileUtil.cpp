// Whole-file reads and safe whole-file writes over the platform's file operations.
#include "platform/Platform.h"
#include "platform/ReplacingFile.h"

namespace plat {

bool ReadWholeFile(const char* path, std::string& out) {
    out.clear();
    File* f = FileOpen(path, FileMode::Read);
    if (!f) return false;
    char chunk[4096];
    size_t n;
    while ((n = FileRead(f, chunk, sizeof chunk)) > 0 && n != READ_FAILED) out.append(chunk, n);
    const uint32_t error = GetLastErrorCode();
    FileClose(f);
    if (n != READ_FAILED) return true;
    out.clear();
    SetLastErrorCode(error);
    return false;
}

ReplacingFile::ReplacingFile(const char* path)
    : path_(path), temporary_(path_ + "~tmp"), file_(FileOpen(temporary_.c_str(), FileMode::Write)),
      created_(file_ != nullptr) {}

bool ReplacingFile::Commit() {
    if (!file_) return false;
    const bool flushed = FileFlush(file_);
    const uint32_t flushError = GetLastErrorCode();
    const bool closed = FileClose(file_);
    file_ = nullptr;
    if (!flushed) SetLastErrorCode(flushError);
    committed_ = flushed && closed && FileMove(temporary_.c_str(), path_.c_str());
    return committed_;
}

ReplacingFile::~ReplacingFile() {
    if (committed_ || !created_) return;
    // Keep the failing call's error code for the caller, not the clean-up's.
    const uint32_t error = GetLastErrorCode();
    if (file_) FileClose(file_);
    FileRemove(temporary_.c_str());
    SetLastErrorCode(error);
}

bool WriteWholeFile(const char* path, const void* data, size_t length) {
    ReplacingFile file(path);
    return file.IsOpen() && file.Write(data, length) && file.Commit();
}

}  // namespace plat
