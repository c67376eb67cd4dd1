// The system's open-file and save-file choosers.
#pragma once

#include <windows.h>

#include <cstddef>

// Both start with an empty name in the system's default folder, titled
// "ファイルを選んでください。". filter: Shift_JIS pairs of description and pattern,
// each zero-terminated, closed by a second zero. Non-zero when a file was
// chosen (path then holds it); 0 otherwise, with the last-error value 0 for a
// plain cancel and the chooser's error code otherwise: also FNERR_BUFFERTOOSMALL
// for a name longer than size - 1 bytes in Shift_JIS and FNERR_INVALIDFILENAME
// for one that Shift_JIS cannot spell.
int OpenFileChooser(HWND owner, char* path, size_t size, const char* filter);
int SaveFileChooser(HWND owner, char* path, size_t size, const char* filter);
