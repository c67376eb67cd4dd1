#include "threadlog/ThreadLogRewriter.h"

#include <cstring>

#include "platform/PathSplit.h"
#include "platform/Platform.h"
#include "platform/ReplacingFile.h"
#include "scriv/Scriv.h"
#include "posts/PostTable.h"
#include "ui/SourceNames.h"

namespace {
const char REWRITTEN_ENDING[] = "_RE.dat";
const char EMPTY_POST[] = "<><><><>";
const char LOG_REWRITE_FAILED[] = "datファイル再書き込み Error：fopen()";

bool Kept(int i) { return i == 0 || postTable[i].mainCheck != 0 || postTable[i].subCheck != 0; }
}  // namespace

int RewriteThreadLog(const char* outputPath) {
    char path[PATH_BUFFER_SIZE];
    if (!ReplaceExtension(outputPath, REWRITTEN_ENDING, path, sizeof path)) {
        Scriv(0, 0, LOG_REWRITE_FAILED, SOURCE_HARVO, __LINE__);
        return 1;
    }
    plat::ReplacingFile file(path);
    bool written = file.IsOpen();
    for (int i = 0; i < MAX_POSTS && written; ++i) {
        const char* line = Kept(i) ? postTable[i].line : EMPTY_POST;
        written = file.Write(line, strlen(line)) && file.Write("\n", 1);
    }
    // A file that could not be written whole is reported as one not opened.
    if (!written || !file.Commit()) Scriv(0, plat::GetLastErrorCode(), LOG_REWRITE_FAILED, SOURCE_HARVO, __LINE__);
    return 1;
}
