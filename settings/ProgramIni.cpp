#include "settings/ProgramIni.h"

#include <cstdio>

#include "platform/PathSplit.h"
#include "platform/Platform.h"

char iniPath[PATH_BUFFER_SIZE];

void ProgramIniPath(char* out, size_t size) {
    char module[PATH_BUFFER_SIZE];
    plat::ModulePath(module, sizeof module);
    PathParts parts;
    SplitPath(module, &parts);
    snprintf(out, size, "%s%s%s", parts.drive, parts.dir, "Harvo.ini");
}
