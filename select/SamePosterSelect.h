#pragma once

#include "posts/Session.h"
#include "ui/DialogPort.h"

// "同トリ選択" and "同ＩＤ選択": mark in the main target list every post whose
// trip (or ID) is not empty and equals, byte for byte, that of a post marked
// there. They only ever add marks, and touch neither the sub target list.
// False when the main target list is missing.
bool SelectSameTrip(Session& session, DialogPort& dialog);
bool SelectSameId(Session& session, DialogPort& dialog);
