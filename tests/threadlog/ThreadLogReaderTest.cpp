// Reading a thread log file into the post table.
#include <algorithm>
#include <memory>

#include "tests/support/FaultyFiles.h"
#include "tests/support/TestText.h"
#include "tests/threadlog/ThreadLogFixture.h"

namespace {

using namespace std::string_literals;

const std::string RULE = "DEBUG|-------------------------------------|";

TEST_F(ThreadLogTest, MissingOrEmptyPathReadsNothing) {
    EXPECT_EQ(ReadThreadLog(postTable, nullptr), 0);
    EXPECT_EQ(ReadThreadLog(postTable, ""), 1);
    EXPECT_EQ(Records(), (std::vector<std::string>{"ERROR|ファイル名異常", "ERROR|ファイル名設定なし"}));
}

TEST_F(ThreadLogTest, UnopenableFileLogsTheSystemCode) {
    const std::string missing = dir_.File("missing.dat");
    EXPECT_EQ(ReadThreadLog(postTable, missing.c_str()), 0);
    std::vector<std::string> records = Records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], "TRACE|datファイル|" + missing);
    const std::string failed = "ERROR|fopen()|datファイルオープン失敗|";
    EXPECT_EQ(records[1].rfind(failed + "※ GetLastError=0x", 0), 0u) << records[1];
    EXPECT_NE(records[1].rfind(failed + Code(0), 0), 0u) << "the open's error code is passed on";

    Init("LOGLEVEL=0\r\n");  // errors only: the first file opened is the thread log
    WriteBytes(DatPath(), "n<>m<>d<>b<>\n");
    {
        FaultyFiles faulty(1, FaultyFiles::Fault::Transient, FaultyFiles::Open);
        EXPECT_EQ(ReadThreadLog(postTable, DatPath().c_str()), 0);
    }
    EXPECT_TRUE(IsZero(postTable[0]));
    records = Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].rfind(failed + Code(FaultyFiles::INJECTED_ERROR), 0), 0u) << records[0];
}

// A read that breaks off part-way leaves no thread cut short behind it.
TEST_F(ThreadLogTest, ReadBrokenOffPartWayClearsTheTable) {
    Init("LOGLEVEL=0\r\n");
    std::string bytes;
    while (bytes.size() < 200 * 1024) bytes += "n<>m<>d ID:x<>" + std::string(500, 'b') + "<>t\n";
    WriteBytes(DatPath(), bytes);
    {
        FaultyFiles faulty(2, FaultyFiles::Fault::Transient, FaultyFiles::Read);
        EXPECT_EQ(ReadThreadLog(postTable, DatPath().c_str()), READ_LOG_BROKEN);
        EXPECT_TRUE(faulty.fired());
    }
    EXPECT_TRUE(std::all_of(postTable.records, postTable.records + POST_TABLE_CAPACITY, IsZero));
    const std::vector<std::string> records = Records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], "ERROR|fread()|datファイル読み込み失敗|" + Code(FaultyFiles::INJECTED_ERROR));

    EXPECT_EQ(ReadThreadLog(postTable, DatPath().c_str()), 1) << "the same file reads whole once the fault is gone";
    EXPECT_STREQ(postTable[300].name, "n");
}

TEST_F(ThreadLogTest, FilesWithoutALineFeedLeaveEveryRecordEmpty) {
    for (const std::string bytes : {"", "n<>m<>d<>b<>t", "\r"}) {
        EXPECT_EQ(Load(bytes), 1);
        EXPECT_TRUE(std::all_of(postTable.records, postTable.records + POST_TABLE_CAPACITY, IsZero)) << bytes;
    }
}

TEST_F(ThreadLogTest, ThreeLinesFillThreeRecords) {
    EXPECT_EQ(Load("a<>1<>d1<>b1<>T\r\nb<>2<>d2<>b2<>\r\nc\0c<>3<>d3<>b3<>\r\ntail"s), 1);
    const char* names[] = {"a", "b", "cc"};  // a NUL byte appends nothing
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(postTable[i].number, i);
        EXPECT_STREQ(postTable[i].name, names[i]);
        EXPECT_EQ(postTable[i].dateId, "d" + std::to_string(i + 1));
        EXPECT_EQ(postTable[i].body, "b" + std::to_string(i + 1));
    }
    EXPECT_STREQ(postTable[0].title, "T\r");  // a carriage return is a byte of the line
    EXPECT_STREQ(postTable[1].title, "");
    EXPECT_STREQ(postTable[1].line, "b<>2<>d2<>b2<>\r");
    EXPECT_TRUE(std::all_of(postTable.records + 3, postTable.records + POST_TABLE_CAPACITY, IsZero));
    const std::vector<std::string> records = Records();
    EXPECT_EQ(records[0], "TRACE|datファイル|" + DatPath());
    EXPECT_EQ(records[1], RULE + "【データNo=   1】");
    EXPECT_EQ(std::count(records.begin(), records.end(), RULE + "【データNo=   3】"), 1);
}

