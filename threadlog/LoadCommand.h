#pragma once

#include "ui/DialogPort.h"

// "ファイル\n読み込み": loads the thread log named in the thread log box into the
// post table and both target lists.
int LoadThreadLog(DialogPort& dialog);
