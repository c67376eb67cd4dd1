#pragma once

#include "ui/DialogPort.h"

// "参照レス抽出": for every marked row of the main target list, sets its
// mainCheck and ticks in the sub target list each post its body refers to
// with "&gt;&gt;" and a number from 1 to 1000 (setting that post's subCheck),
// and the row itself when "OPTION" / "SUBCHECK" is 1. Nothing is cleared.
// 0 when either list is missing.
int ExtractReferencedResponses(DialogPort& dialog);
