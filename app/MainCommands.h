// The table of buttons and menu commands: the main dialog's initialisation and
// the command each id runs. Portable: the commands see the dialog only through
// its port, and the state of the work only through the session. The ids that
// need the window itself (exit, settings, version) are dispatched by the Win32
// procedure in app/MainDialogWin.cpp.
#pragma once

#include "posts/Session.h"
#include "ui/DialogPort.h"

// Fills the session's INI path (and logs it), then sets up both target lists.
void InitMainDialog(Session& session, DialogPort& dialog);

// Runs the handler of a button or menu id. False for an id without one, which
// is then left to the system's default handling.
bool RunCommand(Session& session, DialogPort& dialog, int id);

// The path named on the command line: put into the thread log box and loaded
// as the load button would; a check file is no thread log and is refused
// with an error record.
void OpenNamedFile(Session& session, DialogPort& dialog, const char* path);

// A file dropped on the window: a check file is read as the menu command
// reads the one chosen; any other goes into the thread log box and is loaded.
void OpenDroppedFile(Session& session, DialogPort& dialog, const char* path);
