// The file operations both sides of the seam share: a File is a C stream;
// only opening differs (a wide path on Windows).
#pragma once

#include <cstddef>
#include <cstdio>

#include "platform/Platform.h"

namespace plat {

inline FILE* Stream(File* f) { return reinterpret_cast<FILE*>(f); }
size_t StdioRead(File* f, void* buffer, size_t length);
bool StdioWrite(File* f, const void* data, size_t length);
bool StdioFlush(File* f);
bool StdioClose(File* f);

}  // namespace plat
