// The main window's layout over Win32: the controls follow the window as it is
// sized (the rule is app/MainLayout's), and its place is kept between runs.
#pragma once

#include <windows.h>

#include "app/MainLayout.h"

// The template's boxes of the controls that follow the window, its client
// size and its window size, which is the smallest the window may take.
struct LayoutState {
    bool laidOut = false;
    Box initialBoxes[32] = {};
    SIZE templateClient = {}, smallest = {};
    bool startMaximised = false;
};

// At initialisation: takes the template's layout, and puts the window where
// the last run left it (section "WINDOW") unless that is off every screen.
void SetUpLayout(HWND dialog, LayoutState& layout, const char* iniPath);
// SW_SHOWMAXIMIZED for a normal start when the last run ended maximised.
int StartShowCommand(const LayoutState& layout, int showCommand);
// WM_SIZE and WM_GETMINMAXINFO: the controls follow; never below the template.
void LayOut(HWND dialog, const LayoutState& layout);
void KeepSmallest(HWND window, const LayoutState& layout, MINMAXINFO* limits);
// Moves and sizes the window so that it lies wholly in its monitor's work area.
void FitWorkArea(HWND window);
// WM_DESTROY: the window's normal box and state into the program INI at
// iniPath (nothing when the dialog was never initialised: no path).
void SavePlacement(HWND dialog, const char* iniPath);
