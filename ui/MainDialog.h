// The main dialog's initialisation and the commands its buttons and menu run.
#pragma once

#include "ui/DialogPort.h"

// Fills iniPath (and logs it), then sets up both target lists. Returns 1.
int InitMainDialog(DialogPort& dialog);

// Runs the handler of a button or menu id. False for an id without one, which
// is then left to the system's default handling.
bool RunCommand(DialogPort& dialog, int id);
