// The check file (".chk" beside the page): the marks of both lists and the
// title of the thread they belong to, so that a later run can take them up.
//
// Layout: 1000 bytes of main marks, 1000 bytes of sub marks (byte i is 1 when
// post i + 1 is marked), the identity length L (unsigned 32-bit, little-endian,
// 1 to 256), then the thread title and its zero byte in L bytes. When any post
// has emphasis, "HVEM" and 1000 bytes of it follow (byte i for post i + 1, as
// posts/Emphasis.h lays it out); a file without them clears all emphasis.
// Any other bytes behind the identity are ignored.
#pragma once

#include "posts/Session.h"
#include "ui/DialogPort.h"

const char CHECK_FILE_ENDING[] = ".chk";
const int CHECK_FILE_MARKS_SIZE = 1000;
const int CHECK_FILE_IDENTITY_MAX = 256;
const char CHECK_FILE_EMPHASIS_TAG[] = "HVEM";

// Saves the marks of the table beside outputPath (its extension replaced by
// ".chk"). Failures are logged only.
void SaveCheckFile(const PostTable& posts, const char* outputPath);

// Menu IDM_LOAD_CHECK_FILE: restores the marks of both lists from a check
// file the user chooses, when its title is that of the loaded thread, and
// keeps them. True when applied or when the user cancelled, false on any
// failure (the marks then stay as they were).
bool LoadCheckFile(Session& session, DialogPort& dialog);

// The same for a file the user handed over without the chooser (dropped on
// the window): the status line is cleared, then the same steps and texts.
bool LoadCheckFileFrom(Session& session, DialogPort& dialog, const char* path);

// After a load: the check file that a conversion to the default page would
// write beside the thread log, when it is one of this thread with a mark in
// it, is offered with Yes the default; Yes applies it as LoadCheckFile does.
// True when its marks were applied.
bool OfferLastCheckFile(Session& session, DialogPort& dialog);

// Whether the path names a check file: it ends in ".chk", in any case.
bool IsCheckFilePath(const char* path);
