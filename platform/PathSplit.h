// Path splitting with the rules of the Windows _splitpath, reading Shift_JIS
// itself: a trail byte 0x5C is never a separator, whatever the locale.
#pragma once

#include <cstddef>

struct PathParts {
    char drive[3];
    char dir[256];
    char fname[256];
    char ext[256];
};

// drive: the first two characters when the second is ':'. dir: up to and with
// the last '\\' or '/'. ext: from the last '.' of the name on, with the dot
// (".profile" is all extension). A part longer than its buffer leaves all four
// parts empty, as Windows does.
void SplitPath(const char* path, PathParts* parts);

// Offset just past the last '\\' or '/' of path, 0 when there is none.
size_t FileNameStart(const char* path);

// Offset of the last '.' of the file name (the extension's start), the
// path's length when the name has none. Shift_JIS trail bytes are skipped.
size_t ExtensionStart(const char* path);

// The path's drive, dir and fname followed by ending, the name of a file that
// belongs beside it: "D:\\logs\\1234.dat" with ".html" gives "D:\\logs\\1234.html",
// "page" with ".chk" gives "page.chk". False, with out empty, when the result
// would not fit size - 1 bytes or a part of path is too long to split: never a
// name cut short, which would be the name of another file.
bool ReplaceExtension(const char* path, const char* ending, char* out, size_t size);
