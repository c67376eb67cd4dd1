#include <cstring>

#include "resources/resource.h"
#include "settings/ProgramIni.h"
#include "tests/support/ProgramFixture.h"
#include "ui/TargetLists.h"

namespace {

// The lists as a fresh main dialog holds them, over a post table of a few posts.
class TargetListsTest : public ProgramTest {
protected:
    const MemoryDialog::Row& MainRow(int i) { return dialog_.lists[IDC_MAIN_LIST].rows.at(static_cast<size_t>(i)); }
    const MemoryDialog::Row& SubRow(int i) { return dialog_.lists[IDC_SUB_LIST].rows.at(static_cast<size_t>(i)); }
};

// Both lists become check lists with a column for each cell of a row.
TEST_F(TargetListsTest, SetUpMakesCheckListsWithAColumnPerCell) {
    SetUpTargetLists(dialog_);
    FillMainList(dialog_, postTable);
    FillSubList(dialog_, postTable);
    for (int list : {IDC_MAIN_LIST, IDC_SUB_LIST}) {
        const MemoryDialog::List& l = dialog_.lists[list];
        EXPECT_EQ(l.checkListCalls, 1) << list;
        ASSERT_EQ(l.columns.size(), l.rows.at(0).cells.size()) << list;
        for (const auto& [header, width] : l.columns) EXPECT_TRUE(!header.empty() && width > 0) << list;
    }
}

TEST_F(TargetListsTest, MissingListIsLoggedAndTheOtherStillSetUp) {
    dialog_.Remove(IDC_MAIN_LIST);
    SetUpTargetLists(dialog_);
    EXPECT_EQ(dialog_.lists[IDC_SUB_LIST].checkListCalls, 1);
    EXPECT_EQ(dialog_.lists[IDC_SUB_LIST].columns.size(), 5u);
    EXPECT_EQ(dialog_.lists.count(IDC_MAIN_LIST), 0u) << "nothing was sent to the missing list";
    EXPECT_FALSE(FillMainList(dialog_, postTable));

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

    EXPECT_EQ(FillMainList(dialog_, postTable), 1);
    EXPECT_EQ(FillSubList(dialog_, postTable), 1);
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

// A load refills the lists after it has cleared the marks: a fill shows none.
TEST_F(TargetListsTest, FillShowsNoMark) {
    FillMainList(dialog_, postTable);
    Tick(IDC_MAIN_LIST, {8});
    FillMainList(dialog_, postTable);
    EXPECT_FALSE(dialog_.ShowsTicked(IDC_MAIN_LIST, 7));
}

// A tick by hand reaches the table; a row outside the working range, or a
// control that is no target list, changes nothing.
TEST_F(TargetListsTest, HandTicksReachTheTable) {
    TakeRowTick(postTable, IDC_MAIN_LIST, 2, true);
    TakeRowTick(postTable, IDC_SUB_LIST, 999, true);
    TakeRowTick(postTable, IDC_SUB_LIST, 1000, true);
    TakeRowTick(postTable, IDC_SUB_LIST, -1, true);
    TakeRowTick(postTable, IDC_LOG_PATH, 4, true);
    for (int i = 0; i < POST_TABLE_CAPACITY; ++i) {
        ASSERT_EQ(postTable[i].mainCheck, i == 2 ? 1 : 0) << i;
        ASSERT_EQ(postTable[i].subCheck, i == 999 ? 1 : 0) << i;
    }
    TakeRowTick(postTable, IDC_MAIN_LIST, 2, false);
    EXPECT_EQ(postTable[2].mainCheck, 0);
}

}  // namespace
