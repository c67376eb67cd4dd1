// A file written under a temporary name beside its final path and moved over
// that path only once wholly written and closed: a failure at any step leaves
// whatever stood at the path as it was, and no temporary file behind.
#pragma once

#include <cstddef>
#include <string>

#include "platform/Platform.h"

namespace plat {

class ReplacingFile {
public:
    // Creates the temporary file "path~tmp"; IsOpen says whether it could.
    explicit ReplacingFile(const char* path);
    // Unless committed: closes and removes the temporary file, keeping the
    // last-error value of the step that failed.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    bool Write(const void* data, size_t length) { return file_ && FileWrite(file_, data, length); }
    // Flushes, closes and moves the file over the path. False, with the
    // failing call's last-error value, when any of them fails.
    bool Commit();

private:
    std::string path_;
    std::string temporary_;
    File* file_;
    bool created_;
    bool committed_ = false;
};

}  // namespace plat
