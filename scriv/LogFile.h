// Appending to the log file.
#pragma once

#include <cstdint>
#include <string>

// The log file's path; asks for initialisation on first use.
const char* LogFilePath();
// Appends text in one opening of the log file, each '\n' reaching the disk as
// CR LF. False when nothing was appended.
bool AppendToLog(const std::string& text);
// Appends the header line of a record of this kind; returns the characters
// appended, 0 when nothing was.
uint32_t AppendHeader(int kind);
