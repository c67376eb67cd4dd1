// The source names that error records carry in their position text.
#pragma once

#define SOURCE_HARVO "Harvo.cpp"
#define SOURCE_FILE_OPEN_SAVE "FileOpenSave.cpp"
#define SOURCE_SET_CONFIG "SetConfig.cpp"
#define SOURCE_VERSION "Version.cpp"
