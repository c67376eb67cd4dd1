#include "platform/StdioFile.h"

namespace plat {

size_t StdioRead(File* f, void* buffer, size_t length) {
    const size_t n = fread(buffer, 1, length, Stream(f));
    return n < length && ferror(Stream(f)) ? READ_FAILED : n;
}

bool StdioWrite(File* f, const void* data, size_t length) { return fwrite(data, 1, length, Stream(f)) == length; }
bool StdioFlush(File* f) { return fflush(Stream(f)) == 0; }
bool StdioClose(File* f) { return fclose(Stream(f)) == 0; }

}  // namespace plat