// A line counts its bytes without NULs and without the line feed.
TEST_F(ThreadLogTest, LinesOf10239BytesOrMoreBecomeEmptyRecords) {
    struct Case {
        size_t length;   // bytes of the line, NULs not counted
        size_t nulEvery; // a NUL byte after every so many bytes; 0 for none
        bool kept;
    };
    const Case cases[] = {{10238, 0, true}, {10238, 1000, true}, {10239, 0, false},
                          {10240, 0, false}, {30000, 0, false}, {10239, 10239, false}};
    for (const Case& c : cases) {
        ClearPostTable(postTable);
        Init("LOGLEVEL=2\r\nMAXSIZE=10240\r\n");
        const std::string line = "n<>m<>d<>" + std::string(c.length - 17, 'b') + "<>TAIL<>";
        std::string bytes;
        for (size_t i = 0; i < line.size(); ++i) {
            bytes += line[i];
            if (c.nulEvery && (i + 1) % c.nulEvery == 0) bytes += '\0';
        }
        EXPECT_EQ(Load("x<>y<>z<>w<>\n" + bytes + "\nx<>y<>z<>w<>\n"), 1);
        const PostRecord& r = postTable[1];
        if (c.kept) {
            EXPECT_EQ(r.line, line.substr(0, 8191)) << c.length;
            EXPECT_EQ(r.body, std::string(4095, 'b'));
            EXPECT_STREQ(r.title, "TAIL") << "split from the whole line";
        } else {
            auto emptyLine = std::make_unique<PostRecord>();
            emptyLine->number = 1;
            EXPECT_EQ(memcmp(&r, emptyLine.get(), sizeof r), 0) << c.length;
        }
        EXPECT_STREQ(postTable[2].name, "x") << "reading goes on behind the long line";
        const std::vector<std::string> records = Records();
        EXPECT_EQ(std::count(records.begin(), records.end(), "ERROR|サイズオーバー|データNo=2"), c.kept ? 0 : 1);
    }
}

// The reader takes the file in chunks; it must behave as if it took one byte at a time.
std::vector<std::string> LinesByteByByte(const std::string& file) {
    std::vector<std::string> lines;
    std::string line;
    bool skipping = false;
    for (char c : file) {
        if (line.size() == 10239) {
            line.clear();
            skipping = true;
        }
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
            skipping = false;
            if (lines.size() == 1002) break;
        } else if (!skipping && c != '\0') {
            line += c;
        }
    }
    return lines;
}

TEST_F(ThreadLogTest, ChunkBoundariesChangeNothing) {
    Init("MAXSIZE=10240\r\n");  // without the debug records
    const size_t chunk = 64 * 1024, nearChunk = chunk - 10240;
    std::vector<std::string> files = {
        std::string(nearChunk, 'a') + "\n" + std::string(10239, 'b') + "\nc<>d<>e<>f<>\n",
        std::string(nearChunk, 'a') + "\n" + std::string(10238, 'b') + '\0' + "\nc<>d<>e<>f<>\n",
        std::string(nearChunk - 1, 'a') + "\n" + std::string(10239, 'b') + "\nc<>d<>e<>f<>\n",
        std::string(nearChunk, 'a') + "\n" + std::string(10240, 'b') + "\nc<>d<>e<>f<>\n",
        std::string(40000, 'a') + "\n" + std::string(30000, 'b') + "\nc<>d<>e<>f<>\n",  // dropped across chunks
    };
    std::string mixed;
    unsigned seed = 12345;
    const size_t lengths[] = {0, 5, 8191, 10236, 10237, 10238, 10239, 10240, 20000};
    for (int i = 0; i < 60; ++i) {
        seed = seed * 1103515245 + 12345;
        std::string line(lengths[(seed >> 8) % 9], 'x');
        for (size_t at = (seed >> 4) % 97; at < line.size(); at += 1 + (seed >> 12) % 4000) line[at] = '\0';
        mixed += line + "<>" + std::to_string(i) + "<>d<>" + std::to_string(i * 7) + "<>\n";
    }
    // The longest first: each later load finds what the one before and the
    // commands left (derived fields, marks and groups of every row).
    files.insert(files.begin(), mixed + "unterminated");
    auto expected = std::make_unique<PostRecord>();
    for (const std::string& file : files) {
        SplitNamesAndDateIds(postTable);
        for (int i = 0; i < MAX_POSTS; ++i) postTable[i].mainCheck = postTable[i].subCheck = postTable[i].idGroup = 1;
        ASSERT_EQ(Load(file), 1);
        const std::vector<std::string> lines = LinesByteByByte(file);
        for (int i = 0; i < POST_TABLE_CAPACITY; ++i) {
            memset(expected.get(), 0, sizeof *expected);
            if (i < static_cast<int>(lines.size())) SplitPostLine(i, lines[i].c_str(), expected.get());
            ASSERT_EQ(memcmp(&postTable[i], expected.get(), sizeof *expected), 0) << "record " << i;
        }
    }
}

