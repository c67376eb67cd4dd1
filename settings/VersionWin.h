// The version display: the file version of the running executable in a message box.
#pragma once

#include <windows.h>

// Shows "Version a.b.c.d" from the executable's own version resource in a box
// owned by owner. 1 when the version was shown.
int ShowVersion(HWND owner);

// The same for the version resource of the file at path. Without a version
// resource nothing is shown; a failure after that shows the box empty.
int ShowFileVersion(HWND owner, const wchar_t* path);
