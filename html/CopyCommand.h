#pragma once

#include "posts/Session.h"
#include "ui/DialogPort.h"

// Menu "ページのHTMLをコピー": writes the page the convert button would write
// for the marks of now, in memory only (no page, check file nor reduced
// thread log), and puts its list of posts, the lines "<dl>" to "</dl>" with
// CR LF ends, on the clipboard as Unicode text, for pasting into a blog's
// editor. True when copied.
bool CopyPageHtml(Session& session, DialogPort& dialog);
