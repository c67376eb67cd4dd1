// The whole job on the real main dialog with the system's real choosers and
// question box: choose and load the sample thread log, tick rows, choose the
// page, convert, and take the marks up again from the check file.
#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/MainDialogWin.h"
#include "platform/TextWin.h"
#include "resources/resource.h"
#include "settings/ProgramIni.h"
#include "tests/html/HtmlFixture.h"
#include "tests/support/ExpectedFiles.h"
#include "tests/support/TestFiles.h"
#include "tests/win/ModalScript.h"
#include "tests/win/RealMainDialog.h"
#include "posts/PostTable.h"

namespace {

const wchar_t CHOOSER_TITLE[] = L"ファイルを選んでください。";

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (size_t pos = 0, end; pos < bytes.size(); pos = end + 1) {
        end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(pos, end - pos));
    }
    return lines;
}

// What a chooser looked like when the script met it.
struct ChooserSeen {
    std::wstring title;
    std::wstring fileType;
    HWND owner = nullptr;
};

class WholeJobTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(dialog_, nullptr) << GetLastError();
        ShowWindow(dialog_, SW_SHOW);
        // The program INI of this test, not the one beside the test program.
        Session& session = real_.session();
        snprintf(session.iniPath, sizeof session.iniPath, "%s", dir_.File("Harvo.ini").c_str());
        lines_ = SplitLines(ReadBytes(HARVO_SOURCE_DIR "/samples/sample.dat"));
        ASSERT_EQ(lines_.size(), 36u);
        WriteBytes(LogPath(), ReadBytes(HARVO_SOURCE_DIR "/samples/sample.dat"));
    }

    std::string LogPath() const { return dir_.File("sample.dat"); }
    std::string Title() const { return lines_[0].substr(lines_[0].rfind("<>") + 2); }
    std::wstring Text(int id) { return real_.Text(id); }
    void Command(int id) { real_.Command(id); }

    // Runs the command whose chooser opens, types name into it and presses
    // the chooser's OK button (or Cancel when name is empty).
    ChooserSeen Choose(int id, const std::string& name) {
        ChooserSeen seen;
        const bool closed = RunWhileModal(dialog_, id, [&](HWND chooser) {
            seen.title = WindowText(chooser);
            seen.fileType = WindowText(GetDlgItem(chooser, cmb1));
            seen.owner = GetWindow(chooser, GW_OWNER);
            if (name.empty()) {
                Click(chooser, IDCANCEL);
                return;
            }
            // The name box is the one edit of the chooser, inside its combo box.
            HWND edit = nullptr;
            EnumChildWindows(
                chooser,
                [](HWND child, LPARAM found) {
                    wchar_t name[16] = L"";
                    GetClassNameW(child, name, 16);
                    if (wcscmp(name, L"Edit") != 0 || !IsWindowVisible(child)) return TRUE;
                    *reinterpret_cast<HWND*>(found) = child;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&edit));
            SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ToWide(name.c_str()).c_str()));
            Click(chooser, IDOK);
        });
        EXPECT_TRUE(closed) << "the chooser did not close";
        EXPECT_EQ(seen.title, CHOOSER_TITLE);
        EXPECT_EQ(seen.owner, dialog_);
        return seen;
    }

    // The question the convert command asks, answered; what it showed.
    MessageBoxSeen ConvertAnswering(int button) { return AnswerMessageBox(dialog_, IDC_CONVERT, button); }

    void Tick(int list, const std::vector<int>& postNumbers) { real_.Tick(list, postNumbers); }
    void UntickAll() {
        for (int list : {IDC_MAIN_LIST, IDC_SUB_LIST})
            for (int i = 0; i < MAX_POSTS; ++i) ListView_SetCheckState(GetDlgItem(dialog_, list), i, FALSE);
    }
    std::vector<int> Ticked(int list) { return real_.Ticked(list); }
    // Loads the sample through the box and ticks main 1, 3, 5 and sub 4, 36.
    void LoadAndTick() {
        SetDlgItemTextW(dialog_, IDC_LOG_PATH, ToWide(LogPath().c_str()).c_str());
        Command(IDC_LOAD);
        ASSERT_EQ(Text(IDC_STATUS), L"ファイル読み込み完了");
        Tick(IDC_MAIN_LIST, {1, 3, 5});
        Tick(IDC_SUB_LIST, {4, 36});
    }

    RealMainDialog real_;
    HWND dialog_ = real_.hwnd();
    TempDir dir_;
    std::vector<std::string> lines_;
};

