// What the main dialog does as a desktop window, beside its commands: the
// path named on the command line.
#pragma once

#include <windows.h>

// Loads the thread log named by the first argument, if any.
void OpenCommandLine(HWND dialog);
