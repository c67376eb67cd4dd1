#include "threadlog/ThreadLogRewriter.h"

#include <cstring>

#include "posts/PostTable.h"
#include "ui/SaveBeside.h"

namespace {
const char EMPTY_POST[] = "<><><><>\n";
const char LOG_REWRITE_FAILED[] = "datファイル再書き込み Error：fopen()";

bool Kept(const PostTable& posts, int i) { return i == 0 || posts[i].mainCheck != 0 || posts[i].subCheck != 0; }
}  // namespace

// A file that could not be written whole is reported as one not opened.
void RewriteThreadLog(const PostTable& posts, const char* outputPath) {
    SaveBesidePage(outputPath, REWRITTEN_ENDING, LOG_REWRITE_FAILED, __LINE__, [&](plat::ReplacingFile& file) {
        for (int i = 0; i < MAX_POSTS; ++i) {
            const bool written = Kept(posts, i) ? file.Write(posts[i].line, strlen(posts[i].line)) && file.Write("\n", 1)
                                         : file.Write(EMPTY_POST, sizeof EMPTY_POST - 1);
            if (!written) return LOG_REWRITE_FAILED;
        }
        return static_cast<const char*>(nullptr);
    });
}
