#include "settings/ProgramIni.h"

#include <cstdio>

#include "platform/PathSplit.h"
#include "platform/Platform.h"
#include "platform/Profile.h"

void ProgramIniPath(char* out, size_t size) {
    char module[PATH_BUFFER_SIZE];
    plat::ModulePath(module, sizeof module);
    PathParts parts;
    SplitPath(module, &parts);
    snprintf(out, size, "%s%s%s", parts.drive, parts.dir, "Harvo.ini");
}

int ReadIniInt(const char* iniPath, const char* section, const char* key, int def) {
    return ProfileReadInt(section, key, def, iniPath);
}

void ReadIniText(const char* iniPath, const char* section, const char* key, const char* def,
                 char (&out)[INI_TEXT_SIZE]) {
    ProfileReadText(section, key, def, out, sizeof out, iniPath);
}

bool WriteIniText(const char* iniPath, const char* section, const char* key, const char* value) {
    return ProfileWriteText(section, key, value, iniPath);
}
