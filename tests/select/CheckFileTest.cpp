#include <string>
#include <vector>

#include "select/CheckFile.h"
#include "tests/support/ExpectedFiles.h"
#include "tests/support/FaultyFiles.h"
#include "tests/support/ProgramFixture.h"

namespace {

const char THREAD[] =
    "名無し<>sage<>2009/01/01 00:00:00 ID:aaa<>一つ目<>スレタイ\n"
    "名無し<><>2009/01/01 00:00:01 ID:bbb<>二つ目<>\n"
    "名無し<><>2009/01/01 00:00:02 ID:aaa<>三つ目<>\n"
    "名無し<><>2009/01/01 00:00:03 ID:ccc<>四つ目<>\n";

class CheckFileTest : public ProgramTest {
protected:
    std::string ChkPath() const { return dir_.File("page.chk"); }
    // Marks some posts in both lists.
    void MarkBefore() {
        Tick(IDC_MAIN_LIST, {1});
        Tick(IDC_SUB_LIST, {2});
    }
    void ExpectMarksAsBefore() {
        EXPECT_EQ(Ticked(IDC_MAIN_LIST), Posts{1});
        EXPECT_EQ(Ticked(IDC_SUB_LIST), Posts{2});
        for (int i = 0; i < MAX_POSTS; ++i) {
            ASSERT_EQ(postTable[i].mainCheck, i == 0 ? 1 : 0) << i;
            ASSERT_EQ(postTable[i].subCheck, i == 1 ? 1 : 0) << i;
        }
    }
};

TEST_F(CheckFileTest, RoundTripRestoresTheMarksOfBothLists) {
    Load(THREAD);
    Tick(IDC_MAIN_LIST, {1, 3, 1000});
    Tick(IDC_SUB_LIST, {2, 3});
    postTable[6].mainCheck = -1;  // any non-zero mark is written as 1
    SaveCheckFile(postTable, dir_.File("page.html").c_str());
    ASSERT_EQ(ReadBytes(ChkPath()), CheckFileBytes({1, 3, 7, 1000}, {2, 3}, "スレタイ")) << "no emphasis, no block";
    // Emphasis rides behind the identity, a byte per post, and counts as unsaved work.
    std::string block(1000, '\0');
    block[1] = 0x2B, block[999] = 0x7F;  // colour 3, size 1, bold; every bit, a colour of 7 and a size of 3
    for (int i : {1, 999}) postTable[i].emphasis = static_cast<uint8_t>(block[i]);
    EXPECT_FALSE(MayDiscardMarks(session_, dialog_));
    SaveCheckFile(postTable, dir_.File("page.html").c_str());
    ASSERT_EQ(ReadBytes(ChkPath()), CheckFileBytes({1, 3, 7, 1000}, {2, 3}, "スレタイ") + "HVEM" + block);
    postTable[2].emphasis = 9;

    // Other marks meanwhile: the file replaces them all.
    Tick(IDC_MAIN_LIST, {1, 3, 1000}, false);
    Tick(IDC_SUB_LIST, {2, 3}, false);
    Tick(IDC_MAIN_LIST, {2, 4});
    Tick(IDC_SUB_LIST, {999, 501});
    dialog_.texts[IDC_STATUS] = "前の表示";
    dialog_.chosenPath = ChkPath();
    EXPECT_EQ(LoadCheckFile(session_, dialog_), 1);
    EXPECT_EQ(dialog_.texts[IDC_STATUS], "");
    EXPECT_EQ(Ticked(IDC_MAIN_LIST), (Posts{1, 3, 7, 1000}));
    EXPECT_EQ(Ticked(IDC_SUB_LIST), (Posts{2, 3}));
    EXPECT_TRUE(MayDiscardMarks(session_, dialog_)) << "the marks applied are kept: nothing to ask";
    for (int i = 0; i < MAX_POSTS; ++i) {
        ASSERT_EQ(postTable[i].mainCheck, i == 0 || i == 2 || i == 6 || i == 999) << i;
        ASSERT_EQ(postTable[i].subCheck, i == 1 || i == 2) << i;
        ASSERT_EQ(postTable[i].emphasis, i == 1 ? 0x2B : i == 999 ? 0x60 : 0) << i << ": out of range reads as none";
    }
    ASSERT_EQ(dialog_.choosers.size(), 1u);
    EXPECT_EQ(dialog_.choosers[0], DialogPort::Chooser::CheckFile);
}

// Each failing step is logged with its own message; the file that stood
// there before stays whole, and no temporary file is left behind.
TEST_F(CheckFileTest, FailedSaveKeepsTheOldFileAndLogsTheStep) {
    Load(THREAD);
    const std::string open = "チェックレスファイル書き込み Error：fopen()";
    const struct {
        unsigned op;
        int failAt;
        std::string message;
    } cases[] = {
        {FaultyFiles::Open, 1, open},
        {FaultyFiles::Write, 1, "チェックレスファイル書き込み Error：fwrite() 1"},
        {FaultyFiles::Write, 2, "チェックレスファイル書き込み Error：fwrite() 2"},
        {FaultyFiles::Write, 3, "チェックレスファイル書き込み Error：fwrite() 3"},
        {FaultyFiles::Write, 4, "チェックレスファイル書き込み Error：fwrite() 4"},
        {FaultyFiles::Flush, 1, open},
        {FaultyFiles::Close, 1, open},
        {FaultyFiles::Move, 1, open},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message + " at call " + std::to_string(c.failAt));
        WriteBytes(ChkPath(), "old");
        const size_t before = Records().size();
        {
            FaultyFiles faults(c.failAt, FaultyFiles::Fault::Transient, c.op);
            SaveCheckFile(postTable, dir_.File("page.html").c_str());
            EXPECT_TRUE(faults.fired());
        }
        EXPECT_EQ(ReadBytes(ChkPath()), "old");
        EXPECT_FALSE(PathExists(ChkPath() + "~tmp"));
        const std::vector<std::string> records = Records();
        ASSERT_EQ(records.size(), before + 1);
        EXPECT_EQ(records.back(), "ERROR|Harvo.cpp|" + c.message + "|" + Code(FaultyFiles::INJECTED_ERROR));
    }
}

