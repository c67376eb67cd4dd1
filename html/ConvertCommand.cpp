#include "html/ConvertCommand.h"

#include <cstring>
#include <string>

#include "html/HtmlWriters.h"
#include "html/PageOptions.h"
#include "platform/PathSplit.h"
#include "platform/Platform.h"
#include "platform/SamePath.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "select/CheckFile.h"
#include "settings/FileOpenSave.h"
#include "settings/ProgramIni.h"
#include "threadlog/ThreadLogRewriter.h"
#include "ui/KeptMarks.h"
#include "ui/SourceNames.h"

namespace {

const int REDAT_ON = 1;
const int OPEN_PAGE_ON = 1;
const int COPY_CSS_ON = 1;

const char STATUS_CANCELLED[] = "変換をキャンセルしました";
const char STATUS_FAILED[] = "HTMLファイルへの変換に失敗しました";
const char STATUS_DONE[] = "変換完了";
const char QUESTION_OVERWRITE[] = "ファイルを上書きしてもよろしいでしょうか";
const char QUESTION_OVERWRITE_CAPTION[] = "上書き確認";
const char LOG_NOTHING_LOADED[] = "内部エラー：dataファイルの設定なし";
const char LOG_OUTPUT_FILE[] = "出力ファイル";
const char LOG_NAME_TOO_LONG[] = "ERROR:ファイル名長さ超過";
const char LOG_OVERWRITE_CANCELLED[] = "上書きキャンセル";
const char LOG_SHELL_EXECUTE[] = "ShellExecute()";
const char STATUS_OUTPUT_IS_LOG[] = "出力ファイルが対象ファイルと同じです";
const char LOG_OUTPUT_IS_LOG[] = "ERROR:出力ファイルが対象ファイルと同じ";
const char LOG_COPY_CSS[] = "Harvo.cssコピーエラー";

// Whether the file named after the page with ending ("" for the page itself)
// is the loaded thread log, which a conversion must never overwrite.
bool IsThreadLog(const char* outputPath, const char* ending, const char* loadedLogPath) {
    char name[PATH_BUFFER_SIZE];
    if (ending[0] && !ReplaceExtension(outputPath, ending, name, sizeof name)) return false;
    return SamePath(ending[0] ? name : outputPath, loadedLogPath);
}

// The question names the page by its full path (as typed when it has none).
std::string OverwriteQuestion(const char* outputPath) {
    char full[2 * PATH_BUFFER_SIZE];
    return std::string(QUESTION_OVERWRITE) + "\n" + (plat::FullPath(outputPath, full, sizeof full) ? full : outputPath);
}

bool WritePageOfMode(Session& session, const char* outputPath, const PageOptions& options) {
    PostTable& posts = session.posts;
    switch (options.kind) {
        case KIND_STYLE_SHEET:
            NumberIdGroups(posts, options.styleSheet.groupIds);
            return WriteStyleSheetHtml(posts, outputPath, options.styleSheet, options.mailFlag, options.form);
        case KIND_NAME_COLOUR:
            return WriteNameColourHtml(posts, outputPath, options.nameColour, options.mailFlag, options.form);
        default:
            return WriteBodyColourHtml(posts, outputPath, options.textColour, options.mailFlag, options.form);
    }
}

// The file name in the folder of path; false when it would not fit.
bool InFolderOf(const char* path, const char* name, char (&out)[PATH_BUFFER_SIZE]) {
    const size_t folder = FileNameStart(path);
    if (folder + strlen(name) >= sizeof out) return false;
    memcpy(out, path, folder);
    strcpy(out + folder, name);
    return true;
}

// The program's style sheet copied beside a page that links it, unless one
// lies there already: the user's own is never replaced.
void PutStyleSheetBeside(const char* iniPath, const char* outputPath) {
    char from[PATH_BUFFER_SIZE], to[PATH_BUFFER_SIZE];
    if (!InFolderOf(iniPath, STYLE_SHEET_NAME, from) || !plat::FileExists(from)) return;
    if (!InFolderOf(outputPath, STYLE_SHEET_NAME, to)) {
        ScrivEx(SCRIV_ERROR, 0, LOG_COPY_CSS, outputPath);
        return;
    }
    if (plat::FileExists(to)) return;
    std::string bytes;
    if (!plat::ReadWholeFile(from, bytes) || !plat::WriteWholeFile(to, bytes.data(), bytes.size()))
        Scriv(SCRIV_ERROR, plat::GetLastErrorCode(), LOG_COPY_CSS, SOURCE_HARVO, __LINE__);
}

}  // namespace

