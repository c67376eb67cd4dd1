// The state of one run of the program: the loaded thread and everything the
// commands keep between them. app/ owns the one session and hands it, with
// the dialog's port, to every command; tests build their own.
#pragma once

#include <cstdint>

#include "platform/Platform.h"
#include "posts/PostTable.h"

// The colours the settings dialog's colour chooser starts from, and the
// chooser's sixteen custom colours: kept while the program runs. Values as
// the system's colour chooser takes them (0x00BBGGRR, in its unsigned long).
struct ColourChoices {
    unsigned long bodySeed = 0x0000FF;  // red
    unsigned long nameSeed = 0xFF0000;  // blue
    unsigned long custom[16] = {};      // black
};

struct Session {
    explicit Session(PostTable& table) : posts(table) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    PostTable& posts;                        // the loaded thread and its marks
    char loadedLogPath[PATH_BUFFER_SIZE] = {};  // the last thread log loaded successfully
    char iniPath[PATH_BUFFER_SIZE] = {};        // the program INI, set at start
    MarkSet keptMarks = {};                  // the marks as last saved or loaded
    MarkSet undoStep = {};                   // the marks before the last mark command
    bool canUndo = false;
    int emphasisList = 0;                    // the target list that has or last had the focus, 0 for none yet
    ColourChoices colours;
};