// A name that would not fit is refused, not cut into another file's name.
TEST_F(CheckFileTest, SaveRefusesANameTooLong) {
    Load(THREAD);
    std::string page = dir_.File("");
    page += std::string(259 - page.size() - 2, 'p') + ".h";
    ASSERT_EQ(page.size(), 259u);
    SaveCheckFile(postTable, page.c_str());
    EXPECT_FALSE(PathExists(page.substr(0, page.size() - 2) + ".ch"));
    EXPECT_EQ(Records().back(), "ERROR|Harvo.cpp|チェックレスファイル書き込み Error：fopen()");
}

TEST_F(CheckFileTest, BadFilesAreRefusedAndChangeNothing) {
    const std::string marks(2000, '\0');
    const std::string open = "チェックファイル読み込みエラー：ファイルが開けませんでした";
    const std::string bad = "チェックファイル読み込みエラー：ファイルデータが正しくありません";
    const std::string chk = ChkPath();
    const struct {
        const char* what;
        std::string bytes;  // what the chosen file holds; none for a missing file
        std::string path;   // the chosen path
        std::string status;
        std::string record;
    } cases[] = {
        {"missing", "", dir_.File("missing.chk"), open, "TRACE|ERROR:fopen()|" + dir_.File("missing.chk")},
        {"a folder", "", dir_.path(), open, "TRACE|ERROR:fopen()|" + dir_.path()},
        {"empty", "", chk, bad, "TRACE|ERROR:fread()|" + chk},
        {"main marks short", std::string(999, '\1'), chk, bad, "TRACE|ERROR:fread()|" + chk},
        {"2000 bytes", marks, chk, bad, "TRACE|'ERROR:fread()' ---> 0"},
        {"2003 bytes", marks + std::string("\x05\x01\x00", 3), chk, bad, "TRACE|'ERROR:fread()' ---> 261"},
        {"L = 0", marks + LittleEndian(0) + "x", chk, bad, "TRACE|ERROR:fread()"},
        {"L = 257", marks + LittleEndian(257) + std::string(257, 'x'), chk, bad, "TRACE|ERROR|サイズエラー"},
        {"L = 300", marks + LittleEndian(300) + std::string(300, 'x'), chk, bad, "TRACE|ERROR|サイズエラー"},
        {"L = 0x80000000", marks + LittleEndian(0x80000000u), chk, bad, "TRACE|ERROR|サイズエラー"},
        {"L past the end", marks + LittleEndian(10) + "スレ", chk, bad, "TRACE|ERROR:fread()|スレ"},
        {"another thread", CheckFileBytes({3}, {4}, "別スレ"), chk,
         "チェックファイル読み込みエラー：対象ファイルが違います。", "TRACE|NG:strncmp()|別スレ"},
        {"a title cut short", CheckFileBytes({3}, {4}, "スレ"), chk,
         "チェックファイル読み込みエラー：対象ファイルが違います。", "TRACE|NG:strncmp()|スレ"},
    };
    Load(THREAD);
    MarkBefore();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.path == chk) WriteBytes(chk, c.bytes);
        dialog_.texts[IDC_STATUS] = "前の表示";
        dialog_.chosenPath = c.path;
        EXPECT_EQ(LoadCheckFile(session_, dialog_), 0);
        EXPECT_EQ(dialog_.texts[IDC_STATUS], c.status);
        EXPECT_EQ(Records().back(), c.record);
        ExpectMarksAsBefore();
    }
}

