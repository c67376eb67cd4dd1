#include "app/MainCommands.h"

#include <optional>

#include "html/ConvertCommand.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "select/CheckFile.h"
#include "select/EmphasisCommands.h"
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

using Handler = void (*)(Session&, DialogPort&);

// Each handler reports in the status line and the log: what it returns is
// not needed here.
template <auto command>
void Run(Session& session, DialogPort& dialog) {
    command(session, dialog);
}
template <int id>
void RunEmphasis(Session& session, DialogPort& dialog) {
    Emphasise(session, dialog, id);
}
template <auto command>
void RunWithoutSession(Session&, DialogPort& dialog) {
    command(dialog);
}

struct Command {
    int id;
    Handler handler;
    Undo undo;
};

const Command COMMANDS[] = {
    {IDC_CHOOSE_LOG, RunWithoutSession<ChooseThreadLog>, Undo::Keep},
    {IDC_LOAD, Run<LoadThreadLog>, Undo::Forget},
    {IDC_CHOOSE_OUTPUT, RunWithoutSession<ChooseOutputFile>, Undo::Keep},
    {IDC_CONVERT, Run<ConvertToHtml>, Undo::Keep},
    {IDM_LOAD_CHECK_FILE, Run<LoadCheckFile>, Undo::Record},
    {IDC_SAME_TRIP, Run<SelectSameTrip>, Undo::Record},
    {IDC_SAME_ID, Run<SelectSameId>, Undo::Record},
    {IDC_REFERENCED, Run<ExtractReferencedResponses>, Undo::Record},
    {IDC_CLEAR_RANGE, Run<ClearChecksInRange>, Undo::Record},
    {IDM_UNDO, Run<UndoMarks>, Undo::Keep},
    {IDM_COLOUR_NONE, RunEmphasis<IDM_COLOUR_NONE>, Undo::Record},
    {IDM_COLOUR_RED, RunEmphasis<IDM_COLOUR_RED>, Undo::Record},
    {IDM_COLOUR_BLUE, RunEmphasis<IDM_COLOUR_BLUE>, Undo::Record},
    {IDM_COLOUR_GREEN, RunEmphasis<IDM_COLOUR_GREEN>, Undo::Record},
    {IDM_COLOUR_ORANGE, RunEmphasis<IDM_COLOUR_ORANGE>, Undo::Record},
    {IDM_COLOUR_PURPLE, RunEmphasis<IDM_COLOUR_PURPLE>, Undo::Record},
    {IDM_SIZE_NORMAL, RunEmphasis<IDM_SIZE_NORMAL>, Undo::Record},
    {IDM_SIZE_LARGE, RunEmphasis<IDM_SIZE_LARGE>, Undo::Record},
    {IDM_SIZE_LARGER, RunEmphasis<IDM_SIZE_LARGER>, Undo::Record},
    {IDM_BOLD, RunEmphasis<IDM_BOLD>, Undo::Record},
    {IDM_AA, RunEmphasis<IDM_AA>, Undo::Record},
    {IDM_PLAIN, RunEmphasis<IDM_PLAIN>, Undo::Record},
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
    for (const Command& command : COMMANDS) {
        if (command.id != id) continue;
        std::optional<MarkCommandStep> step;
        if (command.undo == Undo::Record) step.emplace(session);
        command.handler(session, dialog);
        if (command.undo == Undo::Forget) session.canUndo = false;
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
    MarkCommandStep step(session);
    LoadCheckFileFrom(session, dialog, path);
}
