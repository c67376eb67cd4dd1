// The "ファイル選択" buttons beside the thread log box and the output file box:
// the system's file chooser puts the chosen path into the box. Nothing is
// loaded or converted here; those commands read the boxes when they run.
#pragma once

#include <cstdint>

#include "platform/Platform.h"
#include "ui/DialogPort.h"

// The page's ending: the output chooser adds it to a name without ".htm", and
// the convert command gives it to the thread log's name when the box is empty.
const char PAGE_ENDING[] = ".html";

// The code the system's chooser gives for a name too long for its buffer; also
// given when ".html" would not fit behind the chosen name.
const uint32_t CHOOSER_NAME_TOO_LONG = 0x3003;

// Button IDC_CHOOSE_LOG: the open-file chooser for a thread log into the thread log box.
// True when a file was chosen.
bool ChooseThreadLog(DialogPort& dialog);
// Button IDC_CHOOSE_OUTPUT: the save-file chooser for the page into the output file box,
// ".html" added when ".htm" stands nowhere in the path. True when a file was chosen.
bool ChooseOutputFile(DialogPort& dialog);

// A chooser that ended without a file: a failure (not a plain cancel) gets its
// error record. The last-error value must be the chooser's.
void LogChooserFailure(const char* sourceFile, unsigned line);
