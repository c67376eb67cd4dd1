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

}  // namespace
