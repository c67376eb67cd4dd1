#include "app/MainCommands.h"

#include <optional>

#include "html/ConvertCommand.h"
#include "html/CopyCommand.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "select/Answers.h"
#include "select/CheckFile.h"
#include "select/EmphasisCommands.h"
#include "select/KeywordSelect.h"
#include "select/MarkUndo.h"
#include "select/RangeClear.h"
#include "select/ReferencedResponses.h"
#include "select/SamePosterSelect.h"
#include "settings/FileOpenSave.h"
#include "settings/ProgramIni.h"
#include "threadlog/LoadCommand.h"
#include "ui/KeptMarks.h"
#include "ui/MarkCounts.h"
#include "ui/TargetLists.h"

namespace {

// What a command does to the step that undo puts back: nothing, records the
// marks it changes, or forgets the step (a load refills the lists).
enum class Undo { Keep, Record, Forget };

using Handler = void (*)(Session&, DialogPort&);

// Each handler reports in the status line and the log: what it returns is
// not needed here.
template <auto command>
void Run(Session& session, DialogPort& dialog) {
    command(session, dialog);
}
template <auto command>
void RunWithoutSession(Session&, DialogPort& dialog) {
    command(dialog);
}

// "ファイル読み込み": the thread log, the main list's column "被参照" once the
// rows are there, then the marks of its last conversion offered.
void LoadThreadLogAndMarks(Session& session, DialogPort& dialog) {
    if (!LoadThreadLog(session, dialog)) return;
    ShowAnswerCounts(session, dialog);
    OfferLastCheckFile(session, dialog);
}

struct Command {
    int id;
    Handler handler;
    Undo undo;
};

const Command COMMANDS[] = {
    {IDC_CHOOSE_LOG, RunWithoutSession<ChooseThreadLog>, Undo::Keep},
    {IDC_LOAD, LoadThreadLogAndMarks, Undo::Forget},
    {IDC_CHOOSE_OUTPUT, RunWithoutSession<ChooseOutputFile>, Undo::Keep},
    {IDC_CONVERT, Run<ConvertToHtml>, Undo::Keep},
    {IDM_COPY_PAGE, Run<CopyPageHtml>, Undo::Keep},
    {IDM_LOAD_CHECK_FILE, Run<LoadCheckFile>, Undo::Record},
    {IDC_SAME_TRIP, Run<SelectSameTrip>, Undo::Record},
    {IDC_SAME_ID, Run<SelectSameId>, Undo::Record},
    {IDC_REFERENCED, Run<ExtractReferencedResponses>, Undo::Record},
    {IDC_CLEAR_RANGE, Run<ClearChecksInRange>, Undo::Record},
    {IDM_SELECT_STARTER, Run<SelectThreadStarter>, Undo::Record},
    {IDM_SELECT_POPULAR, Run<SelectPopular>, Undo::Record},
    {IDM_SELECT_KEYWORD, Run<SelectByKeyword>, Undo::Record},
    {IDM_SELECT_REPLIES, Run<SelectReplies>, Undo::Record},
    {IDM_UNDO, Run<UndoMarks>, Undo::Keep},
};

const char LOG_CHECK_FILE_NAMED[] = "起動引数エラー：チェックファイルはスレッドログではありません";

void LoadNamedThreadLog(Session& session, DialogPort& dialog, const char* path) {
    dialog.SetText(IDC_LOG_PATH, path);
    RunCommand(session, dialog, IDC_LOAD);
}

}  // namespace

void InitMainDialog(Session& session, DialogPort& dialog) {
    ProgramIniPath(session.iniPath, sizeof session.iniPath);
    ScrivEx(SCRIV_TRACE, 0, "iniファイルパス", session.iniPath);
    SetUpTargetLists(dialog);
    KeepMarks(session);
}

bool RunCommand(Session& session, DialogPort& dialog, int id) {
    for (int emphasis : EMPHASIS_COMMANDS) {
        if (emphasis != id) continue;
        MarkCommandStep step(session);  // one step of undo, as the mark commands
        Emphasise(session, dialog, id);
        return true;
    }
    for (const Command& command : COMMANDS) {
        if (command.id != id) continue;
        std::optional<MarkCommandStep> step;
        if (command.undo == Undo::Record) step.emplace(session);
        command.handler(session, dialog);
        if (command.undo == Undo::Forget) session.canUndo = false;
        ShowMarkCounts(session, dialog);
        return true;
    }
    return false;
}

void OpenNamedFile(Session& session, DialogPort& dialog, const char* path) {
    if (IsCheckFilePath(path)) {
        ScrivEx(SCRIV_ERROR, 0, LOG_CHECK_FILE_NAMED, path);
        return;
    }
    LoadNamedThreadLog(session, dialog, path);
}

void OpenDroppedFile(Session& session, DialogPort& dialog, const char* path) {
    if (!IsCheckFilePath(path)) {
        LoadNamedThreadLog(session, dialog, path);
        return;
    }
    {
        MarkCommandStep step(session);
        LoadCheckFileFrom(session, dialog, path);
    }
    ShowMarkCounts(session, dialog);
}