TEST_F(CheckFileTest, ChooserCancelChangesNothingAndFailureIsReported) {
    Load(THREAD);
    MarkBefore();
    const size_t before = Records().size();
    dialog_.texts[IDC_STATUS] = "前の表示";
    EXPECT_EQ(LoadCheckFile(session_, dialog_), 1);
    EXPECT_EQ(dialog_.texts[IDC_STATUS], "");
    EXPECT_EQ(Records().size(), before) << "a plain cancel logs nothing";
    ExpectMarksAsBefore();

    dialog_.chooserError = 0x3002;
    EXPECT_EQ(LoadCheckFile(session_, dialog_), 0);
    EXPECT_EQ(dialog_.texts[IDC_STATUS], "チェックファイル読み込みエラー");
    EXPECT_EQ(Records().back(), "ERROR|Harvo.cpp|ERROR:FileOpenDlg()|" + Code(0x3002));
    ExpectMarksAsBefore();
}

// The identity is compared over at most 255 bytes: a full 256-byte identity
// without its zero is taken, and any non-zero mark byte counts as marked;
// bytes behind it that are no whole emphasis block are ignored.
TEST_F(CheckFileTest, IdentityOfTheLongestLengthAndOddMarkBytes) {
    Load(THREAD);
    const std::string title(255, 't');
    memcpy(postTable[0].title, title.c_str(), 256);
    std::string bytes = CheckFileBytes({2}, {3}, "");
    bytes.resize(2000);
    bytes[4] = 7;
    bytes += LittleEndian(256) + title + "u" + "HVEM" + std::string(999, '\1');  // a block cut short
    WriteBytes(ChkPath(), bytes);
    dialog_.chosenPath = ChkPath();
    postTable[0].emphasis = 1;
    EXPECT_EQ(LoadCheckFile(session_, dialog_), 1);
    EXPECT_EQ(postTable[0].emphasis, 0) << "a file without emphasis clears it";
    EXPECT_EQ(Ticked(IDC_MAIN_LIST), (Posts{2, 5}));
    EXPECT_EQ(Ticked(IDC_SUB_LIST), Posts{3});
    EXPECT_EQ(postTable[4].mainCheck, 1);
}

// With nothing loaded the title is empty and the lists hold no rows: an empty
// identity is taken and its marks reach the post table alone.
TEST_F(CheckFileTest, BeforeAnyLoadOnlyAnEmptyIdentityIsTaken) {
    WriteBytes(ChkPath(), CheckFileBytes({5}, {6}, "スレタイ"));
    dialog_.chosenPath = ChkPath();
    EXPECT_EQ(LoadCheckFile(session_, dialog_), 0);
    EXPECT_EQ(postTable[4].mainCheck, 0);

    WriteBytes(ChkPath(), CheckFileBytes({5}, {6}, ""));
    EXPECT_EQ(LoadCheckFile(session_, dialog_), 1);
    EXPECT_EQ(postTable[4].mainCheck, 1);
    EXPECT_EQ(postTable[5].subCheck, 1);
    EXPECT_TRUE(dialog_.lists[IDC_MAIN_LIST].rows.empty());
}

TEST_F(CheckFileTest, MissingListChangesNothing) {
    Load(THREAD);
    MarkBefore();
    WriteBytes(ChkPath(), CheckFileBytes({3}, {4}, "スレタイ"));
    dialog_.chosenPath = ChkPath();
    dialog_.Remove(IDC_SUB_LIST);
    EXPECT_EQ(LoadCheckFile(session_, dialog_), 0);
    EXPECT_EQ(Records().back(), "ERROR|Harvo.cpp|Error：GetDlgItem()|" + Code(MemoryDialog::CONTROL_ID_NOT_FOUND));
    ExpectMarksAsBefore();
}

}  // namespace
