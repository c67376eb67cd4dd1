// The main window's layout over Win32: the controls follow the window as it is
// sized (the rule is app/MainLayout's), and its place is kept between runs.
#pragma once

#include <windows.h>

// At initialisation: takes the template's layout, and puts the window where
// the last run left it (section "WINDOW") unless that is off every screen.
void SetUpLayout(HWND dialog);
// SW_SHOWMAXIMIZED for a normal start when the last run ended maximised.
int StartShowCommand(int showCommand);
// WM_SIZE and WM_GETMINMAXINFO: the controls follow; never below the template.
void LayOut(HWND dialog);
void KeepSmallest(MINMAXINFO* limits);
// WM_DESTROY: the window's normal box and state into the program INI.
void SavePlacement(HWND dialog);
