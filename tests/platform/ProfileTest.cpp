#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/Profile.h"
#include "tests/support/FaultyFiles.h"
#include "tests/support/ProfileCases.h"
#include "tests/support/TestFiles.h"

// The Shift_JIS cases rely on literals compiled to code page 932.
static_assert("表"[1] == '\x5C' && "ゾ"[1] == '\x5D', "compile with -fexec-charset=CP932");

namespace {

// With a BOM and a key before the first header, which only our own reader is asked about.
const std::string FILE = "\xEF\xBB\xBFtop=before any header\r\n" + PROFILE_SECTIONS;

TEST(ProfileFind, ReadsTheWindowsWay) {
    std::vector<ProfileLookup> cases(std::begin(PROFILE_LOOKUPS), std::end(PROFILE_LOOKUPS));
    cases.insert(cases.end(), {{"  sec ", " KEY1\t", "spaced value"}, {"", "top", "before any header"},
                               {"Sec", "top", nullptr}, {"missing", "k", nullptr}});
    for (const ProfileLookup& c : cases) {
        std::string value;
        EXPECT_EQ(ProfileFind(FILE, c.section, c.key, &value), c.expected != nullptr) << c.key;
        if (c.expected) {
            EXPECT_EQ(value, c.expected);
        }
    }
}

TEST(ProfileParseInt, FollowsTheWindowsIntegerRules) {
    const std::pair<const char*, int> cases[] = {
        {"42", 42},  {"+5", 5},    {"-7", -7},   {"  12", 12}, {"12abc", 12},  {"1.5", 1},
        {"abc", 0},  {"- 5", 0},   {"+-5", 0},   {"010", 10},  {"0x1F", 31},   {"0x1f", 31},
        {"0X1F", 0}, {"0o17", 15}, {"0b101", 5}, {"0b2", 0},   {"-0x10", -16}, {"-1", -1},
        {"4294967296", 0}, {"4294967297", 1}, {"-4294967297", -1}, {"2147483648", INT_MIN},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ProfileParseInt(text), expected) << text;
}

TEST(ProfileWithValue, ChangesOnlyTheKeysLine) {
    struct Case { const char *before, *section, *key, *value, *after; };
    const Case cases[] = {
        {"[A]\r\nk1=v1\r\n\r\n[B]\r\n", "a", "k2", "v2", "[A]\r\nk1=v1\r\nk2=v2\r\n\r\n[B]\r\n"},
        {"[A]\r\nk=1", "A", "k2", "2", "[A]\r\nk=1\r\nk2=2\r\n"},
        {"[A]\r\nk=1", " B ", " x ", "y", "[A]\r\nk=1\r\n[B]\r\nx=y\r\n"},
        {"[A]\nk=1\n", "B", "x", "y", "[A]\nk=1\n[B]\r\nx=y\r\n"},
        {"[Sec]\n  Old = 1  \n", "SEC", "old", "  22", "[Sec]\n  Old = 22  \n"},
        {"[A]\rk=\"q\"\rn=1\r", "A", "k", "", "[A]\rk=\rn=1\r"},
        {"[A]\r\nk\r\n", "A", "K", "v", "[A]\r\nk=v\r\n"},
        {"[A]\r\na=1\r\n[A]\r\nz=2\r\n", "A", "z", "3", "[A]\r\na=1\r\nz=3\r\n[A]\r\nz=2\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProfileWithValue(c.before, c.section, c.key, c.value), c.after) << c.before;
}

class ProfileFileTest : public ::testing::Test {
protected:
    std::string Read(const char* section, const char* key, const char* def = "d",
                     size_t size = 256) {
        char out[300];
        const size_t length = ProfileReadText(section, key, def, out, size, path_.c_str());
        EXPECT_EQ(length, std::strlen(out));
        return out;
    }

    TempDir dir_;
    const std::string path_ = dir_.File("test.ini");
};

TEST_F(ProfileFileTest, ReadsTextAndIntegers) {
    EXPECT_EQ(Read("a", "k", " spaced  "), " spaced");  // no file yet
    WriteBytes(path_, "[a]\r\nval=val1\r\nquoted=\"quoted\"\r\nempty=\r\nword=abc\r\nnum= 99 \r\n"
                      "long=" + std::string(300, 'x') + "\r\nsjis=" + std::string(254, 'x') +
                      "表\r\nzeros=" + std::string(29, '0') + "7\r\n");
    struct Case { const char* key; const char* def; size_t size; std::string expected; };
    const Case texts[] = {
        {"val", "d", 4, "val"}, {"val", "d", 5, "val1"}, {"val", "d", 1, ""},
        {"quoted", "d", 7, "quoted"},
        {"long", "d", 256, std::string(255, 'x')}, {"sjis", "d", 256, std::string(254, 'x')},
        {"sjis", "d", 257, std::string(254, 'x') + "表"}, {"empty", "d", 256, ""},
        {"none", nullptr, 256, ""}, {"none", "'q'  ", 256, "q"}, {"none", "   ", 256, " "},
    };
    for (const Case& c : texts)
        EXPECT_EQ(Read("A", c.key, c.def, c.size), c.expected) << c.key << " " << c.size;
    char untouched[] = "keep";
    EXPECT_EQ(ProfileReadText("a", "val", "d", untouched, 0, path_.c_str()), 0u);
    EXPECT_STREQ(untouched, "keep");

    // zeros: Windows parses only the first 29 characters.
    const std::pair<const char*, int> ints[] = {{"empty", 3}, {"none", 3},   {"word", 0},
                                                {"num", 99},  {"quoted", 0}, {"zeros", 0}};
    for (const auto& [key, expected] : ints)
        EXPECT_EQ(ProfileReadInt("A", key, 3, path_.c_str()), expected) << key;
}

TEST_F(ProfileFileTest, WriteKeepsEveryOtherByteOfAHandEditedFile) {
    ASSERT_TRUE(ProfileWriteText("SECTION", "key", "value", path_.c_str()));
    EXPECT_EQ(ReadBytes(path_), "[SECTION]\r\nkey=value\r\n");

    WriteBytes(path_, "[A]\r\n;comment=c\r\n\r\nold = 1\r\n  Target =  x  \n\r\n[B]\r\nb=表\r\n");
    const char* others[][2] = {{"A", ";comment"}, {"A", "old"}, {"B", "b"}};
    std::string before[3];
    for (int i = 0; i < 3; ++i) before[i] = Read(others[i][0], others[i][1]);
    ASSERT_TRUE(ProfileWriteText("a", "TARGET", "ソ", path_.c_str()));
    EXPECT_EQ(ReadBytes(path_),
              "[A]\r\n;comment=c\r\n\r\nold = 1\r\n  Target =  ソ  \n\r\n[B]\r\nb=表\r\n");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Read(others[i][0], others[i][1]), before[i]);
}

TEST_F(ProfileFileTest, WriteFailuresAndNoChangeLeaveTheFileAlone) {
    plat::SetLastErrorCode(0);
    EXPECT_FALSE(ProfileWriteText("A", "k", "v", dir_.File("missing/x.ini").c_str()));
    EXPECT_NE(plat::GetLastErrorCode(), 0u);

    WriteBytes(path_, "[A]\r\nk=v\r\n");
    // Not replaced by a file of the one key: a failed read is no empty file.
    for (FaultyFiles::Op op : {FaultyFiles::Open, FaultyFiles::Read}) {
        FaultyFiles unreadable(1, FaultyFiles::Fault::Transient, op);
        EXPECT_FALSE(ProfileWriteText("A", "other", "new", path_.c_str())) << op;
        EXPECT_TRUE(unreadable.fired());
    }
    {
        // The value already stored: the file is read (open 1) and not written (open 2).
        FaultyFiles noWrite(2, FaultyFiles::Fault::Persistent, FaultyFiles::Open);
        EXPECT_TRUE(ProfileWriteText("A", "k", " v", path_.c_str()));
        EXPECT_FALSE(noWrite.fired());
    }
    EXPECT_EQ(ReadBytes(path_), "[A]\r\nk=v\r\n");
}

}  // namespace
