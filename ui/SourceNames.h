// The source names that error records carry in their position text. They are
// part of the log's fixed vocabulary, which readers of trace.log know, not the
// names of this program's files: keep them as they are when files move.
#pragma once

#define SOURCE_HARVO "Harvo.cpp"
#define SOURCE_FILE_OPEN_SAVE "FileOpenSave.cpp"
#define SOURCE_SET_CONFIG "SetConfig.cpp"
#define SOURCE_VERSION "Version.cpp"
