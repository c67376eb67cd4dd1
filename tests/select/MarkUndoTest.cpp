#include "select/MarkUndo.h"

#include <cstring>
#include <functional>

#include "app/MainCommands.h"
#include "tests/support/ProgramFixture.h"

namespace {

// Posts 1 and 3 share a trip, 1 and 4 an ID; post 1 refers to post 2.
const char THREAD[] =
    "名無し</b>◆Trip1 <b><><>2009/01/01 ID:AAA<>&gt;&gt;2<>題名\n"
    "名無し<><>2009/01/01 ID:BBB<>二<>\n"
    "名無し</b>◆Trip1 <b><><>2009/01/01 ID:CCC<>三<>\n"
    "名無し<><>2009/01/01 ID:AAA<>四<>\n";

class MarkUndoTest : public ProgramTest {
protected:
    void TearDown() override {
        ForgetUndo();
        ProgramTest::TearDown();
    }
    struct Marks {
        std::vector<int> main, sub, mainCheck, subCheck;
        bool operator==(const Marks& o) const {
            return main == o.main && sub == o.sub && mainCheck == o.mainCheck && subCheck == o.subCheck;
        }
    };
    Marks Now() {
        Marks m{Ticked(IDC_MAIN_LIST), Ticked(IDC_SUB_LIST), {}, {}};
        for (int i = 0; i < MAX_POSTS; ++i) {
            if (postTable[i].mainCheck) m.mainCheck.push_back(i + 1);
            if (postTable[i].subCheck) m.subCheck.push_back(i + 1);
        }
        return m;
    }
};

// Each marking command, then undo: both lists and the mark fields as before
// it, hand ticks included; a second undo changes nothing.
TEST_F(MarkUndoTest, UndoPutsBackWhatEachMarkingCommandChanged) {
    std::string chk(2000, '\0');
    chk[3] = chk[1000] = 1;
    chk += std::string("\x05\0\0\0", 4) + "題名" + std::string(1, '\0');
    WriteBytes(dir_.File("marks.chk"), chk);
    const struct {
        int id;
        std::function<void()> prepare;
    } cases[] = {
        {IDC_SAME_TRIP, [] {}},
        {IDC_SAME_ID, [] {}},
        {IDC_REFERENCED, [] {}},
        {IDC_CLEAR_RANGE, [&] { dialog_.texts[IDC_RANGE_START] = "1", dialog_.texts[IDC_RANGE_END] = "3", dialog_.answers = {true}; }},
        {IDM_LOAD_CHECK_FILE, [&] { dialog_.chosenPath = dir_.File("marks.chk"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        Load(THREAD);
        Tick(IDC_MAIN_LIST, {1});
        Tick(IDC_SUB_LIST, {1, 3});
        postTable[2].subCheck = 1;
        c.prepare();
        const Marks before = Now();
        EXPECT_FALSE(CanUndo()) << "a load forgets the step";

        ASSERT_TRUE(RunCommand(dialog_, c.id));
        EXPECT_FALSE(Now() == before) << "the command changed marks";
        ASSERT_TRUE(CanUndo());
        RunCommand(dialog_, IDM_UNDO);
        EXPECT_TRUE(Now() == before);
        EXPECT_EQ(dialog_.texts[IDC_STATUS], STATUS_UNDONE);

        Tick(IDC_MAIN_LIST, {4});
        dialog_.texts[IDC_STATUS] = "";
        RunCommand(dialog_, IDM_UNDO);
        EXPECT_EQ(Ticked(IDC_MAIN_LIST), (Posts{1, 4})) << "one step only";
        EXPECT_EQ(dialog_.texts[IDC_STATUS], "");
    }
}

// A command that changed nothing (a question answered No) keeps the earlier
// step; a check file named on the command line is refused, dropped it is read.
TEST_F(MarkUndoTest, UnchangedMarksKeepTheStepCheckFileNamedIsRefused) {
    Load(THREAD);
    Tick(IDC_MAIN_LIST, {1});
    RunCommand(dialog_, IDC_SAME_TRIP);
    dialog_.texts[IDC_RANGE_START] = "1", dialog_.texts[IDC_RANGE_END] = "3";
    RunCommand(dialog_, IDC_CLEAR_RANGE);  // answered No
    OpenNamedFile(dialog_, dir_.File("x.CHK").c_str());
    EXPECT_NE(Log().find("起動引数エラー"), std::string::npos);
    EXPECT_EQ(dialog_.texts[IDC_STATUS], "消去をキャンセルしました") << "nothing ran";
    RunCommand(dialog_, IDM_UNDO);
    EXPECT_EQ(Ticked(IDC_MAIN_LIST), (Posts{1}));
    OpenDroppedFile(dialog_, dir_.File("x.Chk").c_str());
    EXPECT_EQ(dialog_.texts[IDC_STATUS], "チェックファイル読み込みエラー：ファイルが開けませんでした");
}

}  // namespace
