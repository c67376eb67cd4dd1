// Runs the same cases through our profile and path code and through the
// system's functions. Run with ANSI code page 932 (LANG=ja_JP.UTF-8 under Wine).
#include <windows.h>

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/PathSplit.h"
#include "platform/Profile.h"

namespace {

// Left out of every table on purpose:
// - keys before the first header: Wine reads them as section "", Windows does not;
// - a cut inside a double-byte character: Wine leaves a stale byte there (T4);
// - a quoted value whose unquoted length is exactly size - 1: Wine drops its last character (T3);
// - the bytes a write leaves: Wine rewrites the whole file, ours keeps the user's lines,
//   so writes are compared through reads only.
const char* const kFiles[] = {
    "  [ Sec ]  trailing\r\n"
    "  Key1  =   spaced value   \r\n"
    "NaMe1=val1\r\n"
    "key7=a=b\r\n"
    "dup=first\r\n"
    "dup=second\r\n"
    "key5=\r\n"
    "key6\r\n"
    "key2=\"quoted\"\r\n"
    "key3='single'\r\n"
    "key4=\"unbalanced\r\n"
    "mixed=\"x'\r\n"
    "key8=val ; not a comment\r\n"
    ";key9=commented\r\n"
    "c\t=\tTAB\t\x1A\r\n"
    "sjis=表ソゾ\r\n"
    "ア=katakana a\r\n"
    "[broken\r\n"
    "[ゾ\r\n"
    "afterbroken=still in Sec\r\n"
    "[two words]\n"
    "lf=only\n"
    "[CR]\r"
    "cr=only\r"
    "[sec]\r\n"
    "z=second copy of Sec\r\n"
    "[表]\r\n"
    "k=hyou\r\n",
    "[n]\r\nempty=\r\nblank=   \r\nword=abc\r\nnum= 99 \r\nq=\"5\"\r\nqblank=\"  \"\r\nbare\r\n"
    "hex=0x1F\r\nupper=0X1F\r\noct=0o17\r\nneg=-1\r\nsign=- 5\r\nwrap=4294967297\r\n"
    "min=2147483648\r\nlong=00000000000000000000000000000007\r\n",
    "\xEF\xBB\xBF[bom]\r\nk=ascii after a byte order mark\r\n",
    "",
};

class ProfileDifferentialTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("harvo-differential-" + std::to_string(GetCurrentProcessId()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Put(const std::string& name, const char* bytes) {
        const std::string path = (dir_ / name).string();
        std::FILE* f = std::fopen(path.c_str(), "wb");
        EXPECT_NE(f, nullptr);
        if (f) {
            std::fwrite(bytes, 1, std::strlen(bytes), f);
            std::fclose(f);
        }
        return path;
    }

    std::filesystem::path dir_;
};

std::string SystemText(const char* section, const char* key, const char* def, DWORD size,
                       const std::string& path) {
    char out[512] = {};  // cleared, and read up to the first zero (T4)
    GetPrivateProfileStringA(section, key, def, out, size, path.c_str());
    return out;
}

std::string OurText(const char* section, const char* key, const char* def, DWORD size,
                    const std::string& path) {
    char out[512] = {};
    ProfileReadText(section, key, def, out, size, path.c_str());
    return out;
}

TEST_F(ProfileDifferentialTest, ReadsAsTheSystemDoes) {
    std::string paths[std::size(kFiles)];
    for (size_t i = 0; i < std::size(kFiles); ++i) paths[i] = Put("read" + std::to_string(i) + ".ini", kFiles[i]);
    paths[std::size(kFiles) - 1] += ".missing";  // and a file that does not exist

    struct Lookup { int file; const char* section; const char* key; const char* def; DWORD size; };
    const Lookup texts[] = {
        {0, "Sec", "key1", "d", 256},  {0, "  sec ", " KEY1\t", "d", 256}, {0, "SEC", "name1", "d", 256},
        {0, "Sec", "name1", "d", 4},   {0, "Sec", "name1", "d", 5},  {0, "Sec", "name1", "d", 1},
        {0, "Sec", "key7", "d", 256},  {0, "Sec", "dup", "d", 256},   {0, "Sec", "key5", "d", 256},
        {0, "Sec", "key6", "d", 256},  {0, "Sec", "key2", "d", 256},  {0, "Sec", "key3", "d", 256},
        {0, "Sec", "key4", "d", 256},  {0, "Sec", "mixed", "d", 256}, {0, "Sec", "key8", "d", 256},
        {0, "Sec", "key9", "d", 256},  {0, "Sec", ";key9", "d", 256}, {0, "Sec", "c", "d", 256},
        {0, "Sec", "sjis", "d", 256},  {0, "Sec", "ア", "d", 256},    {0, "Sec", "ヂ", "d", 256},
        {0, "Sec", "afterbroken", "d", 256}, {0, "Sec", "z", "d", 256}, {0, "two words", "LF", "d", 256},
        {0, "cr", "cr", "d", 256},     {0, "表", "k", "d", 256},      {0, "none", "k", nullptr, 256},
        {0, "none", "k", "default  ", 256}, {0, "none", "k", "\"q\"", 256}, {0, "none", "k", "   ", 256},
        {2, "BOM", "k", "d", 256},     {3, "a", "k", "missing file", 256},
    };
    for (const Lookup& l : texts) {
        SCOPED_TRACE(std::string(l.section) + " / " + l.key + " / " + std::to_string(l.size));
        EXPECT_EQ(OurText(l.section, l.key, l.def, l.size, paths[l.file]),
                  SystemText(l.section, l.key, l.def, l.size, paths[l.file]));
    }

    const char* const ints[] = {"empty", "blank", "word", "num", "q", "qblank", "bare", "hex", "upper",
                                "oct", "neg", "sign", "wrap", "min", "long", "missing"};
    for (const char* key : ints) {
        EXPECT_EQ(ProfileReadInt("N", key, 3, paths[1].c_str()),
                  static_cast<int>(GetPrivateProfileIntA("N", key, 3, paths[1].c_str())))
            << key;
    }
}

TEST_F(ProfileDifferentialTest, LongValuesAreCutAsTheSystemCutsThem) {
    const std::string bytes = "[a]\r\nlong=" + std::string(300, 'x') + "\r\nsjis=" + std::string(254, 'x') + "表\r\n";
    const std::string path = Put("long.ini", bytes.c_str());
    EXPECT_EQ(OurText("a", "long", "", 256, path), SystemText("a", "long", "", 256, path));
    EXPECT_EQ(OurText("a", "sjis", "", 257, path), SystemText("a", "sjis", "", 257, path));
}

TEST_F(ProfileDifferentialTest, WritesReadBackAsTheSystemsWrites) {
    const char* start = ";comment=c\r\n[A]\r\nold = 1\r\nk=\"q\"\r\n\r\n[B]\r\nb=1\r\n";
    const std::string theirs = Put("theirs.ini", start);
    const std::string ours = Put("ours.ini", start);
    const char* writes[][3] = {
        {"a", "OLD", "2"}, {"A", "new", "  leading blanks"}, {"C", "c", "表ソ"}, {"B", "b", ""},
        {"A", "k", "plain"}, {" A ", " spaced ", "v"},
    };
    for (const auto& w : writes) {
        EXPECT_TRUE(WritePrivateProfileStringA(w[0], w[1], w[2], theirs.c_str()));
        EXPECT_TRUE(ProfileWriteText(w[0], w[1], w[2], ours.c_str()));
    }
    const char* reads[][2] = {{"A", ";comment"}, {"A", "old"}, {"A", "new"}, {"A", "k"}, {"A", "spaced"},
                              {"B", "b"}, {"C", "c"}};
    for (const auto& r : reads) {
        SCOPED_TRACE(std::string(r[0]) + " / " + r[1]);
        const std::string expected = SystemText(r[0], r[1], "d", 256, theirs);
        EXPECT_EQ(OurText(r[0], r[1], "d", 256, ours), expected);
        EXPECT_EQ(SystemText(r[0], r[1], "d", 256, ours), expected);
    }
}

void IgnoreInvalidParameter(const wchar_t*, const wchar_t*, const wchar_t*, unsigned, uintptr_t) {}

TEST(PathSplitDifferentialTest, SplitsAsTheSystemDoes) {
    // A too-long part is an invalid parameter to the system: have it return instead of ending the process.
    const _invalid_parameter_handler saved = _set_invalid_parameter_handler(IgnoreInvalidParameter);
    // A lone lead byte at the very end is left out: the system reads past the terminator.
    const std::string paths[] = {
        "C:\\dir\\sub\\file.tar.gz", "C:\\dir.d\\file", "C:\\dir\\.profile", "C:\\dir\\file.", "C:\\dir\\",
        "name", "relative\\name.ext", "C:file.txt", "C:/mixed/seps\\x.y", "\\\\server\\share\\f.txt",
        "c:\\ソフト.bin", "表\\a.b", "\\" + std::string(253, 'd') + "\\f", "\\" + std::string(254, 'd') + "\\f",
        std::string(255, 'n') + ".e", std::string(256, 'n'), "a." + std::string(255, 'e'),
    };
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        PathParts ours;
        SplitPath(path.c_str(), &ours);
        PathParts theirs;
        _splitpath_s(path.c_str(), theirs.drive, sizeof theirs.drive, theirs.dir, sizeof theirs.dir,
                     theirs.fname, sizeof theirs.fname, theirs.ext, sizeof theirs.ext);
        EXPECT_STREQ(ours.drive, theirs.drive);
        EXPECT_STREQ(ours.dir, theirs.dir);
        EXPECT_STREQ(ours.fname, theirs.fname);
        EXPECT_STREQ(ours.ext, theirs.ext);
    }
    _set_invalid_parameter_handler(saved);
}

}  // namespace
