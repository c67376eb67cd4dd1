// The selection buttons on the real main dialog: the check boxes of the real
// list views they change, their status texts, and the clear question, found
// and answered through its own buttons as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "platform/TextWin.h"
#include "settings/ProgramIni.h"
#include "tests/support/TestFiles.h"
#include "tests/win/ModalScript.h"
#include "tests/win/RealMainDialog.h"
#include "posts/PostTable.h"

namespace {

using Posts = std::vector<int>;

// Posts 1 and 3 share a trip, post 4 has it in lower case; posts 1 and 4
// share an ID, post 5 has it in lower case. Post 1 refers to posts 3 and 5.
const char THREAD[] =
    "名無し</b>◆Trip1 <b><>sage<>2009/01/01 ID:AAA<>&gt;&gt;3 と &gt;&gt; 5<>題名\n"
    "名無し<><>2009/01/01 ID:BBB<>二<>\n"
    "名無し</b>◆Trip1 <b><><>2009/01/01 ID:CCC<>三<>\n"
    "名無し</b>◆trip1 <b><><>2009/01/01 ID:AAA<>四<>\n"
    "名無し<><>2009/01/01 ID:aaa<>五<>\n";

class SelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(dialog_.hwnd(), nullptr) << GetLastError();
        // The program INI of these tests lies in their own folder.
        Session& session_ = dialog_.session();
        snprintf(session_.iniPath, sizeof session_.iniPath, "%s", dir_.File("Harvo.ini").c_str());
        const std::string log = dir_.File("スレッド.dat");
        WriteBytes(log, THREAD);
        dialog_.SetText(IDC_LOG_PATH, log);
        Command(IDC_LOAD);
        ASSERT_EQ(Text(IDC_STATUS), L"ファイル読み込み完了");
    }

    std::wstring Text(int id) { return dialog_.Text(id); }
    void Command(int id) { dialog_.Command(id); }
    void Tick(int list, const Posts& numbers) { dialog_.Tick(list, numbers); }
    Posts Ticked(int list) { return dialog_.Ticked(list); }
    MessageBoxSeen ClearAnswering(int button) { return AnswerMessageBox(dialog_.hwnd(), IDC_CLEAR_RANGE, button); }

    TempDir dir_;
    RealMainDialog dialog_;
    PostTable& postTable = dialog_.session().posts;
};

