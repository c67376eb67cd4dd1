#include "app/MainCommands.h"

#include "html/ConvertCommand.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "select/CheckFile.h"
#include "select/RangeClear.h"
#include "select/ReferencedResponses.h"
#include "select/SamePosterSelect.h"
#include "settings/FileOpenSave.h"
#include "settings/ProgramIni.h"
#include "threadlog/LoadCommand.h"
#include "ui/TargetLists.h"

namespace {

struct Command {
    int id;
    int (*handler)(DialogPort&);
};

// The results of the handlers are ignored: each reports in the status line and the log.
const Command COMMANDS[] = {
    {IDC_CHOOSE_LOG, ChooseThreadLog},
    {IDC_LOAD, LoadThreadLog},
    {IDC_CHOOSE_OUTPUT, ChooseOutputFile},
    {IDC_CONVERT, ConvertToHtml},
    {IDM_LOAD_CHECK_FILE, LoadCheckFile},
    {IDC_SAME_TRIP, SelectSameTrip},
    {IDC_SAME_ID, SelectSameId},
    {IDC_REFERENCED, ExtractReferencedResponses},
    {IDC_CLEAR_RANGE, ClearChecksInRange},
};

const char LOG_CHECK_FILE_NAMED[] = "起動引数エラー：チェックファイルはスレッドログではありません";

void LoadNamedThreadLog(DialogPort& dialog, const char* path) {
    dialog.SetText(IDC_LOG_PATH, path);
    RunCommand(dialog, IDC_LOAD);
}

}  // namespace

int InitMainDialog(DialogPort& dialog) {
    ProgramIniPath(iniPath, sizeof iniPath);
    ScrivEx(1, 0, "iniファイルパス", iniPath);
    SetListStyles(dialog);
    SetListColumns(dialog);
    return 1;
}

bool RunCommand(DialogPort& dialog, int id) {
    for (const Command& command : COMMANDS) {
        if (command.id == id) {
            command.handler(dialog);
            return true;
        }
    }
    return false;
}

void OpenNamedFile(DialogPort& dialog, const char* path) {
    if (IsCheckFilePath(path)) {
        ScrivEx(0, 0, LOG_CHECK_FILE_NAMED, path);
        return;
    }
    LoadNamedThreadLog(dialog, path);
}

void OpenDroppedFile(DialogPort& dialog, const char* path) {
    if (!IsCheckFilePath(path)) {
        LoadNamedThreadLog(dialog, path);
        return;
    }
    LoadCheckFileFrom(dialog, path);
}
