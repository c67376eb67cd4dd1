#pragma once

#include <windows.h>

// The main dialog's procedure: initialisation, command dispatch and closing.
INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
