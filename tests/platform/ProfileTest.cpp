#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/Profile.h"

// The Shift_JIS cases below rely on literals compiled to code page 932.
static_assert(sizeof("表") == 3 && "表"[1] == '\x5C' && "ゾ"[1] == '\x5D', "compile with -fexec-charset=CP932");

namespace {

const std::string kFile =
    "top=before any header\r\n"
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
    "k=hyou";

TEST(ProfileFind, ReadsSectionsKeysAndValuesTheWindowsWay) {
    struct Case { const char* section; const char* key; const char* expected; };  // null: not found
    const Case cases[] = {
        {"Sec", "key1", "spaced value"}, {"  sec ", " KEY1\t", "spaced value"},
        {"SEC", "name1", "val1"},         {"Sec", "key7", "a=b"},
        {"Sec", "dup", "first"},          {"Sec", "key5", ""},
        {"Sec", "key6", nullptr},         {"Sec", "key2", "quoted"},
        {"Sec", "key3", "single"},        {"Sec", "key4", "\"unbalanced"},
        {"Sec", "mixed", "\"x'"},         {"Sec", "key8", "val ; not a comment"},
        {"Sec", "key9", nullptr},         {"Sec", ";key9", "commented"},
        {"Sec", "c", "TAB"},              {"Sec", "sjis", "表ソゾ"},
        {"Sec", "ア", "katakana a"},      {"Sec", "ヂ", nullptr},  // trail 0x41 vs 0x61: no folding
        {"Sec", "afterbroken", "still in Sec"}, {"\x83", "afterbroken", nullptr},
        {"Sec", "z", nullptr},            {"two words", "LF", "only"},
        {"cr", "cr", "only"},             {"表", "k", "hyou"},
        {"", "top", "before any header"}, {"Sec", "top", nullptr},
        {"missing", "k", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + " / " + c.key);
        std::string value = "unset";
        EXPECT_EQ(ProfileFind(kFile, c.section, c.key, &value), c.expected != nullptr);
        if (c.expected) {
            EXPECT_EQ(value, c.expected);
        }
    }
}

TEST(ProfileFind, HandlesByteOrderMarkLineEndsAndEmptySectionName) {
    struct Case { const char* bytes; const char* section; const char* expected; };
    const Case cases[] = {
        {"\xEF\xBB\xBFk=bom", "", "bom"},
        {"[a]\rk=cr", "a", "cr"},
        {"[a]\n\n\r\n\rk=mixed\r\n", "a", "mixed"},
        {"\x1A [a] \x1A\r\n\x1A k \x1A= v \x1A", "a", "v"},
        {"[]\r\nk=explicit", "", nullptr},  // "" is the lines before the first header
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        std::string value;
        EXPECT_EQ(ProfileFind(c.bytes, c.section, "k", &value), c.expected != nullptr);
        if (c.expected) {
            EXPECT_EQ(value, c.expected);
        }
    }
}

TEST(ProfileParseInt, FollowsTheWindowsIntegerRules) {
    const std::pair<const char*, int> cases[] = {
        {"42", 42},     {"+5", 5},        {"-7", -7},         {"  12", 12},     {"12abc", 12},
        {"1.5", 1},     {"abc", 0},       {"", 0},            {"- 5", 0},       {"+-5", 0},
        {"010", 10},    {"0x1F", 31},     {"0x1f", 31},       {"0X1F", 0},      {"0o17", 15},
        {"0b101", 5},   {"0b2", 0},       {"-0x10", -16},     {"4294967296", 0}, {"4294967297", 1},
        {"-4294967297", -1}, {"2147483648", INT_MIN}, {"-1", -1}, {"42A94967297", 42},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ProfileParseInt(text), expected) << text;
}

TEST(ProfileWithValue, ChangesOnlyTheKeysLine) {
    struct Case { const char* before; const char* section; const char* key; const char* value; const char* after; };
    const Case cases[] = {
        {"", "A", "k", "v", "[A]\r\nk=v\r\n"},
        {"[A]\r\nk1=v1\r\n\r\n[B]\r\n", "a", "k2", "v2", "[A]\r\nk1=v1\r\nk2=v2\r\n\r\n[B]\r\n"},
        {"[A]\r\nk=1", "A", "k2", "2", "[A]\r\nk=1\r\nk2=2\r\n"},
        {"[A]\r\nk=1", "B", "x", "y", "[A]\r\nk=1\r\n[B]\r\nx=y\r\n"},
        {"[A]\nk=1\n", " B ", " x ", "y", "[A]\nk=1\n[B]\r\nx=y\r\n"},
        {"[Sec]\n  Old = 1  \n", "SEC", "old", "22", "[Sec]\n  Old = 22  \n"},
        {"[A]\rk=\"q\"\rn=1\r", "A", "k", "  new ", "[A]\rk=new \rn=1\r"},
        {"[A]\r\nk\r\n", "A", "K", "v", "[A]\r\nk=v\r\n"},
        {"[A]\r\na=1\r\n[A]\r\nz=2\r\n", "A", "z", "3", "[A]\r\na=1\r\nz=3\r\n[A]\r\nz=2\r\n"},
        {"[A]\r\nア=1\r\n", "A", "ヂ", "2", "[A]\r\nア=1\r\nヂ=2\r\n"},
        {"\xEF\xBB\xBF[A]\r\n", "", "k", "v", "\xEF\xBB\xBFk=v\r\n[A]\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        EXPECT_EQ(ProfileWithValue(c.before, c.section, c.key, c.value), c.after);
    }
}

class ProfileFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("harvo-profile-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / "test.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    void Put(const std::string& bytes) { ASSERT_TRUE(plat::WriteWholeFile(path_.c_str(), bytes.data(), bytes.size())); }
    std::string Get() {
        std::string bytes;
        EXPECT_TRUE(plat::ReadWholeFile(path_.c_str(), bytes));
        return bytes;
    }
    std::string Read(const char* section, const char* key, const char* def = "default", size_t size = 256) {
        char out[512];
        const size_t length = ProfileReadText(section, key, def, out, size, path_.c_str());
        EXPECT_EQ(length, std::strlen(out));
        return out;
    }

    std::filesystem::path dir_;
    std::string path_;
};

TEST_F(ProfileFileTest, ReadTextCutsWholeCharactersAndTreatsTheDefaultLikeWindows) {
    EXPECT_EQ(Read("a", "k", " spaced  "), " spaced");  // missing file
    Put("[a]\r\nval=val1\r\nlong=" + std::string(300, 'x') + "\r\nsjis=" + std::string(254, 'x') +
        "表\r\nquoted=\"quoted\"\r\nempty=\r\nnoequals\r\n");
    struct Case { const char* key; const char* def; size_t size; std::string expected; };
    const Case cases[] = {
        {"val", "d", 4, "val"},   {"val", "d", 5, "val1"},      {"val", "d", 1, ""},
        {"long", "d", 256, std::string(255, 'x')},  {"sjis", "d", 256, std::string(254, 'x')},
        {"sjis", "d", 257, std::string(254, 'x') + "表"},  {"quoted", "d", 7, "quoted"},
        {"empty", "d", 256, ""},  {"noequals", "d  ", 256, "d"}, {"missing", nullptr, 256, ""},
        {"missing", "\"q\"", 256, "q"},
    };
    for (const Case& c : cases) EXPECT_EQ(Read("A", c.key, c.def, c.size), c.expected) << c.key << " " << c.size;
    char untouched[] = "keep";
    EXPECT_EQ(ProfileReadText("a", "val", "d", untouched, 0, path_.c_str()), 0u);
    EXPECT_STREQ(untouched, "keep");
}

TEST_F(ProfileFileTest, ReadIntUsesTheDefaultOnlyForMissingOrEmptyValues) {
    EXPECT_EQ(ProfileReadInt("a", "n", 7, path_.c_str()), 7);  // missing file
    Put("[a]\r\nempty=\r\nblank=   \r\nword=abc\r\nnum= 99 \r\nq=\"5\"\r\nbare\r\nlong=" +
        std::string(29, '0') + "7\r\n");
    const std::pair<const char*, int> cases[] = {
        {"empty", 3}, {"blank", 3}, {"word", 0}, {"num", 99}, {"q", 5}, {"bare", 3}, {"missing", 3},
        {"long", 0},  // Windows parses the first 29 characters only
    };
    for (const auto& [key, expected] : cases) EXPECT_EQ(ProfileReadInt("A", key, 3, path_.c_str()), expected) << key;
}

TEST_F(ProfileFileTest, WriteKeepsEveryOtherByteOfAHandEditedFile) {
    ASSERT_TRUE(ProfileWriteText("SECTION", "key", "value", path_.c_str()));
    EXPECT_EQ(Get(), "[SECTION]\r\nkey=value\r\n");

    Put(";comment=c\r\n\r\n[A]\r\nold = 1\r\n  Target =  x  \n\r\n\r\n[B]\r\nb=表\r\n");
    const char* others[][2] = {{"", ";comment"}, {"A", "old"}, {"B", "b"}};
    std::vector<std::string> before;
    for (const auto& k : others) before.push_back(Read(k[0], k[1]));
    ASSERT_TRUE(ProfileWriteText("a", "TARGET", "ソ", path_.c_str()));
    EXPECT_EQ(Get(), ";comment=c\r\n\r\n[A]\r\nold = 1\r\n  Target =  ソ  \n\r\n\r\n[B]\r\nb=表\r\n");
    EXPECT_EQ(Read("A", "target"), "ソ");
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(Read(others[i][0], others[i][1]), before[i]);
}

// Counts the files opened for writing; reads fail while failReads is set.
int writeOpens;
bool failReads;
plat::File* CountingOpen(const char* path, plat::FileMode mode) {
    if (mode != plat::FileMode::Read) ++writeOpens;
    else if (failReads) return nullptr;
    return plat::systemFileOps.open(path, mode);
}

TEST_F(ProfileFileTest, WriteFailuresAndNoChangeLeaveTheFileAlone) {
    plat::SetLastErrorCode(0);
    EXPECT_FALSE(ProfileWriteText("A", "k", "v", (dir_ / "missing" / "x.ini").string().c_str()));
    EXPECT_NE(plat::GetLastErrorCode(), 0u);

    Put("[A]\r\nk=v\r\n");
    writeOpens = 0;
    plat::fileOps.open = CountingOpen;
    failReads = true;
    EXPECT_FALSE(ProfileWriteText("A", "k", "new", path_.c_str()));  // unreadable, so not replaced
    failReads = false;
    EXPECT_TRUE(ProfileWriteText("A", "k", " v", path_.c_str()));  // the value already stored
    plat::fileOps = plat::systemFileOps;
    EXPECT_EQ(writeOpens, 0);
    EXPECT_EQ(Get(), "[A]\r\nk=v\r\n");
}

}  // namespace
