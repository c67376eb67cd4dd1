#include <gtest/gtest.h>

#include <string>

#include "platform/PathSplit.h"

namespace {

struct Case {
    std::string path;
    const char* drive;
    std::string dir;
    std::string fname;
    const char* ext;
    size_t nameStart;
};

TEST(SplitPath, FollowsTheWindowsRulesAndReadsShiftJis) {
    const std::string dir255 = "\\" + std::string(253, 'd') + "\\";
    const Case cases[] = {
        {"C:\\dir\\sub\\file.tar.gz", "C:", "\\dir\\sub\\", "file.tar", ".gz", 11},
        {"C:\\dir.d\\file", "C:", "\\dir.d\\", "file", "", 9},
        {"C:\\dir\\.profile", "C:", "\\dir\\", "", ".profile", 7},
        {"C:\\dir\\file.", "C:", "\\dir\\", "file", ".", 7},
        {"C:\\dir\\", "C:", "\\dir\\", "", "", 7},
        {"name", "", "", "name", "", 0},
        {"relative\\name.ext", "", "relative\\", "name", ".ext", 9},
        {"C:file.txt", "C:", "", "file", ".txt", 0},
        {"C:/mixed/seps\\x.y", "C:", "/mixed/seps\\", "x", ".y", 14},
        {"\\\\server\\share\\f.txt", "", "\\\\server\\share\\", "f", ".txt", 15},
        {"c:\\ソフト.bin", "c:", "\\", "ソフト", ".bin", 3},      // ソ is 83 5C
        {"表\\a.b", "", "表\\", "a", ".b", 3},                   // 表 is 95 5C
        {"dir\\a\x83", "", "dir\\", "a\x83", "", 4},            // a lone lead byte at the end
        {dir255 + "f", "", dir255, "f", "", 255},  // a 255-byte dir fits
        {"\\" + std::string(254, 'd') + "\\f", "", "", "", "", 256},  // a 256-byte one does not
        {std::string(255, 'n') + ".e", "", "", std::string(255, 'n'), ".e", 0},
        {std::string(256, 'n'), "", "", "", "", 0},
        {"a." + std::string(255, 'e'), "", "", "", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        PathParts parts;
        SplitPath(c.path.c_str(), &parts);
        EXPECT_STREQ(parts.drive, c.drive);
        EXPECT_EQ(parts.dir, c.dir);
        EXPECT_EQ(parts.fname, c.fname);
        EXPECT_STREQ(parts.ext, c.ext);
        EXPECT_EQ(FileNameStart(c.path.c_str()), c.nameStart);
    }
}

TEST(ReplaceExtension, GivesTheNameBesideOrRefuses) {
    const std::string dir = "C:\\" + std::string(250, 'd') + "\\";  // drive and dir: 254 bytes
    const struct {
        std::string path;
        const char* ending;
        std::string expected;  // empty: refused
    } cases[] = {
        {"D:\\logs\\1234.dat", ".html", "D:\\logs\\1234.html"},
        {"page", ".chk", "page.chk"},
        {"a.b.html", "_RE.dat", "a.b_RE.dat"},
        {"表\\ソ.html", ".chk", "表\\ソ.chk"},                 // 0x5C trail bytes
        {dir + "p.html", ".chk", dir + "p.chk"},                 // 259 bytes: fits
        {dir + "pp.html", ".chk", ""},                           // 260 bytes: refused
        {"\\" + std::string(260, 'd') + "\\p.html", ".chk", ""},  // a dir too long to split
        {std::string(300, 'p'), ".chk", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        char out[260] = "untouched";
        EXPECT_EQ(ReplaceExtension(c.path.c_str(), c.ending, out, sizeof out), !c.expected.empty());
        EXPECT_EQ(std::string(out), c.expected);
    }
}

}  // namespace
