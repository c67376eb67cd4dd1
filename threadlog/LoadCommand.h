#pragma once

#include "posts/Session.h"
#include "ui/DialogPort.h"

// "ファイル\n読み込み": loads the thread log named in the thread log box into the
// session's post table and both target lists, and forgets the marks (after
// asking when they were not kept). True when a thread log was loaded.
bool LoadThreadLog(Session& session, DialogPort& dialog);
