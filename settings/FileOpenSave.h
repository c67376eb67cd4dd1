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

// The choosers' filters: pairs of description and pattern, closed by a second zero.
extern const char THREAD_LOG_FILTER[];
extern const char OUTPUT_FILE_FILTER[];
extern const char CHECK_FILE_FILTER[];

// The code the system's chooser gives for a name too long for its buffer; also
// given when ".html" would not fit behind the chosen name.
const uint32_t CHOOSER_NAME_TOO_LONG = 0x3003;

// The chooser buffers, emptied before each use so that no name is proposed.
extern char threadLogChooserPath[PATH_BUFFER_SIZE];
extern char outputChooserPath[PATH_BUFFER_SIZE];

// Button IDC_CHOOSE_LOG: the open-file chooser for a thread log into the thread log box.
// 1 when a file was chosen, else 0.
int ChooseThreadLog(DialogPort& dialog);
// Button IDC_CHOOSE_OUTPUT: the save-file chooser for the page into the output file box,
// ".html" added when ".htm" stands nowhere in the path. 1 when a file was
// chosen, else 0.
int ChooseOutputFile(DialogPort& dialog);

// A chooser that ended without a file: a failure (not a plain cancel) gets its
// error record. The last-error value must be the chooser's.
void LogChooserFailure(const char* sourceFile, unsigned line);