bool ConvertToHtml(Session& session, DialogPort& dialog) {
    dialog.SetText(IDC_STATUS, "");
    // Before a load there is nothing to convert, whichever name the box holds.
    const char* loadedLogPath = session.loadedLogPath;
    if (loadedLogPath[0] == '\0') {
        Scriv(SCRIV_ERROR, 0, LOG_NOTHING_LOADED, SOURCE_HARVO, __LINE__);
        return false;
    }
    // Read with room to spare, so that a name too long is refused whole
    // instead of cut into the name of another file.
    char outputPath[2 * PATH_BUFFER_SIZE];
    dialog.GetText(IDC_OUTPUT_PATH, outputPath, sizeof outputPath);
    const bool fits = outputPath[0] ? strlen(outputPath) < PATH_BUFFER_SIZE
                                    : ReplaceExtension(loadedLogPath, PAGE_ENDING, outputPath, PATH_BUFFER_SIZE);
    if (!fits) {
        ScrivEx(SCRIV_TRACE, 0, LOG_NAME_TOO_LONG, outputPath[0] ? outputPath : loadedLogPath);
        dialog.SetText(IDC_STATUS, STATUS_FAILED);
        return false;
    }
    ScrivEx(SCRIV_TRACE, 0, LOG_OUTPUT_FILE, outputPath);

    const bool rewrite = ReadIniInt(session.iniPath, SETTING_REDAT) == REDAT_ON;
    if (IsThreadLog(outputPath, "", loadedLogPath) || IsThreadLog(outputPath, CHECK_FILE_ENDING, loadedLogPath) ||
        (rewrite && IsThreadLog(outputPath, REWRITTEN_ENDING, loadedLogPath))) {
        ScrivEx(SCRIV_ERROR, 0, LOG_OUTPUT_IS_LOG, loadedLogPath);
        dialog.SetText(IDC_STATUS, STATUS_OUTPUT_IS_LOG);
        return false;
    }
    if (plat::FileExists(outputPath) &&
        !dialog.AskYesNo(OverwriteQuestion(outputPath).c_str(), QUESTION_OVERWRITE_CAPTION, DialogPort::Icon::None)) {
        dialog.SetText(IDC_STATUS, STATUS_CANCELLED);
        ScrivEx(SCRIV_TRACE, 0, LOG_OVERWRITE_CANCELLED, nullptr);
        return false;
    }
    const PageOptions options = ReadPageOptions(session.iniPath);
    if (!WritePageOfMode(session, outputPath, options)) {
        dialog.SetText(IDC_STATUS, STATUS_FAILED);
        return false;
    }
    KeepMarks(session);
    // Neither follow-up undoes the page: each only logs its failure.
    SaveCheckFile(session.posts, outputPath);
    if (rewrite) RewriteThreadLog(session.posts, outputPath);
    if (options.kind != KIND_NAME_COLOUR && ReadIniInt(session.iniPath, SETTING_COPY_CSS) == COPY_CSS_ON)
        PutStyleSheetBeside(session.iniPath, outputPath);
    dialog.SetText(IDC_STATUS, STATUS_DONE);
    if (ReadIniInt(session.iniPath, SETTING_OPEN_PAGE) == OPEN_PAGE_ON && !dialog.OpenWithShell(outputPath))
        Scriv(SCRIV_ERROR, plat::GetLastErrorCode(), LOG_SHELL_EXECUTE, SOURCE_HARVO, __LINE__);
    return true;
}
