// The program INI "Harvo.ini" beside the executable.
#pragma once

#include <cstddef>

#include "threadlog/PostTable.h"

extern char iniPath[PATH_BUFFER_SIZE];

// The executable's drive and folder followed by "Harvo.ini".
void ProgramIniPath(char* out, size_t size);
