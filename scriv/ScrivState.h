// The library's process-wide state. Every other file of the library stands on
// this one; it stands on nothing of the library.
#pragma once

#include <cstdint>

#include "platform/Platform.h"

const int SCRIV_PATH_SIZE = PATH_BUFFER_SIZE;
const int SCRIV_TEXT_LIMIT = 1024;  // formatted texts hold at most 1023 bytes

struct ScrivState {
    uint32_t writtenCount;  // characters appended since the last rotation
    uint32_t sizeLimit;     // written count at which the log files rotate
    int32_t generations;    // log files kept, the live one included
    char logPath[SCRIV_PATH_SIZE];
    int32_t logLevel;       // highest kind written
    char iniPath[SCRIV_PATH_SIZE];
    char startDir[SCRIV_PATH_SIZE];  // the executable's drive and folder, trailing separator kept
    char modulePath[SCRIV_PATH_SIZE];
    bool initialised;
};

extern ScrivState scrivState;

// Whether a record of kind reaches the log at its current level.
inline bool KindLogged(int kind) { return kind <= scrivState.logLevel; }

// Back to the state of a freshly loaded library (tests).
void ScrivResetState();
