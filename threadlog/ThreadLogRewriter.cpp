#include "threadlog/ThreadLogRewriter.h"

#include <cstring>

#include "posts/PostTable.h"
#include "ui/SaveBeside.h"

namespace {
const char EMPTY_POST[] = "<><><><>";
const char LOG_REWRITE_FAILED[] = "datファイル再書き込み Error：fopen()";

bool Kept(int i) { return i == 0 || postTable[i].mainCheck != 0 || postTable[i].subCheck != 0; }
}  // namespace

// A file that could not be written whole is reported as one not opened.
int RewriteThreadLog(const char* outputPath) {
    SaveBesidePage(outputPath, REWRITTEN_ENDING, LOG_REWRITE_FAILED, __LINE__, [](plat::ReplacingFile& file) {
        for (int i = 0; i < MAX_POSTS; ++i) {
            const char* line = Kept(i) ? postTable[i].line : EMPTY_POST;
            if (!file.Write(line, strlen(line)) || !file.Write("\n", 1)) return LOG_REWRITE_FAILED;
        }
        return static_cast<const char*>(nullptr);
    });
    return 1;
}
