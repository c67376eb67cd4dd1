// The table of commands, the main dialog's initialisation and the window's
// place kept between runs.
#include <string>
#include <vector>

#include "app/MainCommands.h"
#include "app/MainLayout.h"
#include "resources/resource.h"
#include "tests/support/ProgramFixture.h"

namespace {

using MainCommandsTest = ProgramTest;

TEST_F(MainCommandsTest, InitialisationFindsTheIniAndSetsUpTheLists) {
    InitMainDialog(session_, dialog_);
    EXPECT_EQ(dialog_.lists[IDC_MAIN_LIST].checkListCalls, 1);
    EXPECT_EQ(dialog_.lists[IDC_SUB_LIST].columns.size(), 5u);
    EXPECT_TRUE(dialog_.lists[IDC_MAIN_LIST].rows.empty());

    const std::string expectedIni = ProgramDir() + "Harvo.ini";
    EXPECT_EQ(std::string(session_.iniPath), expectedIni);
    EXPECT_NE(Log().find(INDENT + "iniファイルパス\r\n" + INDENT + expectedIni + "\r\n"), std::string::npos);
}

TEST_F(MainCommandsTest, CommandsWithoutHandlerAreLeftAlone) {
    for (int id : {IDC_LOG_PATH, IDC_OUTPUT_PATH, IDC_RANGE_START, 0, 2, 9999})
        EXPECT_FALSE(RunCommand(session_, dialog_, id)) << id;
    EXPECT_TRUE(dialog_.texts.empty()) << "nothing was touched";
    EXPECT_TRUE(RunCommand(session_, dialog_, IDC_LOAD));
    EXPECT_EQ(dialog_.texts[IDC_STATUS], "読み込み対象ファイルの設定がありません");
}

// The window's box of the last run is kept; none, or one too small, is no box.
TEST_F(MainCommandsTest, WindowPlacementIsKeptInTheIni) {
    Placement read = {};
    EXPECT_FALSE(ReadPlacement(session_.iniPath, read, 10, 10));
    WritePlacement(session_.iniPath, {{-20, 5, 780, 605}, true});
    EXPECT_FALSE(ReadPlacement(session_.iniPath, read, 801, 10));
    ASSERT_TRUE(ReadPlacement(session_.iniPath, read, 800, 600));
    EXPECT_EQ(std::vector<int>({read.box.left, read.box.top, read.box.right, read.box.bottom, read.maximised}),
              std::vector<int>({-20, 5, 780, 605, 1}));
}

}  // namespace
