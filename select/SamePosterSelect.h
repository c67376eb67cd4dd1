#pragma once

#include "ui/DialogPort.h"

// "同トリ選択" and "同ＩＤ選択": tick every row of the main target list whose
// trip (or ID) is not empty and equals, byte for byte, that of a marked row.
// They only ever add marks, and touch neither the sub target list nor the
// post table's mark fields. 0 when the main target list is missing.
int SelectSameTrip(DialogPort& dialog);
int SelectSameId(DialogPort& dialog);
