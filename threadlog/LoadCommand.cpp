#include "threadlog/LoadCommand.h"

#include <cstring>

#include "resources/resource.h"
#include "threadlog/PostTable.h"
#include "threadlog/ThreadLogReader.h"
#include "ui/TargetLists.h"

namespace {
const char STATUS_NO_FILE[] = "読み込み対象ファイルの設定がありません";
const char STATUS_LOADED[] = "ファイル読み込み完了";
}  // namespace

int LoadCommand(DialogPort& dialog) {
    dialog.SetText(IDC_STATUS, "");
    dialog.SetText(IDC_OUTPUT_PATH, "");
    char path[PATH_BUFFER_SIZE];
    dialog.GetText(IDC_LOG_PATH, path, sizeof path);
    if (path[0] == '\0') {
        dialog.SetText(IDC_STATUS, STATUS_NO_FILE);
        return 1;
    }
    if (!ReadThreadLog(path)) return 0;
    SplitNameAndDate();
    const int mainFilled = FillMainList(dialog);
    const int subFilled = FillSubList(dialog);
    if (!mainFilled || !subFilled) return 0;
    memcpy(loadedLogPath, path, sizeof loadedLogPath);
    dialog.SetText(IDC_STATUS, STATUS_LOADED);
    return 1;
}
