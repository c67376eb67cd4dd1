// Whether two names are the same file, as Windows compares paths.
#pragma once

#include <string>

// Full paths compared: ASCII letters case-blind outside double-byte
// characters, '/' and '\\' alike.
bool SameFullPath(const char* a, const char* b);

// Each path made full by the system first; false when either has no full path.
bool SamePath(const char* a, const char* b);

// The full path the system makes of path, or path as named when it makes
// none: how a question shows the user a file.
std::string FullPathAsShown(const char* path);
