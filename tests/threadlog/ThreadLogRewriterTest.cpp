#include <string>
#include <vector>

#include "tests/support/ExpectedFiles.h"
#include "tests/support/FaultyFiles.h"
#include "tests/support/ProgramFixture.h"
#include "threadlog/ThreadLogRewriter.h"

namespace {

// Ten posts; the fifth line ends in CR LF.
std::vector<std::string> TenLines() {
    std::vector<std::string> lines = {"名無し<>sage<>2009/01/01 ID:a0<>本文0<>スレタイ"};
    for (int i = 1; i < 10; ++i)
        lines.push_back("名無し" + std::to_string(i) + "<><>2009/01/01 ID:a" + std::to_string(i) + "<>本文" +
                        std::to_string(i) + "<>");
    lines[4] += "\r";
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\n";
    return bytes;
}

class RewriterTest : public ProgramTest {
protected:
    std::string Rewritten() const { return dir_.File("page_RE.dat"); }
    void Rewrite() { RewriteThreadLog(postTable, dir_.File("page.html").c_str()); }
};

// Posts 2, 5 and 7 marked in either list keep their lines and numbers; the
// first line is always kept; a marked row past the last post is an empty line.
TEST_F(RewriterTest, KeepsMarkedPostsOnTheirLines) {
    const std::vector<std::string> lines = TenLines();
    Load(Join(lines));
    Tick(IDC_MAIN_LIST, {2, 7, 12});
    Tick(IDC_SUB_LIST, {5, 7});
    Rewrite();
    const std::string bytes = ReadBytes(Rewritten());
    EXPECT_EQ(bytes, ReducedLogBytes(lines, {2, 5, 7, 12}));
    EXPECT_NE(bytes.find("本文4<>\r\n"), std::string::npos) << "a kept line keeps its CR";
}

TEST_F(RewriterTest, WithNothingMarkedKeepsTheTitleLineAndReplacesAnOldFile) {
    const std::vector<std::string> lines = TenLines();
    Load(Join(lines));
    WriteBytes(Rewritten(), "old");
    Rewrite();
    EXPECT_EQ(ReadBytes(Rewritten()), ReducedLogBytes(lines, {}));
}

// A line longer than the record keeps its first 8191 bytes; one too long for
// the reader was stored empty and stays so.
TEST_F(RewriterTest, LongLinesAsTheReaderKeptThem) {
    const std::string longLine = "n<><>d ID:x<>" + std::string(9000, 'b') + "<>";
    const std::string tooLong = "n<><>d ID:y<>" + std::string(10300, 'c') + "<>";
    Load(Join({"t<><>d<>b<>スレタイ", longLine, tooLong}));
    Tick(IDC_MAIN_LIST, {2, 3});
    Rewrite();
    EXPECT_EQ(ReadBytes(Rewritten()), ReducedLogBytes({"t<><>d<>b<>スレタイ", longLine.substr(0, 8191), ""}, {2, 3}));
}

TEST_F(RewriterTest, TheRewrittenFileLoadsWithTheSameNumbers) {
    const std::vector<std::string> lines = TenLines();
    Load(Join(lines));
    Tick(IDC_SUB_LIST, {3, 9});
    Rewrite();

    dialog_.answers = {true};  // the ticks are thrown away
    Load(ReadBytes(Rewritten()), "reloaded.dat");
    EXPECT_STREQ(postTable[0].title, "スレタイ");
    EXPECT_STREQ(postTable[2].body, "本文2");
    EXPECT_STREQ(postTable[8].id, "a8");
    for (int i : {1, 3, 7, 9, 999}) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(postTable[i].name, "");
        EXPECT_STREQ(postTable[i].dateId, "");
    }
    EXPECT_EQ(dialog_.lists[IDC_MAIN_LIST].rows[2].cells[1], "名無し2");
}

TEST_F(RewriterTest, FailedWriteKeepsTheOldFile) {
    Load(Join(TenLines()));
    const struct {
        unsigned op;
        int failAt;
    } cases[] = {{FaultyFiles::Open, 1}, {FaultyFiles::Write, 900}, {FaultyFiles::Move, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.op) + " at call " + std::to_string(c.failAt));
        WriteBytes(Rewritten(), "old");
        {
            FaultyFiles faults(c.failAt, FaultyFiles::Fault::Transient, c.op);
            Rewrite();
            EXPECT_TRUE(faults.fired());
        }
        EXPECT_EQ(ReadBytes(Rewritten()), "old");
        EXPECT_FALSE(PathExists(Rewritten() + "~tmp"));
        EXPECT_EQ(Records().back(), "ERROR|Harvo.cpp|datファイル再書き込み Error：fopen()|" + Code(FaultyFiles::INJECTED_ERROR));
    }
}

TEST_F(RewriterTest, RefusesANameTooLong) {
    Load(Join(TenLines()));
    std::string page = dir_.File("");
    page += std::string(259 - page.size() - 5, 'p') + ".html";
    RewriteThreadLog(postTable, page.c_str());
    EXPECT_EQ(Records().back(), "ERROR|Harvo.cpp|datファイル再書き込み Error：fopen()");
    const std::string stem = page.substr(0, page.size() - 5);
    EXPECT_FALSE(PathExists(stem + "_RE.d"));
    EXPECT_FALSE(PathExists(stem + "_RE.da"));
}

}  // namespace
