#include "select/MarkUndo.h"

#include "app/MainCommands.h"
#include "tests/support/ProgramFixture.h"

namespace {

using MarkUndoTest = ProgramTest;

// Undo puts back the marks of both lists as they were before the last
// command that changed a mark, once; one that changed nothing keeps the step.
TEST_F(MarkUndoTest, PutsBackTheMarksOfTheLastCommandOnce) {
    Load("a</b>◆T <b><><>ID:A<>&gt;&gt;2<>題\nb<><>ID:B<><>\nc</b>◆T <b><><>ID:C<><>\n");
    Tick(IDC_MAIN_LIST, {1});
    Tick(IDC_SUB_LIST, {3});
    RunCommand(session_, dialog_, IDC_REFERENCED);  // sub 2, mainCheck 1, subCheck 2
    RunCommand(session_, dialog_, IDC_SAME_TRIP);   // main 3
    dialog_.texts[IDC_RANGE_START] = "1", dialog_.texts[IDC_RANGE_END] = "3";
    RunCommand(session_, dialog_, IDC_CLEAR_RANGE);  // answered No
    ASSERT_TRUE(session_.canUndo);
    RunCommand(session_, dialog_, IDM_UNDO);
    RunCommand(session_, dialog_, IDM_UNDO);
    EXPECT_EQ(Ticked(IDC_MAIN_LIST), (Posts{1}));
    EXPECT_EQ(Ticked(IDC_SUB_LIST), (Posts{2, 3})) << "the step before the same trip only";
    EXPECT_EQ(postTable[1].subCheck, 1);
    EXPECT_EQ(dialog_.texts[IDC_STATUS], STATUS_UNDONE);
    RunCommand(session_, dialog_, IDC_SAME_TRIP);
    ASSERT_TRUE(session_.canUndo);
    RunCommand(session_, dialog_, IDC_LOAD);
    EXPECT_FALSE(session_.canUndo) << "a load forgets the step";
}

// Each emphasis command changes the selected rows' posts of the list that
// last had the focus, rows without a post left out, and is one step of undo;
// bold and AA follow the first such row. A load clears all emphasis.
TEST_F(MarkUndoTest, EmphasisCommandsAreStepsOnTheSelectedPosts) {
    Load("a<><>ID:A<>x<>題\nb<><>ID:B<><>\nc<><>ID:C<><>\n");
    const struct { int list; std::vector<int> rows; int id; std::vector<int> emphasis; /* records 0-2 after */ } steps[] = {
        {IDC_MAIN_LIST, {0, 2, 5}, IDM_COLOUR_ORANGE, {4, 0, 4}},
        {IDC_SUB_LIST, {0, 2}, IDM_BOLD, {0x24, 0, 0x24}},
        {IDC_SUB_LIST, {0, 1}, IDM_BOLD, {0x04, 0, 0x24}},
        {IDC_MAIN_LIST, {1, 2}, IDM_SIZE_LARGER, {0x04, 0x10, 0x34}},
        {IDC_MAIN_LIST, {1, 2}, IDM_AA, {0x04, 0x50, 0x74}},
        {IDC_MAIN_LIST, {0, 2}, IDM_PLAIN, {0, 0x50, 0}},
        {IDC_MAIN_LIST, {5, 999}, IDM_COLOUR_RED, {0, 0x50, 0}},  // no post: no step
    };
    const auto emphasis = [&] { return std::vector<int>{postTable[0].emphasis, postTable[1].emphasis, postTable[2].emphasis}; };
    for (const auto& step : steps) {
        session_.emphasisList = step.list;
        dialog_.lists[step.list].selected = step.rows;
        RunCommand(session_, dialog_, step.id);
        EXPECT_EQ(emphasis(), step.emphasis) << step.id;
    }
    RunCommand(session_, dialog_, IDM_UNDO);
    EXPECT_EQ(emphasis(), (std::vector<int>{0x04, 0x50, 0x74})) << "before 強調を解除";
    EXPECT_FALSE(MayDiscardMarks(session_, dialog_)) << "emphasis is unsaved work";
    dialog_.answers = {true};
    RunCommand(session_, dialog_, IDC_LOAD);
    EXPECT_EQ(emphasis(), (std::vector<int>{0, 0, 0}));
}

}  // namespace
