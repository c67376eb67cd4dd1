// The program INI "Harvo.ini" beside the executable: every setting of the
// program's own commands. Nothing caches a value: each command reads what it
// needs when it runs.
#pragma once

#include <cstddef>

#include "threadlog/PostTable.h"

const int INI_TEXT_SIZE = 256;  // a text setting holds at most 255 bytes

extern char iniPath[PATH_BUFFER_SIZE];

// The executable's drive and folder followed by "Harvo.ini".
void ProgramIniPath(char* out, size_t size);

// The three operations on the program INI at iniPath.
int ReadIniInt(const char* section, const char* key, int def);
void ReadIniText(const char* section, const char* key, const char* def, char (&out)[INI_TEXT_SIZE]);
// False when the file cannot be written; the last-error value says why.
bool WriteIniText(const char* section, const char* key, const char* value);
