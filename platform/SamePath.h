// Whether two names are the same file, as Windows compares paths.
#pragma once

// Full paths compared: ASCII letters case-blind outside double-byte
// characters, '/' and '\\' alike.
bool SameFullPath(const char* a, const char* b);

// Each path made full by the system first; false when either has no full path.
bool SamePath(const char* a, const char* b);
