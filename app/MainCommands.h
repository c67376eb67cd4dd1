// The table of buttons and menu commands: the main dialog's initialisation and
// the command each id runs. Portable: the commands see the dialog only through
// its port. The three ids that need the window itself (exit, settings, version)
// are dispatched by the Win32 procedure in app/MainDialogWin.cpp.
#pragma once

#include "ui/DialogPort.h"

// Fills iniPath (and logs it), then sets up both target lists. Returns 1.
int InitMainDialog(DialogPort& dialog);

// Runs the handler of a button or menu id. False for an id without one, which
// is then left to the system's default handling.
bool RunCommand(DialogPort& dialog, int id);

// The path named on the command line: put into the thread log box and loaded
// as the load button would; a check file is no thread log and is refused
// with an error record.
void OpenNamedFile(DialogPort& dialog, const char* path);

// A file dropped on the window: a check file is read as the menu command
// reads the one chosen; any other goes into the thread log box and is loaded.
void OpenDroppedFile(DialogPort& dialog, const char* path);
