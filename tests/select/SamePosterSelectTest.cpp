#include "select/SamePosterSelect.h"

#include "tests/support/ProgramFixture.h"

namespace {

// The two members of the family, each run through the same cases.
struct Family {
    const char* name;
    bool (*command)(Session&, DialogPort&);
    char (PostRecord::*field)[256];
    char (PostRecord::*otherField)[256];
    const char* closingText;
};
const Family FAMILIES[] = {
    {"trip", SelectSameTrip, &PostRecord::trip, &PostRecord::id, "同トリップ抽出完了"},
    {"id", SelectSameId, &PostRecord::id, &PostRecord::trip, "同ＩＤ抽出完了"},
};

class SamePosterSelectTest : public ProgramTest {
protected:
    // Posts 1 to 8: the compared field, and the other field equal everywhere
    // (so that a command comparing the wrong field would tick every post).
    void FillPosts(const Family& f) {
        const char* texts[] = {"Ab1", "ab1", "Ab1", "", "Ab1 ", "Ab", "", "Ab1"};
        for (int i = 0; i < 8; ++i) {
            Set(postTable[i].*f.field, texts[i]);
            Set(postTable[i].*f.otherField, "same");
        }
        Fill();
    }
};

TEST_F(SamePosterSelectTest, TicksExactlyTheRowsOfEqualText) {
    const struct {
        std::initializer_list<int> marked;
        Posts expected;
    } cases[] = {
        {{}, {}},                                // nothing marked
        {{1}, {1, 3, 8}},                        // case, a trailing blank, a prefix all differ
        {{2}, {2}},
        {{4}, {4}},                              // an empty field marks nothing, not even other empty ones
        {{900}, {900}},                          // a row beyond the posts read is empty
        {{3, 6}, {1, 3, 6, 8}},
        {{1, 2, 4, 5, 6}, {1, 2, 3, 4, 5, 6, 8}},
    };
    for (const Family& f : FAMILIES) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(f.name) + " marked " + ::testing::PrintToString(std::vector<int>(c.marked)));
            ClearPostTable(postTable);
            FillPosts(f);
            Tick(IDC_MAIN_LIST, c.marked);
            Tick(IDC_SUB_LIST, {2, 7});
            dialog_.texts[IDC_STATUS] = "old";

            EXPECT_EQ(f.command(session_, dialog_), 1);
            EXPECT_EQ(Ticked(IDC_MAIN_LIST), c.expected);
            EXPECT_EQ(Ticked(IDC_SUB_LIST), (Posts{2, 7})) << "the sub list is not touched";
            EXPECT_EQ(dialog_.texts[IDC_STATUS], f.closingText);

            // Running it again changes nothing.
            f.command(session_, dialog_);
            EXPECT_EQ(Ticked(IDC_MAIN_LIST), c.expected);
        }
    }
}

TEST_F(SamePosterSelectTest, BeforeAnyLoadChangesNothingAndStillCloses) {
    for (const Family& f : FAMILIES) {
        EXPECT_EQ(f.command(session_, dialog_), 1);
        EXPECT_EQ(dialog_.texts[IDC_STATUS], f.closingText);
        EXPECT_TRUE(dialog_.lists[IDC_MAIN_LIST].rows.empty());
    }
}

TEST_F(SamePosterSelectTest, MissingMainListIsLogged) {
    dialog_.Remove(IDC_MAIN_LIST);
    for (const Family& f : FAMILIES) {
        dialog_.texts[IDC_STATUS] = "old";
        EXPECT_EQ(f.command(session_, dialog_), 0);
        EXPECT_EQ(dialog_.texts[IDC_STATUS], "");
    }
    EXPECT_NE(Log().find(INDENT + "Error：GetDlgItem()\r\n" + INDENT + "※ GetLastError=0x0000058d\r\n"),
              std::string::npos);
}

// On the real list every shown tick is a window message: only new ticks are shown.
class CountingDialog : public MemoryDialog {
public:
    void ShowRowTicked(int id, int row, bool ticked) override {
        ++writes;
        MemoryDialog::ShowRowTicked(id, row, ticked);
    }
    int writes = 0;
};

TEST_F(SamePosterSelectTest, ShowsOnlyNewTicks) {
    for (int i = 0; i < MAX_POSTS; ++i) Set(postTable[i].id, "same");
    CountingDialog dialog;
    FillMainList(dialog, postTable);
    for (int i = 0; i < MAX_POSTS; i += 2) postTable[i].mainCheck = 1;

    EXPECT_TRUE(SelectSameId(session_, dialog));
    EXPECT_EQ(dialog.writes, MAX_POSTS / 2);
    for (int i = 0; i < MAX_POSTS; ++i) ASSERT_EQ(postTable[i].mainCheck, 1);
}

}  // namespace
