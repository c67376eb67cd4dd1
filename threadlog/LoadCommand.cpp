#include "threadlog/LoadCommand.h"

#include <cstring>

#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "threadlog/ThreadLogReader.h"
#include "threadlog/ThreadLogTexts.h"
#include "ui/KeptMarks.h"
#include "ui/PostPreview.h"
#include "ui/TargetLists.h"

namespace {
const char STATUS_NO_FILE[] = "読み込み対象ファイルの設定がありません";
const char STATUS_CANCELLED[] = "読み込みをキャンセルしました";
const char LOG_LOAD_CANCELLED[] = "読み込みキャンセル";
const char STATUS_LOADED[] = "ファイル読み込み完了";
const char STATUS_LOADED_CUT[] = "ファイル読み込み完了（1001件目以降は読み込んでいません）";
const char STATUS_LOADED_NO_POST[] = "ファイル読み込み完了（レスが見つかりません。スレッドログではないようです）";
const char STATUS_LOADED_FROM_UTF8[] = "ファイル読み込み完了（UTF-8から変換しました）";

// Whether any record holds a post a page would write (one with a date).
bool HoldsAPost(const PostTable& posts) {
    for (int i = 0; i < MAX_POSTS; ++i)
        if (posts[i].dateId[0] != '\0') return true;
    return false;
}
// A file that cannot be opened, or breaks off while it is read.
const char STATUS_READ_FAILED[] = "ファイルを開けませんでした";
}  // namespace

bool LoadThreadLog(Session& session, DialogPort& dialog) {
    dialog.SetText(IDC_STATUS, "");
    // Room for one byte more than a path may hold: a longer text is refused
    // like a file that cannot be opened, never cut into the name of another file.
    char path[PATH_BUFFER_SIZE + 2];
    dialog.GetText(IDC_LOG_PATH, path, sizeof path);
    if (path[0] != '\0' && !MayDiscardMarks(session, dialog)) {
        ScrivEx(SCRIV_TRACE, 0, LOG_LOAD_CANCELLED, nullptr);
        dialog.SetText(IDC_STATUS, STATUS_CANCELLED);
        return false;
    }
    dialog.SetText(IDC_OUTPUT_PATH, "");
    if (path[0] == '\0') {
        dialog.SetText(IDC_STATUS, STATUS_NO_FILE);
        return false;
    }
    if (strlen(path) >= PATH_BUFFER_SIZE) {
        ScrivEx(SCRIV_ERROR, 0, LOG_BAD_FILE_NAME, path);
        dialog.SetText(IDC_STATUS, STATUS_READ_FAILED);
        return false;
    }
    PostTable& posts = session.posts;
    bool fromUtf8 = false;
    const int read = ReadThreadLog(posts, path, &fromUtf8);
    if (read == 0) {
        dialog.SetText(IDC_STATUS, STATUS_READ_FAILED);
        return false;
    }
    SplitNamesAndDateIds(posts);
    const bool mainFilled = FillMainList(dialog, posts);
    const bool subFilled = FillSubList(dialog, posts);
    KeepMarks(session);
    if (read == READ_LOG_BROKEN) {
        // The lists now show the cleared table; nothing is loaded to convert.
        session.loadedLogPath[0] = '\0';
        dialog.SetText(IDC_STATUS, STATUS_READ_FAILED);
        return false;
    }
    if (!mainFilled || !subFilled) return false;
    memcpy(session.loadedLogPath, path, strlen(path) + 1);
    // Posts past MAX_POSTS are read but never shown nor written: the user is told.
    dialog.SetText(IDC_STATUS, !HoldsAPost(posts)          ? STATUS_LOADED_NO_POST
                               : fromUtf8                   ? STATUS_LOADED_FROM_UTF8
                               : HasPost(posts[MAX_POSTS]) ? STATUS_LOADED_CUT
                                                            : STATUS_LOADED);
    return true;
}
