#pragma once

#include "posts/Session.h"
#include "ui/DialogPort.h"

// "同トリ選択" and "同ＩＤ選択": mark in the main target list every post whose
// trip (or ID) is not empty and equals, byte for byte, that of a post marked
// there. They only ever add marks, and touch neither the sub target list.
// False when the main target list is missing.
bool SelectSameTrip(Session& session, DialogPort& dialog);
bool SelectSameId(Session& session, DialogPort& dialog);

// "スレ主の書き込み": marks in the main list every post whose ID equals, byte
// for byte, the non-empty ID of post 1. Without that ID it says so and marks nothing.
bool SelectThreadStarter(Session& session, DialogPort& dialog);
