// The table of commands, the main dialog's initialisation and the window's
// place kept between runs.
#include <string>
#include <vector>

#include "app/MainCommands.h"
#include "app/MainLayout.h"
#include "resources/resource.h"
#include "tests/support/ProgramFixture.h"
#include "ui/KeptMarks.h"

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

// Day 1: posts ticked and converted. Day 2: the load offers the check file
// beside the thread log; Yes brings the marks back, No leaves the lists as
// loaded. A check file without a mark, or of another thread, is not offered.
TEST_F(MainCommandsTest, LoadOffersYesterdaysMarks) {
    const std::string thread = "a<><>d<>one<>Title\nb<><>d<>two<>\nc<><>d<>three<>\n";
    const std::string log = Load(thread, "day.dat");
    Tick(IDC_MAIN_LIST, {2});
    Tick(IDC_SUB_LIST, {3});
    RunCommand(session_, dialog_, IDC_CONVERT);
    const std::string chk = ReadBytes(dir_.File("day.chk"));
    const struct {
        bool yes;
        Posts main, sub;
        const char* status;
    } answers[] = {{true, {2}, {3}, "ファイル読み込み完了（前回のチェックを読み込みました）"},
                   {false, {}, {}, "ファイル読み込み完了"}};
    for (const auto& a : answers) {
        dialog_.questions.clear();
        dialog_.answers = {a.yes};
        dialog_.texts[IDC_LOG_PATH] = log;
        RunCommand(session_, dialog_, IDC_LOAD);
        ASSERT_EQ(dialog_.questions.size(), 1u);
        EXPECT_EQ(dialog_.questions[0].text, "前回のチェックファイルがあります。チェックを読み込みますか？\n" +
                                                 dir_.File("day.chk"));
        EXPECT_EQ(dialog_.questions[0].caption, "チェックファイル");
        EXPECT_EQ(dialog_.questions[0].button, DialogPort::Default::Yes);
        EXPECT_EQ(Ticked(IDC_MAIN_LIST), a.main);
        EXPECT_EQ(Ticked(IDC_SUB_LIST), a.sub);
        EXPECT_EQ(dialog_.texts[IDC_STATUS], a.status);
        EXPECT_TRUE(MayDiscardMarks(session_, dialog_)) << "the marks are the kept ones";
        EXPECT_EQ(ReadBytes(dir_.File("day.chk")), chk);
    }
    for (const std::string& other : {std::string(2000, '\0') + std::string("\x06\0\0\0Title\0", 10),
                                     chk.substr(0, 2000) + std::string("\x06\0\0\0Other\0", 10)}) {
        WriteBytes(dir_.File("day.chk"), other);
        dialog_.questions.clear();
        RunCommand(session_, dialog_, IDC_LOAD);
        EXPECT_TRUE(dialog_.questions.empty());
    }
}

}  // namespace
