#include "html/ConvertCommand.h"

#include <cstring>
#include <string>
#include <vector>

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
const char STATUS_DONE_NOT_OPENED[] = "変換完了（ページを開けませんでした）";
const char STATUS_NOTHING_MARKED[] = "出力するレスがありません";
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

// The files a conversion writes, in the order page, check file and, with the
// rewrite, reduced thread log. A name that would not fit is left out: writing
// it is refused and logged.
std::vector<std::string> FilesWritten(const char* outputPath, bool rewrite) {
    std::vector<std::string> files = {outputPath};
    for (const char* ending : {CHECK_FILE_ENDING, rewrite ? REWRITTEN_ENDING : nullptr}) {
        char name[PATH_BUFFER_SIZE];
        if (ending && ReplaceExtension(outputPath, ending, name, sizeof name)) files.push_back(name);
    }
    return files;
}

std::string OverwriteQuestion(const std::vector<std::string>& files) {
    std::string question = QUESTION_OVERWRITE;
    for (const std::string& file : files) question += "\n" + file;
    return question;
}

// The page's path from the output box, as a chosen one would be: a relative
// name lies in the loaded thread log's folder, and a name without an
// extension gains ".html". Empty: beside the thread log, named after it.
// False when the result would not fit a path.
bool OutputPathOf(const char* typed, const char* loadedLogPath, char* out, size_t size) {
    if (typed[0] == '\0') return ReplaceExtension(loadedLogPath, PAGE_ENDING, out, size);
    std::string path = typed;
    PathParts parts;
    SplitPath(typed, &parts);
    const bool rooted = parts.drive[0] || typed[0] == '\\' || typed[0] == '/';
    if (!rooted) path = std::string(loadedLogPath, FileNameStart(loadedLogPath)) + path;
    if (ExtensionStart(path.c_str()) == path.size()) path += PAGE_ENDING;
    if (path.size() >= size) return false;
    memcpy(out, path.c_str(), path.size() + 1);
    return true;
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

bool ConvertToHtml(Session& session, DialogPort& dialog) {
    dialog.SetText(IDC_STATUS, "");
    // Before a load there is nothing to convert, whichever name the box holds.
    const char* loadedLogPath = session.loadedLogPath;
    if (loadedLogPath[0] == '\0') {
        Scriv(SCRIV_ERROR, 0, LOG_NOTHING_LOADED, SOURCE_HARVO, __LINE__);
        return false;
    }
    // Nothing to publish: the check file and the page of an earlier
    // conversion stay as they are, never replaced by empty ones.
    if (PostsGoingOut(session.posts) == 0) {
        dialog.SetText(IDC_STATUS, STATUS_NOTHING_MARKED);
        return false;
    }
    // Read with room to spare, so that a name too long is refused whole
    // instead of cut into the name of another file.
    char typed[2 * PATH_BUFFER_SIZE];
    dialog.GetText(IDC_OUTPUT_PATH, typed, sizeof typed);
    char outputPath[PATH_BUFFER_SIZE];
    if (!OutputPathOf(typed, loadedLogPath, outputPath, sizeof outputPath)) {
        ScrivEx(SCRIV_TRACE, 0, LOG_NAME_TOO_LONG, typed[0] ? typed : loadedLogPath);
        dialog.SetText(IDC_STATUS, STATUS_FAILED);
        return false;
    }
    ScrivEx(SCRIV_TRACE, 0, LOG_OUTPUT_FILE, outputPath);

    const bool rewrite = ReadIniInt(session.iniPath, SETTING_REDAT) == REDAT_ON;
    std::vector<std::string> replaced;  // by their full paths, for the question
    for (const std::string& file : FilesWritten(outputPath, rewrite)) {
        // No file a conversion writes may be the thread log.
        if (SamePath(file.c_str(), loadedLogPath)) {
            ScrivEx(SCRIV_ERROR, 0, LOG_OUTPUT_IS_LOG, loadedLogPath);
            dialog.SetText(IDC_STATUS, STATUS_OUTPUT_IS_LOG);
            return false;
        }
        if (plat::FileExists(file.c_str())) replaced.push_back(FullPathAsShown(file.c_str()));
    }
    if (!replaced.empty() &&
        !dialog.AskYesNo(OverwriteQuestion(replaced).c_str(), QUESTION_OVERWRITE_CAPTION, DialogPort::Icon::None,
                         DialogPort::Default::No)) {
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
    dialog.SetText(IDC_OUTPUT_PATH, FullPathAsShown(outputPath).c_str());
    dialog.SetText(IDC_STATUS, STATUS_DONE);
    if (ReadIniInt(session.iniPath, SETTING_OPEN_PAGE) == OPEN_PAGE_ON && !dialog.OpenWithShell(outputPath)) {
        Scriv(SCRIV_ERROR, plat::GetLastErrorCode(), LOG_SHELL_EXECUTE, SOURCE_HARVO, __LINE__);
        dialog.SetText(IDC_STATUS, STATUS_DONE_NOT_OPENED);
    }
    return true;
}