TEST_F(SelectionTest, SameTripAndSameIdTickTheMainList) {
    const struct {
        int button;
        Posts marked, expected;
        const wchar_t* status;
    } cases[] = {
        {IDC_SAME_TRIP, {1}, {1, 3}, L"同トリップ抽出完了"},
        {IDC_SAME_TRIP, {2}, {2}, L"同トリップ抽出完了"},
        {IDC_SAME_ID, {1}, {1, 4}, L"同ＩＤ抽出完了"},
        {IDC_SAME_ID, {3, 5}, {3, 5}, L"同ＩＤ抽出完了"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        // A fresh load drops every mark, once the user agrees (no question the first time).
        AnswerMessageBox(dialog_.hwnd(), IDC_LOAD, IDYES);
        ASSERT_EQ(Text(IDC_STATUS), L"ファイル読み込み完了");
        Tick(IDC_MAIN_LIST, c.marked);
        Command(c.button);
        EXPECT_EQ(Ticked(IDC_MAIN_LIST), c.expected);
        EXPECT_EQ(Ticked(IDC_SUB_LIST), Posts{});
        EXPECT_EQ(Text(IDC_STATUS), c.status);
    }
}

TEST_F(SelectionTest, ReferencedResponsesTickTheSubList) {
    Tick(IDC_MAIN_LIST, {1, 2});
    Tick(IDC_SUB_LIST, {4});
    Command(IDC_REFERENCED);
    EXPECT_EQ(Ticked(IDC_SUB_LIST), (Posts{3, 4, 5}));
    EXPECT_EQ(Ticked(IDC_MAIN_LIST), (Posts{1, 2}));
    EXPECT_EQ(Text(IDC_STATUS), L"参照レス抽出完了");
    EXPECT_EQ(postTable[0].mainCheck + postTable[1].mainCheck, 2);
    EXPECT_EQ(postTable[4].subCheck, 1);

    WriteBytes(dialog_.session().iniPath, "[OPTION]\r\nSUBCHECK=1\r\n");
    Command(IDC_REFERENCED);
    EXPECT_EQ(Ticked(IDC_SUB_LIST), (Posts{1, 2, 3, 4, 5}));
}

TEST_F(SelectionTest, ClearAnsweredYesClearsBothLists) {
    Tick(IDC_MAIN_LIST, {1, 2, 3, 4, 5, 1000});
    Tick(IDC_SUB_LIST, {1, 2, 3, 4, 5, 1000});
    dialog_.SetText(IDC_RANGE_START, "2");
    dialog_.SetText(IDC_RANGE_END, "4");

    const MessageBoxSeen box = ClearAnswering(IDYES);
    ASSERT_EQ(box.owner, dialog_.hwnd()) << "no question was asked";
    EXPECT_EQ(box.caption, L"消去確認");
    EXPECT_EQ(box.text, L"ターゲットチェックをクリアしてもよろしいでしょうか");
    EXPECT_EQ(box.buttons, (Posts{IDYES, IDNO}));
    EXPECT_EQ(box.defaultButton, IDNO);
    EXPECT_FALSE(box.icon);

    EXPECT_EQ(Ticked(IDC_MAIN_LIST), (Posts{1, 5, 1000}));
    EXPECT_EQ(Ticked(IDC_SUB_LIST), (Posts{1, 5, 1000}));
    EXPECT_EQ(Text(IDC_STATUS), L"");
    EXPECT_EQ(Text(IDC_RANGE_START), L"2") << "the edits keep their texts";
}

TEST_F(SelectionTest, ClearAnsweredNoKeepsEveryMark) {
    Tick(IDC_MAIN_LIST, {1, 2, 3});
    Tick(IDC_SUB_LIST, {2});
    dialog_.SetText(IDC_RANGE_START, "1");
    dialog_.SetText(IDC_RANGE_END, "1000");
    EXPECT_EQ(ClearAnswering(IDNO).caption, L"消去確認");
    EXPECT_EQ(Ticked(IDC_MAIN_LIST), (Posts{1, 2, 3}));
    EXPECT_EQ(Ticked(IDC_SUB_LIST), (Posts{2}));
    EXPECT_EQ(Text(IDC_STATUS), L"消去をキャンセルしました");
}

// A bad range asks nothing and clears nothing.
TEST_F(SelectionTest, BadRangeIsShownWithoutAQuestion) {
    Tick(IDC_MAIN_LIST, {3});
    const struct {
        const char *start, *end;
        const wchar_t* status;
    } cases[] = {
        {"", "3", L"クリア範囲エラー（開始）"},
        {"4294967299", "3", L"クリア範囲エラー（開始）"},
        {"3", "1001", L"クリア範囲エラー（終了）"},
        {"10", "3", L"クリア範囲エラー"},
    };
    for (const auto& c : cases) {
        dialog_.SetText(IDC_RANGE_START, c.start);
        dialog_.SetText(IDC_RANGE_END, c.end);
        EXPECT_EQ(ClearAnswering(IDYES).owner, nullptr) << "no question";
        EXPECT_EQ(Text(IDC_STATUS), c.status);
        EXPECT_EQ(Ticked(IDC_MAIN_LIST), (Posts{3}));
    }
}

// The menu "選択" after a load: the keyword dialog, and the counts after ticks by hand.
TEST_F(SelectionTest, KeywordDialogAndCounts) {
    EXPECT_FALSE(GetMenuState(GetMenu(dialog_.hwnd()), IDM_SELECT_KEYWORD, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(Text(IDC_MARK_COUNTS), L"メイン 0件 / サブ 0件");
    Tick(IDC_MAIN_LIST, {2});
    Tick(IDC_SUB_LIST, {1, 2});
    EXPECT_EQ(Text(IDC_MARK_COUNTS), L"メイン 1件 / サブ 2件");
    for (const int button : {IDCANCEL, IDOK}) {
        ASSERT_TRUE(RunWhileModal(dialog_.hwnd(), IDM_SELECT_KEYWORD, [&](HWND window) {
            SetDlgItemTextW(window, IDC_KEYWORD_TEXT, L"三　 ");
            Click(window, button);
        }));
        EXPECT_EQ(Ticked(IDC_MAIN_LIST), button == IDOK ? (Posts{2, 3}) : (Posts{2}));
        EXPECT_EQ(Text(IDC_STATUS), button == IDOK ? L"キーワード選択完了（1件）" : L"");
    }
    EXPECT_EQ(Text(IDC_MARK_COUNTS), L"メイン 2件 / サブ 2件");
}

// Each marking command, the last by a dropped check file, then 元に戻す: both
// lists exactly as before; a second one changes nothing, and the item greys.
TEST_F(SelectionTest, UndoPutsBackBothListsAfterEachCommand) {
    const std::string ours = dir_.File("ours.chk"), other = dir_.File("other.chk");
    WriteBytes(ours, std::string(2000, '\1') + std::string("\x05\0\0\0題名\0", 9));
    WriteBytes(other, std::string(2000, '\1') + std::string("\x05\0\0\0別題\0", 9));
    const std::function<void()> commands[] = {[&] { Command(IDC_SAME_TRIP); }, [&] { Command(IDC_SAME_ID); },
                                              [&] { Command(IDC_REFERENCED); }, [&] { ClearAnswering(IDYES); },
                                              [&] { dialog_.Drop({ours}); }};
    const auto greyed = [&] { return GetMenuState(GetMenu(dialog_.hwnd()), IDM_UNDO, MF_BYCOMMAND) & MF_GRAYED; };
    dialog_.SetText(IDC_RANGE_START, "1");
    dialog_.SetText(IDC_RANGE_END, "1000");
    for (const auto& command : commands) {
        AnswerMessageBox(dialog_.hwnd(), IDC_LOAD, IDYES);  // the marks left by the last round go
        EXPECT_TRUE(greyed()) << "after a load";
        Tick(IDC_MAIN_LIST, {1, 2});
        Tick(IDC_SUB_LIST, {2});
        const Posts main = Ticked(IDC_MAIN_LIST), sub = Ticked(IDC_SUB_LIST);
        command();
        EXPECT_NE(Ticked(IDC_MAIN_LIST).size() + Ticked(IDC_SUB_LIST).size(), main.size() + sub.size());
        EXPECT_FALSE(greyed());
        Command(IDM_UNDO);
        EXPECT_EQ(Ticked(IDC_MAIN_LIST), main);
        EXPECT_EQ(Ticked(IDC_SUB_LIST), sub);
        EXPECT_EQ(Text(IDC_STATUS), L"元に戻しました");
        EXPECT_TRUE(greyed());
        Tick(IDC_SUB_LIST, {5});
        Command(IDM_UNDO);
        EXPECT_EQ(Ticked(IDC_SUB_LIST), (Posts{2, 5})) << "one step only";
    }
    dialog_.Drop({other});
    EXPECT_EQ(Text(IDC_STATUS), L"チェックファイル読み込みエラー：対象ファイルが違います。");
    // Of several files the first counts; a folder is refused and changes nothing.
    const std::string log = dir_.File("別 スレ.dat");
    WriteBytes(log, "名無し<><>2009/01/01 ID:X<>一<>別\n");
    dialog_.Drop({dir_.path(), log});
    EXPECT_EQ(Text(IDC_STATUS), L"チェックファイル読み込みエラー：対象ファイルが違います。");
    AnswerMessageBox(dialog_.hwnd(), [&] { dialog_.Drop({log, ours}); }, IDYES);
    EXPECT_EQ(Text(IDC_STATUS), L"ファイル読み込み完了");
    EXPECT_EQ(Text(IDC_LOG_PATH), ToWide(log.c_str()));
}

}  // namespace