TEST_F(WholeJobTest, ChooseLoadTickConvertAndRestore) {
    EXPECT_EQ(Choose(IDC_CHOOSE_LOG, LogPath()).fileType, L"dat files {*.dat}");
    EXPECT_EQ(Text(IDC_LOG_PATH), ToWide(LogPath().c_str()));
    EXPECT_EQ(SendDlgItemMessageW(dialog_, IDC_MAIN_LIST, LVM_GETITEMCOUNT, 0, 0), 0) << "choosing loads nothing";
    Command(IDC_LOAD);
    ASSERT_EQ(Text(IDC_STATUS), L"ファイル読み込み完了");
    Tick(IDC_MAIN_LIST, {1, 3, 5});
    Tick(IDC_SUB_LIST, {4, 36});

    // A new name without extension: the save chooser takes it and ".html" is added.
    EXPECT_EQ(Choose(IDC_CHOOSE_OUTPUT, dir_.File("まとめ")).fileType, L"HTML files {*.htm}");
    const std::string page = dir_.File("まとめ.html");
    EXPECT_EQ(Text(IDC_OUTPUT_PATH), ToWide(page.c_str()));

    WriteBytes(real_.session().iniPath, "[EXCHANGE]\r\nREDAT=1\r\n");
    Command(IDC_CONVERT);
    EXPECT_EQ(Text(IDC_STATUS), L"変換完了");
    const std::string html = ReadBytes(page);
    EXPECT_EQ(html.substr(0, BodyColourHead(Title()).size()), BodyColourHead(Title()));
    EXPECT_EQ(html.substr(html.size() - FOOT.size()), FOOT);
    for (int n : {1, 3, 4, 5, 36}) EXPECT_NE(html.find("<a name=\"" + std::to_string(n) + "\">"), std::string::npos) << n;
    EXPECT_EQ(html.find("<a name=\"2\">"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir_.File("まとめ.chk")), CheckFileBytes({1, 3, 5}, {4, 36}, Title()));
    EXPECT_EQ(ReadBytes(dir_.File("まとめ_RE.dat")), ReducedLogBytes(lines_, {3, 4, 5, 36}));

    // Menu IDM_LOAD_CHECK_FILE puts back the marks of both lists from the check file chosen.
    UntickAll();
    Tick(IDC_MAIN_LIST, {9});
    EXPECT_EQ(Choose(IDM_LOAD_CHECK_FILE, dir_.File("まとめ.chk")).fileType, L"chk files {*.chk}");
    EXPECT_EQ(Text(IDC_STATUS), L"");
    EXPECT_EQ(Ticked(IDC_MAIN_LIST), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(Ticked(IDC_SUB_LIST), (std::vector<int>{4, 36}));
}

TEST_F(WholeJobTest, OverwriteQuestionNoKeepsYesReplaces) {
    LoadAndTick();
    const std::string page = dir_.File("page.html");
    SetDlgItemTextW(dialog_, IDC_OUTPUT_PATH, ToWide(page.c_str()).c_str());
    Command(IDC_CONVERT);
    ASSERT_EQ(Text(IDC_STATUS), L"変換完了");
    const std::string firstPage = ReadBytes(page);
    const std::string firstChk = ReadBytes(dir_.File("page.chk"));
    Tick(IDC_MAIN_LIST, {7});

    const MessageBoxSeen q = ConvertAnswering(IDNO);
    EXPECT_EQ(q.owner, dialog_);
    EXPECT_EQ(q.caption, L"上書き確認");
    EXPECT_EQ(q.text, L"ファイルを上書きしてもよろしいでしょうか\n" + ToWide(page.c_str()) + L"\n" +
                          ToWide(dir_.File("page.chk").c_str()));
    EXPECT_EQ(q.buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(q.defaultButton, IDNO);
    EXPECT_FALSE(q.icon);
    EXPECT_EQ(Text(IDC_STATUS), L"変換をキャンセルしました");
    EXPECT_EQ(ReadBytes(page), firstPage);
    EXPECT_EQ(ReadBytes(dir_.File("page.chk")), firstChk);

    ConvertAnswering(IDYES);
    EXPECT_EQ(Text(IDC_STATUS), L"変換完了");
    EXPECT_NE(ReadBytes(page).find("<a name=\"7\">"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir_.File("page.chk")), CheckFileBytes({1, 3, 5, 7}, {4, 36}, Title()));
}

// The question before changed marks are thrown away, as the real box shows it.
void ExpectDiscardQuestion(const MessageBoxSeen& q, HWND dialog) {
    EXPECT_EQ(q.owner, dialog);
    EXPECT_EQ(q.caption, L"確認");
    EXPECT_EQ(q.text, L"チェックした内容が保存されていません。破棄してよろしいですか？");
    EXPECT_EQ(q.buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(q.defaultButton, IDNO);
    EXPECT_TRUE(q.icon);
}

TEST_F(WholeJobTest, LoadAsksBeforeThrowingAwayChangedMarks) {
    LoadAndTick();
    ExpectDiscardQuestion(AnswerMessageBox(dialog_, IDC_LOAD, IDNO), dialog_);
    EXPECT_EQ(Text(IDC_STATUS), L"読み込みをキャンセルしました");
    EXPECT_EQ(Ticked(IDC_SUB_LIST), (std::vector<int>{4, 36}));

    ExpectDiscardQuestion(AnswerMessageBox(dialog_, IDC_LOAD, IDYES), dialog_);
    EXPECT_EQ(Text(IDC_STATUS), L"ファイル読み込み完了");
    EXPECT_EQ(Ticked(IDC_SUB_LIST), std::vector<int>{});

    // Marks written by a conversion are kept: nothing to ask.
    Tick(IDC_MAIN_LIST, {2});
    SetDlgItemTextW(dialog_, IDC_OUTPUT_PATH, ToWide(dir_.File("page.html").c_str()).c_str());
    Command(IDC_CONVERT);
    ASSERT_EQ(Text(IDC_STATUS), L"変換完了");
    EXPECT_EQ(AnswerMessageBox(dialog_, IDC_LOAD, IDNO).owner, nullptr);
    EXPECT_EQ(Text(IDC_STATUS), L"ファイル読み込み完了");
}

TEST_F(WholeJobTest, CloseAsksBeforeThrowingAwayChangedMarks) {
    LoadAndTick();
    const auto close = [this] { SendMessageW(dialog_, WM_CLOSE, 0, 0); };
    ExpectDiscardQuestion(AnswerMessageBox(dialog_, close, IDNO), dialog_);
    ASSERT_TRUE(IsWindow(dialog_)) << "No keeps the program open";
    EXPECT_EQ(Ticked(IDC_MAIN_LIST), (std::vector<int>{1, 3, 5}));

    ExpectDiscardQuestion(AnswerMessageBox(dialog_, close, IDYES), dialog_);
    EXPECT_FALSE(IsWindow(dialog_));
}

// A double-click on a row opens its post, readable, in a window of its own.
TEST_F(WholeJobTest, DoubleClickShowsThePost) {
    LoadAndTick();
    HWND list = GetDlgItem(dialog_, IDC_SUB_LIST);
    RECT row = {LVIR_LABEL, 0, 0, 0};
    SendMessageW(list, LVM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&row));
    std::wstring seen;  // caption | text | button, and whether the text is read-only
    EXPECT_TRUE(RunWhileModal(
        dialog_, [&] { SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(row.left + 4, row.top + 2)); },
        [&](HWND preview) {
            HWND text = GetDlgItem(preview, IDC_PREVIEW_TEXT);
            seen = WindowText(preview) + L"|" + WindowText(text) + L"|" + WindowText(GetDlgItem(preview, IDOK)) +
                   ((GetWindowLongW(text, GWL_STYLE) & ES_READONLY) ? L"|read-only" : L"");
            PressKey(preview, VK_ESCAPE);
        })) << "opened, and closed by Escape";
    EXPECT_EQ(seen, L"レス 4|4 名無しさん＠パン板 [sage] 2023/11/14(火) 21:24:52.68  ID:Yz3eTs8L\r\n\r\n"
                    L" >>3\r\nうらやましい。うちのはいつも横に割れる |閉じる|read-only");
}

// A read-only page is not replaced, even when the user says Yes: the
// conversion fails and leaves no check file.
TEST_F(WholeJobTest, ReadOnlyPageIsKept) {
    LoadAndTick();
    const std::string page = dir_.File("page.html");
    WriteBytes(page, "kept");
    const std::wstring widePage = ToWide(page.c_str());
    ASSERT_TRUE(SetFileAttributesW(widePage.c_str(), FILE_ATTRIBUTE_READONLY));
    SetDlgItemTextW(dialog_, IDC_OUTPUT_PATH, widePage.c_str());
    ConvertAnswering(IDYES);
    EXPECT_EQ(Text(IDC_STATUS), L"HTMLファイルへの変換に失敗しました");
    EXPECT_EQ(ReadBytes(page), "kept");
    EXPECT_FALSE(PathExists(dir_.File("page.chk")));
    SetFileAttributesW(widePage.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Cancelling a chooser changes no box, no mark and no file; only the check
// file load clears the status line, as every command does when it starts.
TEST_F(WholeJobTest, CancellingEachChooserChangesNothing) {
    LoadAndTick();
    const struct {
        int id;
        const wchar_t* fileType;
        const wchar_t* status;
    } choosers[] = {{IDC_CHOOSE_LOG, L"dat files {*.dat}", L"前の表示"},
                    {IDC_CHOOSE_OUTPUT, L"HTML files {*.htm}", L"前の表示"},
                    {IDM_LOAD_CHECK_FILE, L"chk files {*.chk}", L""}};
    for (const auto& c : choosers) {
        SCOPED_TRACE(c.id);
        SetDlgItemTextW(dialog_, IDC_LOG_PATH, L"before.dat");
        SetDlgItemTextW(dialog_, IDC_OUTPUT_PATH, L"before.html");
        SetDlgItemTextW(dialog_, IDC_STATUS, L"前の表示");
        EXPECT_EQ(Choose(c.id, "").fileType, c.fileType);
        EXPECT_EQ(Text(IDC_LOG_PATH), L"before.dat");
        EXPECT_EQ(Text(IDC_OUTPUT_PATH), L"before.html");
        EXPECT_EQ(Text(IDC_STATUS), c.status);
        EXPECT_EQ(Ticked(IDC_MAIN_LIST), (std::vector<int>{1, 3, 5}));
        EXPECT_EQ(Ticked(IDC_SUB_LIST), (std::vector<int>{4, 36}));
    }
}

// A chosen file whose path in Shift_JIS would not fit 259 bytes (171
// characters, 291 bytes) is refused by the chooser layer, never cut into the
// name of another file.
TEST_F(WholeJobTest, ChooserRefusesAPathTooLongForShiftJis) {
    std::string folder;
    for (int i = 0; i < 60; ++i) folder += "ま";
    const std::string outer = dir_.File(folder);
    const std::string path = outer + "\\" + folder + "\\" + folder + ".dat";
    ASSERT_TRUE(CreateDirectoryW(ToWide(outer.c_str()).c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(ToWide((outer + "\\" + folder).c_str()).c_str(), nullptr));
    WriteBytes(path, lines_[0] + "\n");
    ASSERT_GT(path.size(), 259u);
    SetDlgItemTextW(dialog_, IDC_LOG_PATH, L"before.dat");
    Choose(IDC_CHOOSE_LOG, path);
    EXPECT_EQ(Text(IDC_LOG_PATH), L"before.dat");
}

}  // namespace
