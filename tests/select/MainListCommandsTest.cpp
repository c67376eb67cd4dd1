// The menu "選択" through the command table: marks, status, counts, 元に戻す.
#include <optional>

#include "app/MainCommands.h"
#include "select/Answers.h"
#include "tests/support/ProgramFixture.h"

namespace {

using MainListCommandsTest = ProgramTest;

// Post 1 names itself; 2 answers 1, 3 answers 1 and 2 (twice), 4 answers 1 (or
// 1 and 2 by ranges), 5 answers 2 (or 2 and 3 by lists). Posts 1 and 3 share the ID.
const char THREAD[] = "a<><>2009/01/01 ID:S<>一 &gt;&gt;1<>題\n"
                      "b<><>2009/01/01 ID:X<>&gt;&gt;1 パン&amp;バター<>\n"
                      "c<><>2009/01/01 ID:S<>&gt;&gt;1 &gt;&gt;2&gt;&gt;2<>\n"
                      "d<><>2009/01/01 ID:Y<>&gt;&gt;1-2 ぱん<br>Bread<>\n"
                      "e<><>2009/01/01 ID:s<>&gt;&gt;2,3 パン　屋<>\n";

TEST_F(MainListCommandsTest, MarkTheMainListCountAndUndo) {
    RunCommand(session_, dialog_, IDM_SELECT_STARTER);
    EXPECT_EQ(dialog_.texts[IDC_STATUS], "1番の書き込みにIDがありません");
    EXPECT_EQ(dialog_.texts[IDC_MARK_COUNTS], "") << "nothing loaded";
    SetUpTargetLists(dialog_);
    Load(THREAD);

    const struct { std::string ini; int id; Posts marked, expected; const char* status;
                   std::optional<std::string> keyword = std::nullopt; } cases[] = {
        {"", IDM_SELECT_STARTER, {}, {1, 3}, "スレ主の書き込み選択完了（2件）"},
        {"", IDM_SELECT_POPULAR, {2}, {1, 2}, "人気レス選択完了（1件）"},
        {"ANCHOR_RANGES=1\r\n", IDM_SELECT_POPULAR, {}, {1, 2}, "人気レス選択完了（2件）"},
        {"ANCHOR_RANGES=1\r\nPOPULAR=0\r\n", IDM_SELECT_POPULAR, {}, {1, 2, 3}, "人気レス選択完了（3件）"},
        {"", IDM_SELECT_REPLIES, {2}, {2, 3, 5}, "返信レス選択完了（2件）"},
        {"ANCHOR_RANGES=1\r\n", IDM_SELECT_REPLIES, {2}, {2, 3, 4, 5}, "返信レス選択完了（3件）"},
        {"", IDM_SELECT_REPLIES, {1}, {1, 2, 3, 4}, "返信レス選択完了（3件）"},  // one step: not 5
        {"", IDM_SELECT_KEYWORD, {}, {2, 5}, "キーワード選択完了（2件）", u8"パン"},
        {"", IDM_SELECT_KEYWORD, {}, {2}, "キーワード選択完了（1件）", u8"パン&バター"},
        {"", IDM_SELECT_KEYWORD, {}, {5}, "キーワード選択完了（1件）", u8" 屋　パン "},
        {"", IDM_SELECT_KEYWORD, {}, {}, "キーワード選択完了（0件）", u8"bread"},
        {"", IDM_SELECT_KEYWORD, {3}, {3}, "キーワード選択完了（0件）", u8"　 "},
        {"", IDM_SELECT_KEYWORD, {3}, {3}, ""},  // キャンセル
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        WriteProgramIni("[OPTION]\r\n" + c.ini);
        dialog_.answers = {true};
        RunCommand(session_, dialog_, IDC_LOAD);
        Tick(IDC_MAIN_LIST, c.marked);
        Tick(IDC_SUB_LIST, {4});
        dialog_.keyword = c.keyword;
        RunCommand(session_, dialog_, c.id);
        EXPECT_EQ(Ticked(IDC_MAIN_LIST), c.expected);
        EXPECT_EQ(Ticked(IDC_SUB_LIST), (Posts{4}));
        EXPECT_EQ(dialog_.texts[IDC_STATUS], c.status);
        EXPECT_EQ(dialog_.texts[IDC_MARK_COUNTS], "メイン " + std::to_string(c.expected.size()) + "件 / サブ 1件");
        RunCommand(session_, dialog_, IDM_UNDO);
        EXPECT_EQ(Ticked(IDC_MAIN_LIST), c.marked);
    }
    const auto& rows = dialog_.lists[IDC_MAIN_LIST].rows;  // "被参照" by the last case's first numbers
    EXPECT_EQ(rows[0].cells[5] + "," + rows[1].cells[5] + "," + rows[2].cells[5], "3,2,");
    // The rule changed under the loaded list (the settings dialog closing): counted again.
    for (const auto& [ini, shown] : {std::pair{"ANCHOR_RANGES=1\r\n", "3,3,1"}, std::pair{"", "3,2,"}}) {
        WriteProgramIni(std::string("[OPTION]\r\n") + ini);
        ShowAnswerCounts(session_, dialog_, AnswerCells::Every);
        EXPECT_EQ(rows[0].cells[5] + "," + rows[1].cells[5] + "," + rows[2].cells[5], shown);
    }
}

}  // namespace
