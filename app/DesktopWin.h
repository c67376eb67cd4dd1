// What the main dialog does as a desktop window, beside its commands: the
// path named on the command line, files dropped on it, Ctrl+Z and the state
// of the undo item; sizing and closing go on to app/MainLayoutWin.
#pragma once

#include <windows.h>
#include <shellapi.h>

// Loads the thread log named by the first argument, if any.
void OpenCommandLine(HWND dialog);

// Dropped files, sizing and closing as they concern the desktop window; true
// for a message handled in full (WM_DESTROY is left to the procedure).
bool HandleDesktopMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The keys of the main dialog: Ctrl+Z as the undo command, except in an edit
// box, where it undoes typing; Ctrl+Shift+C as the copy command, anywhere.
// True when the message was such a key and has been handled.
bool TranslateMainKey(HWND dialog, HACCEL keys, MSG* message);

// The undo item is greyed while there is nothing to undo, the copy item
// before a thread log is loaded.
void UpdateUndoItem(HWND dialog);
