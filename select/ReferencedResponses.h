#pragma once

#include "posts/Session.h"
#include "ui/DialogPort.h"

// "参照レス抽出": for every post marked in the main target list, marks in the
// sub target list each post its body refers to with "&gt;&gt;" and a number
// from 1 to 1000 (ranges and lists too by "OPTION" / "ANCHOR_RANGES", see
// select/Anchors.h), and the post itself when "OPTION" / "SUBCHECK" is 1.
// Nothing is cleared. False when either list is missing.
bool ExtractReferencedResponses(Session& session, DialogPort& dialog);
