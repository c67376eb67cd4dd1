#include "select/ReferencedResponses.h"

#include <optional>

#include "tests/support/ProgramFixture.h"

namespace {

class ReferencedResponsesTest : public ProgramTest {};

// Each body with the first number of an anchor only, then with ANCHOR_RANGES=1
// (ranged, when it differs: ranges of at most 20 steps, lists, 1 to 1000 only).
TEST_F(ReferencedResponsesTest, AnchorsOfAMarkedBody) {
    const struct {
        const char* body;
        Posts expected;
        std::optional<Posts> ranged = std::nullopt;
    } cases[] = {
        {"&gt;&gt;3", {3}},
        {"前&gt;&gt;1 と &gt;&gt;1000 と&gt;&gt;2", {1, 2, 1000}},
        {"&gt;&gt; 7", {7}},                     // white space before the number is skipped
        {"&gt;&gt;\t\r\v\f 8", {8}},
        {"&gt;&gt;+5 &gt;&gt;0004", {4, 5}},
        {"&gt;&gt;12-15 &gt;&gt;20,21", {12, 20}, Posts{12, 13, 14, 15, 20, 21}},
        {"&gt;&gt;5-5 &gt;&gt;9-8 &gt;&gt;30-51 &gt;&gt;60-80", {5, 9, 30, 60},
         Posts{5, 9, 30, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80}},
        {"&gt;&gt;1,3-4,6,x &gt;&gt;7-8,10-11-13 &gt;&gt;2,,5 &gt;&gt;2- 5 &gt;&gt;2, 5", {1, 2, 7},
         Posts{1, 2, 3, 4, 6, 7, 8, 10, 11}},
        {"&gt;&gt;999-1003 &gt;&gt;0-2 &gt;&gt;1001,5 &gt;&gt;abc,9 &gt;&gt;-,9 &gt;&gt; 3-4 &gt;&gt;+6,7", {3, 6, 999},
         Posts{1, 2, 3, 4, 5, 6, 7, 999, 1000}},
        {"&gt;&gt;4294967297,2 &gt;&gt;8-4294967297 &gt;&gt;20,4294967297,21", {8, 20}},
        {"&gt;&gt;&gt;&gt;9", {9}},                 // the search resumes behind the first two signs
        {"&gt;&gt;&gt;12", {}},                     // ...where "&gt;&gt;" no longer occurs
        {"&gt;&gt;0 &gt;&gt;-3 &gt;&gt;1001 &gt;&gt;abc &gt;&gt;- 5 &gt;&gt;+-5 &gt;&gt;", {}},
        {"&gt;&gt;１２ &gt;&gt;　6", {}},            // full-width digits and blank are not read
        {">>3 &gt;3 ＞＞3 &GT;&GT;3 &gt; &gt;3", {}},
        // Numbers past 32 bits would wrap into the range: 2^32 + 1, 2^32 + 1 negated, 2^31.
        {"&gt;&gt;4294967297 &gt;&gt;-4294967295 &gt;&gt;2147483648 &gt;&gt;99999999999999999999", {}},
        {"&gt;&gt;1 &gt;&gt;1 &gt;&gt;001", {1}},
    };
    for (const bool ranges : {false, true})
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.body) + (ranges ? " ranges" : ""));
        ClearPostTable(postTable);
        Set(postTable[1].body, c.body);
        Fill();
        Tick(IDC_MAIN_LIST, {2});
        WriteProgramIni(ranges ? "[OPTION]\r\nANCHOR_RANGES=1\r\n" : "[OPTION]\r\nANCHOR_RANGES=2\r\n");
        const Posts& expected = ranges && c.ranged ? *c.ranged : c.expected;

        EXPECT_EQ(ExtractReferencedResponses(session_, dialog_), 1);
        EXPECT_EQ(Ticked(IDC_SUB_LIST), expected);
        Posts flagged;
        for (int i = 0; i < MAX_POSTS; ++i)
            if (postTable[i].subCheck) flagged.push_back(i + 1);
        EXPECT_EQ(flagged, expected);
        EXPECT_EQ(postTable[1].mainCheck, 1);
        EXPECT_EQ(Ticked(IDC_MAIN_LIST), (Posts{2})) << "the main list is not changed";
        EXPECT_EQ(dialog_.texts[IDC_STATUS], "参照レス抽出完了");
    }
}

TEST_F(ReferencedResponsesTest, OnlyMarkedBodiesCountAndNothingIsCleared) {
    Set(postTable[0].body, "&gt;&gt;5");
    Set(postTable[1].body, "&gt;&gt;6");
    Set(postTable[2].body, "&gt;&gt;3 自分 &gt;&gt;950 空の行");
    Fill();
    Tick(IDC_MAIN_LIST, {1, 3});
    Tick(IDC_SUB_LIST, {40});
    postTable[39].subCheck = 1;
    postTable[40].mainCheck = 1;

    ExtractReferencedResponses(session_, dialog_);
    EXPECT_EQ(Ticked(IDC_SUB_LIST), (Posts{3, 5, 40, 950}));
    EXPECT_EQ(postTable[5].subCheck, 0) << "post 2 is not marked";
    EXPECT_EQ(postTable[39].subCheck, 1);
    EXPECT_EQ(postTable[40].mainCheck, 1);
    EXPECT_EQ(postTable[0].mainCheck + postTable[1].mainCheck + postTable[2].mainCheck, 2);
}

