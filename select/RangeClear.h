#pragma once

#include "posts/Session.h"
#include "ui/DialogPort.h"

// "チェッククリア": after a Yes to its question, unticks the rows of the post
// numbers typed into the two range edits (1 to 1000, start not above end) in
// both target lists. A bad range is shown in the status line and changes nothing.
void ClearChecksInRange(Session& session, DialogPort& dialog);
