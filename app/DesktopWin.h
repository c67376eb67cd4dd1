// What the main dialog does as a desktop window, beside its commands: the
// path named on the command line, files dropped on it, its keys and the state
// of the 編集 items; sizing and closing go on to app/MainLayoutWin.
#pragma once

#include <windows.h>
#include <shellapi.h>

// Loads the thread log named by the first argument, if any.
void OpenCommandLine(HWND dialog);

// Dropped files, sizing and closing as they concern the desktop window; true
// for a message handled in full (WM_DESTROY is left to the procedure).
bool HandleDesktopMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The keys of the main dialog: Ctrl+Z as the undo command, except in an edit
// box, where it undoes typing; Ctrl+Shift+C as the copy command, anywhere; the
// keys of listKeys (the emphasis) only while a target list has the focus.
// True when the message was such a key and has been handled.
bool TranslateMainKeys(HWND dialog, HACCEL keys, HACCEL listKeys, MSG* message);

// The undo item is greyed while there is nothing to undo, the emphasis items,
// the copy item and the items of the menu "選択" while no thread log is loaded.
void UpdateMenuItems(HWND dialog);
