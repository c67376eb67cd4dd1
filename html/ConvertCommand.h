#pragma once

#include <string>

#include "posts/Session.h"
#include "ui/DialogPort.h"

// Button "変換": writes the posts marked in both lists as one page, in the
// output mode of the program INI, to the output file box's path or, when that
// is empty, beside the loaded thread log (".html"); asks before it replaces a
// file; then saves the check file and, when "REDAT" is 1, the reduced thread
// log beside the page, and keeps the marks. True when the page was written.
bool ConvertToHtml(Session& session, DialogPort& dialog);

// Writes the page of the program INI's output mode and form for the marks of
// the session at outputPath; or, given inMemory, its Shift_JIS bytes there
// (no character set declared: only the head differs) and no file. True when written.
bool WritePageOfMode(Session& session, const char* outputPath, std::string* inMemory = nullptr);
