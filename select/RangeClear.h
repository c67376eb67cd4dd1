#pragma once

#include "ui/DialogPort.h"

// "チェッククリア": after a Yes to its question, unticks the rows of the post
// numbers typed into the two range edits (1 to 1000, start not above end) in
// both target lists and zeroes their mainCheck and subCheck. A bad range is
// shown in the status line and changes nothing. Returns 1.
int ClearChecksInRange(DialogPort& dialog);
