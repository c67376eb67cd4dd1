#pragma once

#include <windows.h>

#include "app/MainLayoutWin.h"
#include "posts/Session.h"

// What the main dialog keeps while it is open: the session of the work and
// the layout of its controls. Its owner (WinMain, or a test) keeps it alive
// for as long as the dialog.
struct MainDialogState {
    explicit MainDialogState(PostTable& posts) : session(posts) {}
    Session session;
    LayoutState layout;
    HFONT boldFont = nullptr;  // the lists' font in bold, for bold posts' rows
};

// The state a main dialog was created with; null before its WM_INITDIALOG.
MainDialogState* StateOf(HWND dialog);

// The main dialog's procedure: initialisation, command dispatch and closing.
// Create it with CreateDialogParamW and a MainDialogState* as its parameter.
INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
