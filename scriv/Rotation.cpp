// Keeping the log bounded: generation files and their rotation.
#include <cstdio>
#include <cstring>

#include "platform/PathSplit.h"
#include "platform/Platform.h"
#include "scriv/Rotation.h"
#include "scriv/ScrivState.h"

// Generation i of "C:\logs\trace.log" is "C:\logs\trace0i.log" (at least two
// digits); generation 0 is the live file itself. The extension begins at the
// last '.' of the file name, so a dotted folder does not take the number.
// A name longer than a path may be is refused (empty): cut short, it would
// name another file.
std::string GenerationName(const char* logPath, int generation) {
    if (generation == 0) return logPath;
    const size_t dot = ExtensionStart(logPath);
    char number[16];
    snprintf(number, sizeof number, "%02d", generation);
    std::string name = std::string(logPath, dot) + number + (logPath + dot);
    return name.size() < SCRIV_PATH_SIZE ? name : std::string();
}

// The oldest generation kept is deleted first, so the moves that follow
// normally find their targets free.
bool RotateLogFiles(const char* logPath, int generations) {
    bool ok = true;
    for (int i = generations - 1; i >= 0; --i) {
        const std::string name = GenerationName(logPath, i);
        if (!plat::FileExists(name.c_str())) continue;
        if (i == generations - 1)
            plat::FileRemove(name.c_str());
        else {
            const std::string next = GenerationName(logPath, i + 1);
            if (next.empty() || !plat::FileMove(name.c_str(), next.c_str())) ok = false;
        }
    }
    return ok;
}

int AccountAndRotate(uint32_t appended) {
    scrivState.writtenCount += appended;
    if (scrivState.writtenCount < scrivState.sizeLimit) return 1;
    scrivState.writtenCount = 0;
    return RotateLogFiles(scrivState.logPath, scrivState.generations) ? 0 : 1;
}
