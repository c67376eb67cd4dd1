#include "select/RangeClear.h"

#include "tests/support/ProgramFixture.h"

namespace {

// Every row of both lists ticked and every mark field set, before each case.
class RangeClearTest : public ProgramTest {
protected:
    void MarkEverything() {
        Fill();
        TickAll(IDC_MAIN_LIST);
        TickAll(IDC_SUB_LIST);
    }
    void Run(const char* start, const char* end) {
        dialog_.texts[IDC_RANGE_START] = start;
        dialog_.texts[IDC_RANGE_END] = end;
        dialog_.texts[IDC_STATUS] = "old";
        ClearChecksInRange(session_, dialog_);
    }
    // The post numbers of the rows not ticked; both lists and both mark fields must agree.
    Posts Unmarked() {
        Posts numbers;
        for (int i = 0; i < MAX_POSTS; ++i) {
            const bool main = dialog_.ShowsTicked(IDC_MAIN_LIST, i);
            const bool sub = dialog_.ShowsTicked(IDC_SUB_LIST, i);
            EXPECT_EQ(main, sub) << "row " << i;
            EXPECT_EQ(main, postTable[i].mainCheck == 1) << "row " << i;
            EXPECT_EQ(sub, postTable[i].subCheck == 1) << "row " << i;
            if (!main) numbers.push_back(i + 1);
        }
        return numbers;
    }
};

TEST_F(RangeClearTest, BadRangesAreShownAndChangeNothing) {
    const char* START = "クリア範囲エラー（開始）";
    const char* END = "クリア範囲エラー（終了）";
    const struct {
        const char* start;
        const char* end;
        const char* status;
    } cases[] = {
        {"", "5", START},
        {"0", "5", START},
        {"-3", "5", START},
        {"abc", "5", START},
        {"  ", "5", START},
        {"1001", "5", START},
        {"0", "", START},            // the start is checked before the end is read
        {"4294967301", "10", START},  // 2^32 + 5 must not wrap to 5
        {"2147483648", "10", START},
        {"5", "", END},
        {"5", "0", END},
        {"5", "1001", END},
        {"5", "4294967306", END},     // 2^32 + 10
        {"5", "x10", END},
        {"10", "3", "クリア範囲エラー"},
        {"1000", "999", "クリア範囲エラー"},
    };
    MarkEverything();
    const std::string log = Log();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " - " + c.end);
        Run(c.start, c.end);
        EXPECT_EQ(dialog_.texts[IDC_STATUS], c.status);
        EXPECT_TRUE(Unmarked().empty());
    }
    EXPECT_TRUE(dialog_.questions.empty());
    EXPECT_EQ(Log(), log) << "range errors are not logged";
}

TEST_F(RangeClearTest, YesClearsTheRangeInBothLists) {
    const struct {
        const char* start;
        const char* end;
        int first, last;
    } cases[] = {
        {"5", "5", 5, 5},
        {"1", "1000", 1, 1000},
        {"12abc", " 20", 12, 20},   // trailing letters: the digits count
        {"+3", "0004", 3, 4},
        {"990", "1000", 990, 1000},  // beyond the posts read: rows without posts
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " - " + c.end);
        MarkEverything();
        dialog_.questions.clear();
        dialog_.answers = {true};
        Run(c.start, c.end);

        Posts expected;
        for (int n = c.first; n <= c.last; ++n) expected.push_back(n);
        EXPECT_EQ(Unmarked(), expected);
        EXPECT_EQ(dialog_.texts[IDC_STATUS], "");
        ASSERT_EQ(dialog_.questions.size(), 1u);
        EXPECT_EQ(dialog_.questions[0].text, "ターゲットチェックをクリアしてもよろしいでしょうか");
        EXPECT_EQ(dialog_.questions[0].caption, "消去確認");
        EXPECT_EQ(dialog_.texts[IDC_RANGE_START], c.start) << "the edits keep their texts";
    }
}

TEST_F(RangeClearTest, NoKeepsEveryMark) {
    MarkEverything();
    dialog_.answers = {false};
    Run("1", "1000");
    EXPECT_TRUE(Unmarked().empty());
    EXPECT_EQ(dialog_.texts[IDC_STATUS], "消去をキャンセルしました");
    EXPECT_EQ(dialog_.questions.size(), 1u);
    const std::string record = HeaderLine(" === TRACE === ") + INDENT + "消去キャンセル\r\n\r\n";
    EXPECT_NE(Log().find(record), std::string::npos) << "a trace without a second text";
}

}  // namespace
