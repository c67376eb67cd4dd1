#pragma once

#include <string>

#include "html/PageOptions.h"
#include "posts/Session.h"
#include "ui/DialogPort.h"

// Button "変換": writes the posts marked in both lists as one page, in the
// output mode of the program INI, to the output file box's path or, when that
// is empty, beside the loaded thread log (".html"); asks before it replaces a
// file; then saves the check file and, when "REDAT" is 1, the reduced thread
// log beside the page, and keeps the marks. True when the page was written.
bool ConvertToHtml(Session& session, DialogPort& dialog);

// Writes the page of the output mode and form of options for the marks of the
// session at outputPath (or, with options.form.inMemory, into that string and
// no file). True when written.
bool WritePageOfMode(Session& session, const char* outputPath, const PageOptions& options);