TEST_F(ReferencedResponsesTest, NothingMarkedChangesNothing) {
    Set(postTable[0].body, "&gt;&gt;2");
    Fill();
    Tick(IDC_SUB_LIST, {9});
    WriteProgramIni("[OPTION]\r\nSUBCHECK=1\r\n");
    dialog_.texts[IDC_STATUS] = "old";
    EXPECT_EQ(ExtractReferencedResponses(session_, dialog_), 1);
    EXPECT_EQ(Ticked(IDC_SUB_LIST), (Posts{9}));
    EXPECT_EQ(postTable[0].mainCheck, 0);
    EXPECT_EQ(postTable[1].subCheck, 0);
    EXPECT_EQ(dialog_.texts[IDC_STATUS], "参照レス抽出完了");
}

TEST_F(ReferencedResponsesTest, SubcheckOneAlsoTicksTheMarkedRows) {
    const struct {
        const char* ini;
        Posts expected;
    } cases[] = {
        {"[OPTION]\r\nSUBCHECK=1\r\n", {2, 4, 5}},
        {"[OPTION]\r\nSUBCHECK=2\r\n", {4}},
        {"[OPTION]\r\nSUBCHECK=0\r\n", {4}},
        {"", {4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini);
        ClearPostTable(postTable);
        Set(postTable[4].body, "&gt;&gt;4");
        Fill();
        Tick(IDC_MAIN_LIST, {2, 5});
        WriteProgramIni(c.ini);
        ExtractReferencedResponses(session_, dialog_);
        EXPECT_EQ(Ticked(IDC_SUB_LIST), c.expected);
    }
}

// The setting is read again for every marked post: a change while the command
// runs (here, as it shows the reference of post 1) applies from the next post on.
TEST_F(ReferencedResponsesTest, SubcheckIsReadForEveryMarkedRow) {
    struct ChangingDialog : MemoryDialog {
        std::string iniPath;
        void ShowRowTicked(int id, int row, bool ticked) override {
            if (id == IDC_SUB_LIST && row == 1) WriteBytes(iniPath, "[OPTION]\r\nSUBCHECK=1\r\n");
            MemoryDialog::ShowRowTicked(id, row, ticked);
        }
    } dialog;
    dialog.iniPath = session_.iniPath;
    Set(postTable[0].body, "&gt;&gt;2");
    FillMainList(dialog, postTable);
    FillSubList(dialog, postTable);
    for (int row : {0, 2, 4}) postTable[row].mainCheck = 1;
    ExtractReferencedResponses(session_, dialog);
    EXPECT_FALSE(dialog.ShowsTicked(IDC_SUB_LIST, 0));
    EXPECT_TRUE(dialog.ShowsTicked(IDC_SUB_LIST, 2));
    EXPECT_TRUE(dialog.ShowsTicked(IDC_SUB_LIST, 4));
}

// Before a load nothing is marked: nothing is ticked, and the command ends as usual.
TEST_F(ReferencedResponsesTest, BeforeAnyLoad) {
    WriteProgramIni("[OPTION]\r\nSUBCHECK=1\r\n");
    EXPECT_TRUE(ExtractReferencedResponses(session_, dialog_));
    EXPECT_TRUE(dialog_.lists[IDC_SUB_LIST].rows.empty());
    EXPECT_EQ(dialog_.texts[IDC_STATUS], "参照レス抽出完了");
    for (int i = 0; i < MAX_POSTS; ++i) ASSERT_EQ(postTable[i].subCheck, 0) << i;
}

TEST_F(ReferencedResponsesTest, MissingListChangesNothing) {
    for (int missing : {IDC_MAIN_LIST, IDC_SUB_LIST}) {
        SCOPED_TRACE(missing);
        MemoryDialog dialog;
        Set(postTable[0].body, "&gt;&gt;2");
        FillMainList(dialog, postTable);
        FillSubList(dialog, postTable);
        postTable[0].mainCheck = 1;
        dialog.Remove(missing);
        dialog.texts[IDC_STATUS] = "old";
        EXPECT_FALSE(ExtractReferencedResponses(session_, dialog));
        EXPECT_EQ(dialog.texts[IDC_STATUS], "");
        EXPECT_EQ(postTable[1].subCheck, 0);
        EXPECT_FALSE(dialog.ShowsTicked(IDC_SUB_LIST, 1));
    }
    EXPECT_NE(Log().find(INDENT + "Error：GetDlgItem()\r\n"), std::string::npos);
}

}  // namespace
