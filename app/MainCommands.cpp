#include "app/MainCommands.h"

#include "html/ConvertCommand.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "select/CheckFile.h"
#include "select/MarkUndo.h"
#include "select/RangeClear.h"
#include "select/ReferencedResponses.h"
#include "select/SamePosterSelect.h"
#include "settings/FileOpenSave.h"
#include "settings/ProgramIni.h"
#include "threadlog/LoadCommand.h"
#include "ui/KeptMarks.h"
#include "ui/TargetLists.h"

namespace {

// What a command does to the step that undo puts back: nothing, records the
// marks it changes, or forgets the step (a load refills the lists).
enum class Undo { Keep, Record, Forget };

struct Command {
    int id;
    int (*handler)(DialogPort&);
    Undo undo;
};

// The results of the handlers are ignored: each reports in the status line and the log.
const Command COMMANDS[] = {
    {IDC_CHOOSE_LOG, ChooseThreadLog, Undo::Keep},
    {IDC_LOAD, LoadThreadLog, Undo::Forget},
    {IDC_CHOOSE_OUTPUT, ChooseOutputFile, Undo::Keep},
    {IDC_CONVERT, ConvertToHtml, Undo::Keep},
    {IDM_LOAD_CHECK_FILE, LoadCheckFile, Undo::Record},
    {IDC_SAME_TRIP, SelectSameTrip, Undo::Record},
    {IDC_SAME_ID, SelectSameId, Undo::Record},
    {IDC_REFERENCED, ExtractReferencedResponses, Undo::Record},
    {IDC_CLEAR_RANGE, ClearChecksInRange, Undo::Record},
    {IDM_UNDO, UndoMarks, Undo::Keep},
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
    KeepListMarks(dialog);
    return 1;
}

bool RunCommand(DialogPort& dialog, int id) {
    for (const Command& command : COMMANDS) {
        if (command.id == id) {
            if (command.undo == Undo::Record) BeforeMarkCommand(dialog);
            command.handler(dialog);
            if (command.undo == Undo::Record) AfterMarkCommand(dialog);
            if (command.undo == Undo::Forget) ForgetUndo();
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
    BeforeMarkCommand(dialog);
    LoadCheckFileFrom(dialog, path);
    AfterMarkCommand(dialog);
}
