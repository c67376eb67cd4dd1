#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "posts/Cp932.h"

#include "resources/resource.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/FaultyFiles.h"
#include "threadlog/LoadCommand.h"
#include "posts/PostTable.h"
#include "ui/TargetLists.h"

namespace {

class LoadCommandTest : public ProgramTest {
protected:
    std::string WriteLog(const std::string& name, const std::string& bytes) {
        const std::string path = dir_.File(name);
        WriteBytes(path, bytes);
        return path;
    }
};

const char THREAD[] =
    "名無し</b>◆abc <b><>sage<>2009/01/01 00:00:00 ID:aaa<>一つ目<>スレタイ\n"
    "名無し<><>2009/01/01 00:00:01 ID:bbb<>二つ目<>\n";

TEST_F(LoadCommandTest, LoadsTheNamedThreadLog) {
    const std::string path = WriteLog("a.dat", THREAD);
    dialog_.texts[IDC_LOG_PATH] = path;
    dialog_.texts[IDC_OUTPUT_PATH] = "old.html";
    dialog_.texts[IDC_STATUS] = "old status";

    EXPECT_EQ(LoadThreadLog(session_, dialog_), 1);
    EXPECT_EQ(dialog_.texts[IDC_STATUS], "ファイル読み込み完了");
    EXPECT_EQ(dialog_.texts[IDC_OUTPUT_PATH], "");
    EXPECT_EQ(std::string(session_.loadedLogPath), path);
    EXPECT_STREQ(postTable[0].title, "スレタイ");
    EXPECT_STREQ(postTable[0].trip, "◆abc");
    EXPECT_STREQ(postTable[1].id, "bbb");
    ASSERT_EQ(dialog_.lists[IDC_MAIN_LIST].rows.size(), 1000u);
    EXPECT_EQ(dialog_.lists[IDC_MAIN_LIST].rows[0].cells[2], "◆abc");
    EXPECT_EQ(dialog_.lists[IDC_SUB_LIST].rows[1].cells[4], "二つ目");
    EXPECT_NE(Log().find(INDENT + "datファイル\r\n" + INDENT + path + "\r\n"), std::string::npos);
}

TEST_F(LoadCommandTest, NoPathNamedChangesNothing) {
    postTable[0].mainCheck = 1;
    strcpy(session_.loadedLogPath, "earlier.dat");
    EXPECT_FALSE(LoadThreadLog(session_, dialog_));
    EXPECT_EQ(dialog_.texts[IDC_STATUS], "読み込み対象ファイルの設定がありません");
    EXPECT_EQ(postTable[0].mainCheck, 1);
    EXPECT_STREQ(session_.loadedLogPath, "earlier.dat");
    EXPECT_TRUE(dialog_.lists.empty());
}

// A second load replaces everything of the first, marks included.
TEST_F(LoadCommandTest, SecondLoadClearsTheFirst) {
    dialog_.texts[IDC_LOG_PATH] = WriteLog("a.dat", THREAD);
    LoadThreadLog(session_, dialog_);
    Tick(IDC_MAIN_LIST, {1});
    postTable[1].mainCheck = 1;
    postTable[1050].idGroup = 3;

    dialog_.answers = {true};  // throw the changed marks away
    dialog_.texts[IDC_LOG_PATH] = WriteLog("b.dat", "x<>y<>z<>w<>t2\n");
    EXPECT_EQ(LoadThreadLog(session_, dialog_), 1);
    EXPECT_FALSE(dialog_.ShowsTicked(IDC_MAIN_LIST, 0));
    EXPECT_EQ(postTable[1].mainCheck, 0);
    EXPECT_EQ(postTable[1].name[0], '\0');
    EXPECT_EQ(postTable[1050].idGroup, 0) << "all 1100 records are cleared";
    EXPECT_STREQ(postTable[0].title, "t2");
}

// A file that cannot be opened leaves the posts, the lists and their marks,
// and the loaded path as they were, so a later conversion still matches them.
TEST_F(LoadCommandTest, UnopenableFileKeepsWhatWasLoaded) {
    const std::string first = WriteLog("a.dat", THREAD);
    dialog_.texts[IDC_LOG_PATH] = first;
    LoadThreadLog(session_, dialog_);
    Tick(IDC_SUB_LIST, {2});
    dialog_.answers = {true, true};  // throw the changed marks away

    for (const std::string& bad : {dir_.File("missing.dat"), dir_.path()}) {
        SCOPED_TRACE(bad);
        dialog_.texts[IDC_LOG_PATH] = bad;
        dialog_.texts[IDC_OUTPUT_PATH] = "out.html";
        EXPECT_EQ(LoadThreadLog(session_, dialog_), 0);
        EXPECT_EQ(dialog_.texts[IDC_STATUS], "ファイルを開けませんでした");
        EXPECT_EQ(dialog_.texts[IDC_OUTPUT_PATH], "");
        EXPECT_STREQ(session_.loadedLogPath, first.c_str());
        EXPECT_STREQ(postTable[0].title, "スレタイ");
        EXPECT_TRUE(dialog_.ShowsTicked(IDC_SUB_LIST, 1));
        EXPECT_EQ(dialog_.lists[IDC_SUB_LIST].rows[0].cells[4], "一つ目");
    }
    EXPECT_NE(Log().find(INDENT + "fopen()\r\n" + INDENT + "datファイルオープン失敗\r\n"), std::string::npos);
}

// A file that breaks off while it is read: the lists show the cleared
// table, the user is told, and nothing is left to convert.
TEST_F(LoadCommandTest, ReadBrokenOffPartWayLoadsNothing) {
    dialog_.texts[IDC_LOG_PATH] = WriteLog("a.dat", THREAD);
    LoadThreadLog(session_, dialog_);
    Tick(IDC_MAIN_LIST, {1});
    dialog_.answers = {true};  // throw the changed marks away

    std::string big = THREAD;
    while (big.size() < 100 * 1024) big += "名無し<><>2009/01/01 ID:ccc<>" + std::string(2000, 'b') + "<>\n";
    dialog_.texts[IDC_LOG_PATH] = WriteLog("big.dat", big);
    {
        FaultyFiles faulty(2, FaultyFiles::Fault::Transient, FaultyFiles::Read);
        EXPECT_EQ(LoadThreadLog(session_, dialog_), 0);
        EXPECT_TRUE(faulty.fired());
    }
    EXPECT_EQ(dialog_.texts[IDC_STATUS], "ファイルを開けませんでした");
    EXPECT_STREQ(session_.loadedLogPath, "");
    EXPECT_EQ(postTable[0].title[0], '\0');
    ASSERT_EQ(dialog_.lists[IDC_MAIN_LIST].rows.size(), 1000u);
    EXPECT_EQ(dialog_.lists[IDC_MAIN_LIST].rows[0].cells[1], "");
    EXPECT_EQ(dialog_.lists[IDC_SUB_LIST].rows[1].cells[4], "");
    EXPECT_FALSE(dialog_.ShowsTicked(IDC_MAIN_LIST, 0));
}

// A path may hold 259 bytes; a longer text in the box is refused, not cut
// into the name of another file.
TEST_F(LoadCommandTest, PathsUpToTheLongestLoadAndLongerAreRefused) {
    std::string path = dir_.File("");
    path += std::string(259 - path.size() - 4, 'p') + ".dat";
    ASSERT_EQ(path.size(), 259u);
    WriteBytes(path, THREAD);
    dialog_.texts[IDC_LOG_PATH] = path;
    EXPECT_EQ(LoadThreadLog(session_, dialog_), 1);
    EXPECT_EQ(std::string(session_.loadedLogPath), path);

    dialog_.texts[IDC_LOG_PATH] = path + "x";
    EXPECT_EQ(LoadThreadLog(session_, dialog_), 0);
    EXPECT_EQ(dialog_.texts[IDC_STATUS], "ファイルを開けませんでした");
    EXPECT_EQ(std::string(session_.loadedLogPath), path);
    EXPECT_NE(Log().find(INDENT + "ファイル名異常\r\n" + INDENT + path + "x\r\n"), std::string::npos);
}

// A thread log in UTF-8 loads as its Shift_JIS original does, record for
// record; no Shift_JIS log is taken for UTF-8.
TEST_F(LoadCommandTest, Utf8LogsLoadAsTheirShiftJisOriginals) {
    REQUIRE_REAL_THREAD_LOGS();
    std::vector<std::string> logs = {HARVO_SOURCE_DIR "/samples/sample.dat"};
    for (const char* name : {"js2ch_1379534723.dat", "twoB_1193443676.dat", "twoB_1264432017.dat",
                             "twoB_2ch_with_id.dat", "twoB_2ch_with_id_and_be.dat", "twoB_with-trip.dat"})
        logs.push_back(RealThreadLogFolder() + name);
    auto original = std::make_unique<PostTable>();
    for (const std::string& log : logs) {
        SCOPED_TRACE(log);
        const std::string shiftJis = ReadBytes(log);
        Load(shiftJis, "original.dat");
        EXPECT_EQ(loadStatus_.rfind("ファイル読み込み完了", 0), 0u);
        EXPECT_EQ(loadStatus_.find("UTF-8"), std::string::npos);
        memcpy(original.get(), &postTable, sizeof postTable);
        std::string utf8;
        AppendCp932AsUtf8(shiftJis.data(), shiftJis.size(), true, utf8);
        Load(utf8, "utf8.dat");
        EXPECT_EQ(loadStatus_, "ファイル読み込み完了（UTF-8から変換しました）");
        for (int i = 0; i < POST_TABLE_CAPACITY; ++i)
            ASSERT_EQ(memcmp(&original->records[i], &postTable[i], sizeof postTable[i]), 0) << "record " << i;
    }
    Load("\xEF\xBB\xBF" "a<>m<>d<>b<>t\n");
    EXPECT_EQ(loadStatus_, "ファイル読み込み完了（UTF-8から変換しました）");
    EXPECT_STREQ(postTable[0].name, "a") << "the byte order mark is dropped";
}

}  // namespace
