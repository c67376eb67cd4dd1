// Generation files and their rotation.
#pragma once

#include <cstdint>
#include <string>

std::string GenerationName(const char* logPath, int generation);
bool RotateLogFiles(const char* logPath, int generations);

// Counts what a record appended; rotates once the limit is reached. Returns the
// record's result: 0 after a rotation in which no move failed, else 1.
int AccountAndRotate(uint32_t appended);
