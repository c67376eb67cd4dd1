// The helpers every Win32 dialog of the program uses on its controls: texts
// pass through code page 932, whatever the ANSI code page.
#pragma once

#include <windows.h>

#include <cstddef>

// GetDlgItem does not set the last error on every system (Wine leaves it
// alone): cleared first, a missing control is never logged with an earlier
// call's code.
HWND FindControl(HWND dialog, int id);
// The control's text as Shift_JIS, cut to size - 1 bytes; empty when the
// control is missing.
void GetControlText(HWND dialog, int id, char* out, size_t size);
void SetControlText(HWND dialog, int id, const char* text);
