// The system's open-file and save-file choosers.
#pragma once

#include <windows.h>

#include <cstddef>

#include "ui/DialogPort.h"

// The chooser for the kind of file (an open chooser for a thread log or a
// check file, a save chooser for the page), starting with an empty name in the
// system's default folder, titled "ファイルを選んでください。", its filter the
// kind's files, then all files. True when a file was chosen (path then holds
// it); false otherwise, with the last-error value 0 for a
// plain cancel and the chooser's error code otherwise: also FNERR_BUFFERTOOSMALL
// for a name longer than size - 1 bytes in Shift_JIS and FNERR_INVALIDFILENAME
// for one that Shift_JIS cannot spell.
bool RunFileChooser(HWND owner, DialogPort::Chooser kind, char* path, size_t size);
