// Inputs at and past the limits of size, from the load through the lists to
// the files a conversion writes: threads longer than the working range, lines
// far too long, fields one byte over their widths, and the longest paths in
// folders whose names hold dots and Shift_JIS bytes that end in 0x5C.
#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "html/ConvertCommand.h"
#include "tests/html/HtmlFixture.h"
#include "tests/support/ExpectedFiles.h"
#include "tests/support/ProgramFixture.h"
#include "tests/threadlog/ThreadLogFixture.h"

namespace {

static_assert("ソ"[1] == '\x5C' && "表"[1] == '\x5C', "compile with -fexec-charset=CP932");

// Writes head, then count bytes of fill, then tail, a megabyte at a time.
void WriteLong(const std::string& path, const std::string& head, size_t count, char fill, const std::string& tail) {
    const plat::FileOps& files = plat::systemFileOps;
    plat::File* f = files.open(path.c_str(), plat::FileMode::Write);
    ASSERT_NE(f, nullptr) << path;
    const std::string block(1 << 20, fill);
    bool ok = files.write(f, head.data(), head.size());
    for (size_t left = count; left > 0 && ok; left -= std::min(left, block.size()))
        ok = files.write(f, block.data(), std::min(left, block.size()));
    ok = ok && files.write(f, tail.data(), tail.size());
    ok = files.close(f) && ok;
    ASSERT_TRUE(ok) << path;
}

std::string Post(int i) {
    return "n" + std::to_string(i) + "<><>2009/01/01 ID:i" + std::to_string(i) + "<>b" + std::to_string(i) + "<>";
}

class SizeLimitTest : public ProgramTest {
protected:
    std::string Status() { return dialog_.texts[IDC_STATUS]; }
    const MemoryDialog::Row& MainRow(int i) { return dialog_.lists[IDC_MAIN_LIST].rows.at(i); }
    const MemoryDialog::Row& SubRow(int i) { return dialog_.lists[IDC_SUB_LIST].rows.at(i); }
    int Convert(const std::string& box) {
        dialog_.texts[IDC_OUTPUT_PATH] = box;
        dialog_.answers = {true};  // replace the page of the case before
        return ConvertToHtml(session_, dialog_);
    }
};

// Records 1000 and 1001 are read but never shown or written, and the user is
// told; nothing past them is read.
TEST_F(SizeLimitTest, ThreadsLongerThanTheWorkingRange) {
    WriteProgramIni("[EXCHANGE]\r\nREDAT=1\r\n");
    for (int count : {1000, 1001, 1002, 1100}) {
        SCOPED_TRACE(std::to_string(count) + " lines");
        ClearPostTable(postTable);
        KeepMarks(session_);  // the marks of the case before are gone with the table
        std::vector<std::string> lines;
        std::string bytes;
        for (int i = 0; i < count; ++i) {
            lines.push_back(Post(i) + (i == 0 ? "スレタイ" : ""));
            bytes += lines.back() + "\n";
        }
        Load(bytes);
        EXPECT_EQ(loadStatus_, count > MAX_POSTS ? "ファイル読み込み完了（1001件目以降は読み込んでいません）"
                                                 : "ファイル読み込み完了");
        for (int i : {999, 1000, 1001, 1002, 1099})
            EXPECT_EQ(postTable[i].body, i < std::min(count, MAX_READ_LINES) ? "b" + std::to_string(i) : "") << i;
        for (int list : {IDC_MAIN_LIST, IDC_SUB_LIST}) ASSERT_EQ(dialog_.lists[list].rows.size(), 1000u);
        EXPECT_EQ(MainRow(999).cells, (std::vector<std::string>{"1000", "n999", "", "i999", "2009/01/01 "}));
        EXPECT_EQ(SubRow(999).cells[4], "b999");

        TickAll(IDC_MAIN_LIST);
        TickAll(IDC_SUB_LIST);
        ASSERT_EQ(Convert(dir_.File("page.html")), 1);
        const std::string page = ReadBytes(dir_.File("page.html"));
        EXPECT_NE(page.find(R"(<a name="1000">)"), std::string::npos);
        EXPECT_EQ(page.find(R"(<a name="1001">)"), std::string::npos);
        EXPECT_EQ(page.find("b1000"), std::string::npos);
        std::vector<int> all(1000);
        for (int n = 1; n <= 1000; ++n) all[n - 1] = n;
        EXPECT_EQ(ReadBytes(dir_.File("page.chk")), CheckFileBytes(all, all, "スレタイ"));
        EXPECT_EQ(ReadBytes(dir_.File("page_RE.dat")), ReducedLogBytes(lines, std::set<int>(all.begin(), all.end())));
    }
}

// A line that reaches 10239 bytes becomes an empty record however long it
// is, and bytes behind the last line feed are dropped. (The time and memory
// such a load takes: bench/LoadMemory.cpp.)
TEST_F(SizeLimitTest, LinesOfAMegabyteAndAHundredMegabytesWithoutALineFeed) {
    const struct {
        const char* what;
        std::string head;
        size_t fill;
        std::string tail;
        int overLine;  // the line reported too long
    } cases[] = {
        {"1 MB between two posts", Post(0) + "T\n", 1 << 20, "\n" + Post(2) + "\n", 2},
        {"100 MB, no line feed", "", 100 << 20, "", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ClearPostTable(postTable);
        std::filesystem::remove(LogPath());
        const std::string path = dir_.File("long.dat");
        WriteLong(path, c.head, c.fill, 'x', c.tail);
        dialog_.texts[IDC_LOG_PATH] = path;
        ASSERT_TRUE(LoadThreadLog(session_, dialog_));
        std::filesystem::remove(path);
        EXPECT_EQ(Status(), c.overLine == 2 ? "ファイル読み込み完了"
                                            : "ファイル読み込み完了（レスが見つかりません。スレッドログではないようです）");
        EXPECT_EQ(Records(), (std::vector<std::string>{"TRACE|datファイル|" + path,
                                                       "ERROR|サイズオーバー|データNo=" + std::to_string(c.overLine)}));
        // Only the posts around the long line are there; its record is empty but for its number.
        auto record = std::make_unique<PostRecord>();
        for (int i = 0; i < POST_TABLE_CAPACITY; ++i) {
            const bool post = c.overLine == 2 && (i == 0 || i == 2);
            EXPECT_EQ(postTable[i].body, post ? "b" + std::to_string(i) : "") << i;
            if (post) continue;
            *record = postTable[i];
            EXPECT_EQ(record->number, c.overLine == 2 && i == 1 ? 1 : 0) << i;
            record->number = 0;
            ASSERT_TRUE(IsZero(*record)) << "record " << i;
        }
    }
}

// Each text field at its widest and one byte over: the byte over is cut, in
// the record, the lists' cells and the page alike; the thread log's lines go
// whole into the reduced thread log.
TEST_F(SizeLimitTest, FieldsOneByteOverTheirWidths) {
    WriteProgramIni("[EXCHANGE]\r\nREDAT=1\r\n");
    for (int over : {0, 1}) {
        SCOPED_TRACE(over ? "one byte over" : "at the width");
        // Each field: width - 1 bytes of its letter, then a '~' when over.
        auto field = [&](size_t width, char letter) { return std::string(width - 1, letter) + std::string(over, '~'); };
        const std::string idPrefix = "2009/01/01 ID:";
        const std::vector<std::string> lines = {
            "t<><>2009/01/01 ID:t<>b<>" + field(256, 't'),
            field(256, 'n') + "<><>2009/01/01 ID:n<>b<>",
            "m<>" + field(256, 'm') + "<>2009/01/01 ID:m<>b<>",
            "d<><>" + idPrefix + field(256 - idPrefix.size(), 'd') + "<>b<>",
            "b<><>2009/01/01 ID:b<>" + field(4096, 'b') + "<>",
        };
        std::string bytes;
        for (const std::string& line : lines) bytes += line + "\n";
        ClearPostTable(postTable);
        Load(bytes);
        EXPECT_EQ(postTable[0].title, std::string(255, 't'));
        EXPECT_EQ(postTable[1].name, std::string(255, 'n'));
        EXPECT_EQ(postTable[2].mail, std::string(255, 'm'));
        EXPECT_EQ(postTable[3].dateId, idPrefix + std::string(255 - idPrefix.size(), 'd'));
        EXPECT_EQ(postTable[3].id, std::string(255 - idPrefix.size(), 'd'));
        EXPECT_EQ(postTable[4].body, std::string(4095, 'b'));
        for (int i = 0; i < 5; ++i) EXPECT_EQ(postTable[i].line, lines[i]) << "a line holds them whole";

        EXPECT_EQ(MainRow(1).cells[1], std::string(255, 'n'));
        EXPECT_EQ(SubRow(2).cells[2], std::string(255, 'm'));
        EXPECT_EQ(MainRow(3).cells[3], std::string(255 - idPrefix.size(), 'd'));
        EXPECT_EQ(SubRow(4).cells[4], std::string(1023, 'b')) << "a cell holds 1023 bytes";

        TickAll(IDC_MAIN_LIST);
        ASSERT_EQ(Convert(dir_.File("page.html")), 1);
        const std::string page = ReadBytes(dir_.File("page.html"));
        EXPECT_NE(page.find("<title>" + std::string(255, 't') + "</title>"), std::string::npos);
        EXPECT_NE(page.find("<b>" + std::string(255, 'n') + "</b>"), std::string::npos);
        EXPECT_NE(page.find(R"(<a href="mailto:)" + std::string(255, 'm') + R"(">)"), std::string::npos);
        EXPECT_NE(page.find(" " + idPrefix + std::string(255 - idPrefix.size(), 'd') + "</dt>"), std::string::npos);
        EXPECT_NE(page.find(std::string(4095, 'b') + "\r\n"), std::string::npos);
        EXPECT_EQ(page.find('~'), std::string::npos) << "a byte over the width";
        EXPECT_EQ(ReadBytes(dir_.File("page.chk")).substr(2004), std::string(255, 't') + '\0');
        std::vector<int> all(1000);
        for (int n = 1; n <= 1000; ++n) all[n - 1] = n;
        EXPECT_EQ(ReadBytes(dir_.File("page_RE.dat")), ReducedLogBytes(lines, std::set<int>(all.begin(), all.end())));
    }
}

// In a folder named with dots and with Shift_JIS characters whose second
// byte is 0x5C, the derived names replace the extension of the file name only
// (its last dot, not one in the folder, nor one behind which a 0x5C byte
// stands); a page name of 259 bytes is written, one of 260 refused, never cut.
TEST_F(SizeLimitTest, DottedJapaneseFoldersAndTheLongestPaths) {
    WriteProgramIni("[EXCHANGE]\r\nREDAT=1\r\n");
    const std::string folder = dir_.File("v1.2 ソ表.d");
    MakeDir(folder);
    const std::string start = folder + dir_.File("").substr(dir_.path().size());  // with its separator
    const struct {
        std::string log;
        std::string stem;   // of the derived names
        std::string wrong;  // a page that a splitter blind to Shift_JIS or to folders would write
        int result;
        bool redat;  // "_RE.dat" is two bytes longer than ".html"
    } cases[] = {
        {"スレ", "スレ", folder + ".html", 1, true},
        {"ス.レソ", "ス", start + "ス.レソ.html", 1, true},
        // Padded so that the page's path has 257, 258, 259 and 260 bytes.
        {"ス.レ" + std::string(257 - 5 - start.size() - 5, 'p') + ".dat", "", "", 1, true},
        {"ス.レ" + std::string(258 - 5 - start.size() - 5, 'p') + ".dat", "", "", 1, false},
        {"ス.レ" + std::string(259 - 5 - start.size() - 5, 'p') + ".dat", "", "", 1, false},
        {"ス.レ" + std::string(260 - 5 - start.size() - 5, 'p') + ".dat", "", "", 0, false},
    };
    for (const auto& c : cases) {
        const std::string log = start + c.log;
        const std::string stem = c.stem.empty() ? log.substr(0, log.size() - 4) : start + c.stem;
        SCOPED_TRACE(std::to_string(stem.size() + 5) + "-byte page " + c.log);
        ClearPostTable(postTable);
        WriteBytes(log, Post(0) + "スレタイ\n" + Post(1) + "\n");
        dialog_.texts[IDC_LOG_PATH] = log;
        ASSERT_TRUE(LoadThreadLog(session_, dialog_));
        EXPECT_EQ(std::string(session_.loadedLogPath), log);
        Tick(IDC_MAIN_LIST, {2});

        EXPECT_EQ(Convert(""), c.result);
        EXPECT_EQ(Status(), c.result ? "変換完了" : "HTMLファイルへの変換に失敗しました");
        EXPECT_EQ(PathExists(stem + ".html"), c.result == 1);
        EXPECT_EQ(PathExists(stem + ".chk"), c.result == 1);
        EXPECT_EQ(PathExists(stem + "_RE.dat"), c.redat);
        if (c.result && !c.redat) {
            EXPECT_EQ(Records().back(), "ERROR|Harvo.cpp|datファイル再書き込み Error：fopen()");
        }
        EXPECT_TRUE(c.wrong.empty() || !PathExists(c.wrong)) << c.wrong;
        // Cut to fit, each name would be another file's.
        for (const std::string& cut : {stem + ".htm", stem + "_RE.da", stem + "_RE.d"}) EXPECT_FALSE(PathExists(cut));
    }
}

}  // namespace
