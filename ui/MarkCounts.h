// The counts at the right of the status line: how many rows each target list
// has ticked, so that the user sees the size of the summary while marking.
#pragma once

#include <string>

#include "posts/Session.h"
#include "ui/DialogPort.h"

// "メイン N件 / サブ M件" from the marks of the table; empty before a thread
// log is loaded.
std::string MarkCountsText(const Session& session);

// Shows it in IDC_MARK_COUNTS: after every command and every tick by hand.
void ShowMarkCounts(const Session& session, DialogPort& dialog);
