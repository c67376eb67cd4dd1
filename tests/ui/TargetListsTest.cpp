#include <cstring>

#include "resources/resource.h"
#include "settings/ProgramIni.h"
#include "tests/support/ProgramFixture.h"
#include "app/MainCommands.h"
#include "app/MainLayout.h"
#include "ui/TargetLists.h"

namespace {

// The lists as a fresh main dialog holds them, over a post table of a few posts.
class TargetListsTest : public ProgramTest {
protected:
    const MemoryDialog::Row& MainRow(int i) { return dialog_.lists[IDC_MAIN_LIST].rows.at(static_cast<size_t>(i)); }
    const MemoryDialog::Row& SubRow(int i) { return dialog_.lists[IDC_SUB_LIST].rows.at(static_cast<size_t>(i)); }
};

TEST_F(TargetListsTest, InitialisationStylesListsAndAddsColumns) {
    dialog_.lists[IDC_MAIN_LIST].extendedStyle = 0x20;
    EXPECT_EQ(InitMainDialog(dialog_), 1);

    EXPECT_EQ(dialog_.lists[IDC_MAIN_LIST].extendedStyle, 0x25u);
    EXPECT_EQ(dialog_.lists[IDC_SUB_LIST].extendedStyle, 0x5u);
    using Columns = std::vector<std::pair<std::string, int>>;
    EXPECT_EQ(dialog_.lists[IDC_MAIN_LIST].columns,
              (Columns{{"No", 50}, {"名前", 250}, {"トリップ", 100}, {"ID", 100}, {"日付", 200}}));
    EXPECT_EQ(dialog_.lists[IDC_SUB_LIST].columns,
              (Columns{{"No", 50}, {"名前（＆トリップ）", 250}, {"メール", 50}, {"ID", 100}, {"本文", 500}}));
    EXPECT_TRUE(dialog_.lists[IDC_MAIN_LIST].rows.empty());

    const std::string expectedIni = ProgramDir() + "Harvo.ini";
    EXPECT_EQ(std::string(iniPath), expectedIni);
    EXPECT_NE(Log().find(INDENT + "iniファイルパス\r\n" + INDENT + expectedIni + "\r\n"), std::string::npos);
}

TEST_F(TargetListsTest, MissingListIsLoggedAndTheOtherStillSetUp) {
    dialog_.Remove(IDC_MAIN_LIST);
    EXPECT_EQ(SetCheckListStyle(dialog_, IDC_MAIN_LIST), 0);
    InitMainDialog(dialog_);
    EXPECT_EQ(dialog_.lists[IDC_SUB_LIST].extendedStyle, 0x5u);
    EXPECT_EQ(dialog_.lists[IDC_SUB_LIST].columns.size(), 5u);
    EXPECT_EQ(dialog_.lists.count(IDC_MAIN_LIST), 0u) << "nothing was sent to the missing list";
    EXPECT_EQ(FillMainList(dialog_), 0);
    EXPECT_EQ(ReadCheckStates(dialog_), 0);

    const std::string log = Log();
    EXPECT_NE(log.find(INDENT + "Error：GetDlgItem()\r\n" + INDENT + "※ GetLastError=0x0000058d\r\n"),
              std::string::npos);
    EXPECT_NE(log.find("Harvo.cpp "), std::string::npos) << "the position names the source";
}

TEST_F(TargetListsTest, FillShowsEveryRowWithItsCells) {
    Set(postTable[0].name, "ハンドル </b>◆Trip1234 <b>");
    Set(postTable[0].kote, "ハンドル ");
    Set(postTable[0].trip, "◆Trip1234");
    Set(postTable[0].mail, "sage");
    Set(postTable[0].date, "2009/01/01(木) 00:00:00 ");
    Set(postTable[0].id, "AbCd1234");
    Set(postTable[0].body, "本文です");
    Set(postTable[1].name, "</b>◆OnlyTrip <b>");
    Set(postTable[1].trip, "◆OnlyTrip");
    Set(postTable[2].name, "名無しさん");
    const std::string body(4095, 'b');
    Set(postTable[2].body, body);

    EXPECT_EQ(FillMainList(dialog_), 1);
    EXPECT_EQ(FillSubList(dialog_), 1);
    ASSERT_EQ(dialog_.lists[IDC_MAIN_LIST].rows.size(), 1000u);
    ASSERT_EQ(dialog_.lists[IDC_SUB_LIST].rows.size(), 1000u);
    EXPECT_TRUE(dialog_.lists[IDC_MAIN_LIST].redraw && dialog_.lists[IDC_SUB_LIST].redraw);

    using Cells = std::vector<std::string>;
    EXPECT_EQ(MainRow(0).cells, (Cells{"1", "ハンドル ", "◆Trip1234", "AbCd1234", "2009/01/01(木) 00:00:00 "}));
    EXPECT_EQ(SubRow(0).cells, (Cells{"1", "ハンドル ◆Trip1234", "sage", "AbCd1234", "本文です"}));
    // An empty handle shows the raw name, markup and all, in both lists.
    EXPECT_EQ(MainRow(1).cells, (Cells{"2", "</b>◆OnlyTrip <b>", "◆OnlyTrip", "", ""}));
    EXPECT_EQ(SubRow(1).cells, (Cells{"2", "</b>◆OnlyTrip <b>", "", "", ""}));
    EXPECT_EQ(MainRow(2).cells[1], "名無しさん");
    EXPECT_EQ(SubRow(2).cells[4], std::string(1023, 'b'));
    EXPECT_EQ(MainRow(999).cells, (Cells{"1000", "", "", "", ""}));
    EXPECT_EQ(SubRow(500).cells, (Cells{"501", "", "", "", ""}));
}

TEST_F(TargetListsTest, FillDropsEveryMark) {
    FillMainList(dialog_);
    dialog_.SetRowStateImage(IDC_MAIN_LIST, 7, STATE_IMAGE_CHECKED);
    FillMainList(dialog_);
    EXPECT_EQ(dialog_.RowStateImage(IDC_MAIN_LIST, 7), STATE_IMAGE_UNCHECKED);
}

TEST_F(TargetListsTest, MarksReadBackIntoThePostTable) {
    FillMainList(dialog_);
    FillSubList(dialog_);
    dialog_.SetRowStateImage(IDC_MAIN_LIST, 2, STATE_IMAGE_CHECKED);
    dialog_.SetRowStateImage(IDC_SUB_LIST, 2, STATE_IMAGE_CHECKED);
    dialog_.SetRowStateImage(IDC_SUB_LIST, 999, STATE_IMAGE_CHECKED);
    postTable[5].mainCheck = 1;  // stale marks are overwritten

    EXPECT_EQ(ReadCheckStates(dialog_), 1);
    for (int i = 0; i < MAX_POSTS; ++i) {
        EXPECT_EQ(postTable[i].mainCheck, i == 2 ? 1 : 0) << i;
        EXPECT_EQ(postTable[i].subCheck, i == 2 || i == 999 ? 1 : 0) << i;
    }
    EXPECT_EQ(postTable[1000].subCheck, 0) << "records past the working range are not touched";
}

TEST_F(TargetListsTest, MarksOfListsNeverFilledReadAsMinusOne) {
    EXPECT_EQ(ReadCheckStates(dialog_), 1);
    for (int i = 0; i < MAX_POSTS; ++i) {
        ASSERT_EQ(postTable[i].mainCheck, -1) << i;
        ASSERT_EQ(postTable[i].subCheck, -1) << i;
    }
}

TEST_F(TargetListsTest, CommandsWithoutHandlerAreLeftAlone) {
    for (int id : {IDC_LOG_PATH, IDC_OUTPUT_PATH, IDC_RANGE_START, 0, 2, 9999}) EXPECT_FALSE(RunCommand(dialog_, id)) << id;
    EXPECT_TRUE(dialog_.texts.empty()) << "nothing was touched";
    EXPECT_TRUE(RunCommand(dialog_, IDC_LOAD));
    EXPECT_EQ(dialog_.texts[IDC_STATUS], "読み込み対象ファイルの設定がありません");
}

// The window's box of the last run is kept; none, or one too small, is no box.
TEST_F(TargetListsTest, WindowPlacementIsKeptInTheIni) {
    Placement read = {};
    EXPECT_FALSE(ReadPlacement(read, 10, 10));
    WritePlacement({{-20, 5, 780, 605}, true});
    EXPECT_FALSE(ReadPlacement(read, 801, 10));
    ASSERT_TRUE(ReadPlacement(read, 800, 600));
    EXPECT_EQ(std::vector<int>({read.box.left, read.box.top, read.box.right, read.box.bottom, read.maximised}),
              std::vector<int>({-20, 5, 780, 605, 1}));
}

}  // namespace