TEST_F(ThreadLogTest, ReadingStopsAfter1002Lines) {
    for (int lines : {1001, 1002, 1003}) {
        ClearPostTable(postTable);
        Init("LOGLEVEL=2\r\nMAXSIZE=10240\r\n");
        std::string file;
        for (int i = 0; i < lines; ++i) file += "n<>m<>d<>b" + std::to_string(i) + "<>\n";
        EXPECT_EQ(Load(file), 1);
        const int stored = std::min(lines, MAX_READ_LINES);
        EXPECT_EQ(postTable[stored - 1].body, "b" + std::to_string(stored - 1)) << lines;
        EXPECT_TRUE(IsZero(postTable[stored])) << lines;
        const std::vector<std::string> records = Records();
        EXPECT_EQ(std::count(records.begin(), records.end(), "DEBUG|データＭＡＸ"), lines >= 1002 ? 1 : 0);
        EXPECT_EQ(records.back() == "DEBUG|データＭＡＸ", lines >= 1002);
    }
}

// Real thread logs, each checked against fields cut from its bytes here (Cut).

// The text behind the first mark, empty when there is no mark.
std::string Behind(const std::string& text, const std::string& mark) {
    const size_t at = text.find(mark);
    return at == std::string::npos ? "" : text.substr(at + mark.size());
}

TEST_F(ThreadLogTest, RealThreadLogs) {
    REQUIRE_REAL_THREAD_LOGS();
    const std::string folder = RealThreadLogFolder();
    Init("MAXSIZE=10240\r\n");
    for (const char* name : {"js2ch_1379534723.dat", "twoB_1193443676.dat", "twoB_1264432017.dat",
                             "twoB_2ch_with_id.dat", "twoB_2ch_with_id_and_be.dat", "twoB_with-trip.dat"}) {
        SCOPED_TRACE(name);
        const std::string path = folder + name, bytes = ReadBytes(path);
        ClearPostTable(postTable);
        ASSERT_EQ(ReadThreadLog(postTable, path.c_str()), 1);
        SplitNamesAndDateIds(postTable);
        size_t count = 0;
        for (size_t start = 0, end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1, ++count) {
            const std::string line = bytes.substr(start, end - start);
            std::vector<std::string> fields;
            for (size_t from = 0, to; fields.size() < 4 && (to = line.find("<>", from)) != std::string::npos;
                 from = to + 2)
                fields.push_back(line.substr(from, to - from));
            ASSERT_EQ(fields.size(), 4u) << "line " << count;
            const PostRecord& r = postTable[count];
            EXPECT_EQ(r.name, Cut(fields[0], 256));
            EXPECT_EQ(r.dateId, Cut(fields[2], 256));
            EXPECT_EQ(r.body, Cut(fields[3], 4096));
            std::string id = Behind(fields[2], "ID:");
            if (id.find(" BE:") != std::string::npos) id.erase(id.find(" BE:"));
            EXPECT_EQ(r.id, id);
            const std::string afterClose = Behind(fields[0], "</b>");
            const size_t open = afterClose.find(" <b>") != std::string::npos ? afterClose.find(" <b>")
                                                                               : afterClose.find("<b>");
            EXPECT_EQ(r.trip, open == std::string::npos ? "" : afterClose.substr(0, open));
            if (count == 0) {
                EXPECT_EQ(r.title, Cut(line.substr(line.rfind("<>") + 2), 256));
            }
        }
        EXPECT_EQ(postTable[count - 1].number, static_cast<int>(count - 1));
        EXPECT_TRUE(IsZero(postTable[count]));
    }
    // A few posts read off the files by eye.
    EXPECT_STREQ(postTable[2].kote, " ");
    EXPECT_STREQ(postTable[2].trip, "◆Zsh/ladOX.");
    EXPECT_STREQ(postTable[0].title, "KDEスレ Part 8");
}

}  // namespace
