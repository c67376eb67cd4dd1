#include "select/CheckFile.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/PathSplit.h"
#include "platform/Platform.h"
#include "platform/ReplacingFile.h"
#include "platform/SamePath.h"
#include "posts/Emphasis.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "settings/FileOpenSave.h"
#include "ui/KeptMarks.h"
#include "ui/SaveBeside.h"
#include "ui/SourceNames.h"
#include "ui/TargetLists.h"

namespace {

const size_t TITLE_COMPARED = 255;

const char LOG_WRITE_OPEN[] = "チェックレスファイル書き込み Error：fopen()";
const char LOG_WRITE_MAIN[] = "チェックレスファイル書き込み Error：fwrite() 1";
const char LOG_WRITE_SUB[] = "チェックレスファイル書き込み Error：fwrite() 2";
const char LOG_WRITE_LENGTH[] = "チェックレスファイル書き込み Error：fwrite() 3";
const char LOG_WRITE_IDENTITY[] = "チェックレスファイル書き込み Error：fwrite() 4";
const char LOG_WRITE_EMPHASIS[] = "チェックレスファイル書き込み Error：fwrite() 5";
const size_t EMPHASIS_TAG_SIZE = sizeof CHECK_FILE_EMPHASIS_TAG - 1;
const char LOG_OPEN[] = "ERROR:fopen()";
const char LOG_READ[] = "ERROR:fread()";
const char LOG_SIZE[] = "ERROR";
const char LOG_SIZE_ERROR[] = "サイズエラー";
const char LOG_OTHER_THREAD[] = "NG:strncmp()";

const char STATUS_LOAD_FAILED[] = "チェックファイル読み込みエラー";
const char STATUS_CANNOT_OPEN[] = "：ファイルが開けませんでした";
const char STATUS_BAD_DATA[] = "：ファイルデータが正しくありません";
const char STATUS_OTHER_THREAD[] = "チェックファイル読み込みエラー：対象ファイルが違います。";
const char QUESTION_LAST_CHECK_FILE[] = "前回のチェックファイルがあります。チェックを読み込みますか？";
const char QUESTION_LAST_CHECK_FILE_CAPTION[] = "チェックファイル";
const char STATUS_LOADED_WITH_MARKS[] = "ファイル読み込み完了（前回のチェックを読み込みました）";

struct CheckMarks {
    unsigned char main[CHECK_FILE_MARKS_SIZE];
    unsigned char sub[CHECK_FILE_MARKS_SIZE];
    char identity[CHECK_FILE_IDENTITY_MAX];
    unsigned char emphasisTag[EMPHASIS_TAG_SIZE];
    unsigned char emphasis[CHECK_FILE_MARKS_SIZE];
};

uint32_t FromLittleEndian(const unsigned char (&bytes)[4]) {
    return bytes[0] | bytes[1] << 8 | static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// Reads the marks and the identity; each failure is logged and makes the
// whole file bad. A length above the identity buffer is refused unread.
bool ReadMarks(plat::File* f, const char* path, CheckMarks& marks) {
    if (plat::FileRead(f, marks.main, sizeof marks.main) != sizeof marks.main ||
        plat::FileRead(f, marks.sub, sizeof marks.sub) != sizeof marks.sub) {
        ScrivEx(SCRIV_TRACE, 0, LOG_READ, path);
        return false;
    }
    unsigned char lengthBytes[4] = {};
    if (plat::FileRead(f, lengthBytes, sizeof lengthBytes) != sizeof lengthBytes) {
        ScrivInt(SCRIV_TRACE, 0, LOG_READ, static_cast<int>(FromLittleEndian(lengthBytes)));
        return false;
    }
    const uint32_t length = FromLittleEndian(lengthBytes);
    if (length > sizeof marks.identity) {
        ScrivEx(SCRIV_TRACE, 0, LOG_SIZE, LOG_SIZE_ERROR);
        return false;
    }
    memset(marks.identity, 0, sizeof marks.identity);
    if (length == 0 || plat::FileRead(f, marks.identity, length) != length) {
        ScrivEx(SCRIV_TRACE, 0, LOG_READ, marks.identity);
        return false;
    }
    marks.identity[sizeof marks.identity - 1] = '\0';
    // The emphasis is there only when the whole of it is: else none.
    const bool emphasised = plat::FileRead(f, marks.emphasisTag, EMPHASIS_TAG_SIZE) == EMPHASIS_TAG_SIZE &&
                            memcmp(marks.emphasisTag, CHECK_FILE_EMPHASIS_TAG, EMPHASIS_TAG_SIZE) == 0 &&
                            plat::FileRead(f, marks.emphasis, sizeof marks.emphasis) == sizeof marks.emphasis;
    if (!emphasised) memset(marks.emphasis, 0, sizeof marks.emphasis);
    return true;
}

// Null when the file was read whole, else what to add to the failure text.
const char* ReadCheckFile(const char* path, CheckMarks& marks) {
    plat::File* f = plat::FileOpen(path, plat::FileMode::Read);
    if (!f) {
        ScrivEx(SCRIV_TRACE, 0, LOG_OPEN, path);
        return STATUS_CANNOT_OPEN;
    }
    const bool good = ReadMarks(f, path, marks);
    plat::FileClose(f);
    return good ? nullptr : STATUS_BAD_DATA;
}

bool ApplyCheckFile(Session& session, DialogPort& dialog, const char* path);
bool ApplyMarks(Session& session, DialogPort& dialog, const CheckMarks& marks);

// Whether the file's title is that of the loaded thread.
bool BelongsToThread(const CheckMarks& marks, const PostTable& posts) {
    return strncmp(marks.identity, posts[0].title, TITLE_COMPARED) == 0;
}

}  // namespace

void SaveCheckFile(const PostTable& posts, const char* outputPath) {
    CheckMarks marks = {};
    bool emphasised = false;
    for (int i = 0; i < MAX_POSTS; ++i) {
        marks.main[i] = posts[i].mainCheck != 0;
        marks.sub[i] = posts[i].subCheck != 0;
        marks.emphasis[i] = posts[i].emphasis;
        emphasised = emphasised || posts[i].emphasis != 0;
    }
    memcpy(marks.emphasisTag, CHECK_FILE_EMPHASIS_TAG, EMPHASIS_TAG_SIZE);
    const size_t titleLength = strnlen(posts[0].title, TITLE_COMPARED);
    memcpy(marks.identity, posts[0].title, titleLength);
    const uint32_t length = static_cast<uint32_t>(titleLength + 1);
    const unsigned char lengthBytes[4] = {static_cast<unsigned char>(length), static_cast<unsigned char>(length >> 8),
                                          static_cast<unsigned char>(length >> 16),
                                          static_cast<unsigned char>(length >> 24)};
    const struct {
        const void* data;
        size_t size;
        const char* failure;
    } parts[] = {{marks.main, sizeof marks.main, LOG_WRITE_MAIN},
                 {marks.sub, sizeof marks.sub, LOG_WRITE_SUB},
                 {lengthBytes, sizeof lengthBytes, LOG_WRITE_LENGTH},
                 {marks.identity, length, LOG_WRITE_IDENTITY},
                 {marks.emphasisTag, EMPHASIS_TAG_SIZE, LOG_WRITE_EMPHASIS},
                 {marks.emphasis, sizeof marks.emphasis, LOG_WRITE_EMPHASIS}};
    // Without emphasis the file is what a reader of the marks alone knows.
    const size_t partCount = emphasised ? 6 : 4;
    SaveBesidePage(outputPath, CHECK_FILE_ENDING, LOG_WRITE_OPEN, __LINE__, [&](plat::ReplacingFile& file) {
        for (size_t k = 0; k < partCount; ++k)
            if (!file.Write(parts[k].data, parts[k].size)) return parts[k].failure;
        return static_cast<const char*>(nullptr);
    });
}

bool LoadCheckFile(Session& session, DialogPort& dialog) {
    dialog.SetText(IDC_STATUS, "");
    char path[PATH_BUFFER_SIZE] = {};
    if (!dialog.ChooseFile(DialogPort::Chooser::CheckFile, path, sizeof path)) {
        if (plat::GetLastErrorCode() == 0) return true;  // the user cancelled
        LogChooserFailure(SOURCE_HARVO, __LINE__);
        dialog.SetText(IDC_STATUS, STATUS_LOAD_FAILED);
        return false;
    }
    return ApplyCheckFile(session, dialog, path);
}

bool LoadCheckFileFrom(Session& session, DialogPort& dialog, const char* path) {
    dialog.SetText(IDC_STATUS, "");
    return ApplyCheckFile(session, dialog, path);
}

bool OfferLastCheckFile(Session& session, DialogPort& dialog) {
    char path[PATH_BUFFER_SIZE];
    if (!ReplaceExtension(session.loadedLogPath, CHECK_FILE_ENDING, path, sizeof path) || !plat::FileExists(path))
        return false;
    CheckMarks marks;
    if (ReadCheckFile(path, marks) || !BelongsToThread(marks, session.posts)) return false;
    const auto marked = [](unsigned char mark) { return mark != 0; };
    if (std::none_of(marks.main, marks.main + CHECK_FILE_MARKS_SIZE, marked) &&
        std::none_of(marks.sub, marks.sub + CHECK_FILE_MARKS_SIZE, marked))
        return false;
    const std::string question = std::string(QUESTION_LAST_CHECK_FILE) + "\n" + FullPathAsShown(path);
    if (!dialog.AskYesNo(question.c_str(), QUESTION_LAST_CHECK_FILE_CAPTION, DialogPort::Icon::None,
                         DialogPort::Default::Yes))
        return false;
    // The marks read above, applied as the menu command applies a file's.
    dialog.SetText(IDC_STATUS, "");
    if (!ApplyMarks(session, dialog, marks)) return false;
    dialog.SetText(IDC_STATUS, STATUS_LOADED_WITH_MARKS);
    return true;
}

bool IsCheckFilePath(const char* path) {
    const size_t n = strlen(path), ending = sizeof CHECK_FILE_ENDING - 1;
    if (n < ending) return false;
    for (size_t i = 0; i < ending; ++i)
        if (tolower(static_cast<unsigned char>(path[n - ending + i])) != CHECK_FILE_ENDING[i]) return false;
    return true;
}

namespace {

bool ApplyCheckFile(Session& session, DialogPort& dialog, const char* path) {
    CheckMarks marks;
    if (const char* failure = ReadCheckFile(path, marks)) {
        dialog.SetText(IDC_STATUS, (std::string(STATUS_LOAD_FAILED) + failure).c_str());
        return false;
    }
    if (!BelongsToThread(marks, session.posts)) {
        ScrivEx(SCRIV_TRACE, 0, LOG_OTHER_THREAD, marks.identity);
        dialog.SetText(IDC_STATUS, STATUS_OTHER_THREAD);
        return false;
    }
    return ApplyMarks(session, dialog, marks);
}

bool ApplyMarks(Session& session, DialogPort& dialog, const CheckMarks& marks) {
    if (!RequireControl(dialog, IDC_MAIN_LIST, __LINE__) || !RequireControl(dialog, IDC_SUB_LIST, __LINE__))
        return false;
    PostTable& posts = session.posts;
    // Every row is set, ticked or cleared: the file's marks replace all others.
    for (int i = 0; i < MAX_POSTS; ++i) {
        SetAndShowMark(dialog, posts, IDC_MAIN_LIST, i, marks.main[i] != 0);
        SetAndShowMark(dialog, posts, IDC_SUB_LIST, i, marks.sub[i] != 0);
        posts[i].emphasis = ValidEmphasis(marks.emphasis[i]);
    }
    ShowEmphasis(dialog);
    KeepMarks(session);
    return true;
}

}  // namespace
