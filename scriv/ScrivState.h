// The library's process-wide state and the steps its records share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

const int SCRIV_PATH_SIZE = 260;
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

// Back to the state of a freshly loaded library (tests).
void ScrivResetState();

// Configuration (Config.cpp).
void LoadConfig(const char* iniPath);
int32_t GenerationsFromIni(int value);
uint32_t SizeLimitFromIni(int value);

// Rotation (Rotation.cpp).
std::string GenerationName(const char* logPath, int generation);
bool RotateLogFiles(const char* logPath, int generations);

// Counts what a record appended; rotates once the limit is reached. Returns the
// record's result: 0 after a rotation in which no move failed, else 1.
int AccountAndRotate(uint32_t appended);

// The log file (LogFile.cpp). The path asks for initialisation on first use.
const char* LogFilePath();
// Appends text in one opening of the log file, each '\n' reaching the disk as
// CR LF. False when nothing was appended.
bool AppendToLog(const std::string& text);
// Appends the header line of a record of this kind; returns the characters
// appended, 0 when nothing was.
uint32_t AppendHeader(int kind);
