// Loading the library INI, and InitLog.
#include <cstring>
#include <string>

#include "platform/PathSplit.h"
#include "platform/Platform.h"
#include "platform/Profile.h"
#include "scriv/Config.h"
#include "scriv/Rotation.h"
#include "scriv/Scriv.h"
#include "scriv/ScrivState.h"

namespace {
const char SECTION[] = "TRACE";

// a followed by b into a path field, cut to the field's 259 bytes.
void Join(char (&out)[SCRIV_PATH_SIZE], const char* a, const char* b) {
    const std::string joined = std::string(a) + b;
    const size_t n = joined.size() < SCRIV_PATH_SIZE ? joined.size() : SCRIV_PATH_SIZE - 1;
    memcpy(out, joined.data(), n);
    out[n] = '\0';
}

const int DEFAULT_GENERATIONS = 3;
const int DEFAULT_KILOBYTES = 512;
}  // namespace

int32_t GenerationsFromIni(int value) { return value >= 0 && value <= 99 ? value : DEFAULT_GENERATIONS; }

// The limit leaves a kilobyte of room below the configured size, except for
// the smallest size of one kilobyte.
uint32_t SizeLimitFromIni(int value) {
    uint32_t limit = value <= 0 || value > 10240 ? DEFAULT_KILOBYTES * 1024u : static_cast<uint32_t>(value) * 1024u;
    if (value > 1) limit -= 1024;
    return limit;
}

void LoadConfig(const char* iniPath) {
    ScrivState& s = scrivState;
    plat::ModulePath(s.modulePath, sizeof s.modulePath);
    PathParts parts;
    SplitPath(s.modulePath, &parts);
    Join(s.startDir, parts.drive, parts.dir);
    if (iniPath)
        Join(s.iniPath, iniPath, "");
    else
        Join(s.iniPath, s.startDir, "Scriv.ini");

    s.generations = GenerationsFromIni(ProfileReadInt(SECTION, "GENERAL", DEFAULT_GENERATIONS, s.iniPath));
    s.sizeLimit = SizeLimitFromIni(ProfileReadInt(SECTION, "MAXSIZE", DEFAULT_KILOBYTES, s.iniPath));
    ProfileReadText(SECTION, "PATH", "", s.logPath, sizeof s.logPath, s.iniPath);
    if (s.logPath[0] == '\0') Join(s.logPath, s.startDir, "trace.log");
    s.logLevel = ProfileReadInt(SECTION, "LOGLEVEL", 1, s.iniPath);
    if (s.generations == 0) s.logLevel = -1;  // logging switched off
}

extern "C" int InitLog(const char* iniPath) {
    ScrivResetState();
    LoadConfig(iniPath);
    scrivState.initialised = true;
    scrivState.writtenCount = 0;
    RotateLogFiles(scrivState.logPath, scrivState.generations);
    return 1;
}
