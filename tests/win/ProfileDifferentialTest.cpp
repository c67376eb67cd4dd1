// Runs the same cases through our profile and path code and through the
// system's functions, under ANSI code page 932 (LANG=ja_JP.UTF-8 under Wine).
//
// Left out on purpose: keys before the first header (Wine reads them as section
// "", Windows does not); a cut inside a double-byte character (Wine leaves the
// caller's old byte there); a quoted value whose unquoted length is exactly
// size - 1 (Wine drops its last character); the bytes a write leaves (Wine
// rewrites the whole file, ours keeps the user's lines), so writes are compared
// through reads.
#include <windows.h>

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/PathSplit.h"
#include "platform/Profile.h"
#include "settings/ProgramIni.h"
#include "tests/support/ProfileCases.h"

namespace {

const std::string FILE =
    PROFILE_SECTIONS + "\r\n"
    "[表]\r\nk=hyou\r\n"
    "[n]\r\nempty=\r\nblank=   \r\nword=abc\r\nnum= 99 \r\nq=\"5\"\r\nqblank=\"  \"\r\nhex=0x1F\r\n"
    "upper=0X1F\r\nneg=-1\r\nsign=- 5\r\nwrap=4294967297\r\nmin=2147483648\r\n"
    "zeros=00000000000000000000000000000007\r\nlong=" + std::string(300, 'x') + "\r\n";

class ProfileDifferentialTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Under another code page the system misreads Shift_JIS: nothing to compare.
        if (GetACP() != 932) GTEST_SKIP() << "needs ANSI code page 932";
        dir_ = std::filesystem::temp_directory_path() /
               ("harvo-differential-" + std::to_string(GetCurrentProcessId()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        if (!dir_.empty()) std::filesystem::remove_all(dir_);
    }
    std::string Put(const char* name, const std::string& bytes) {
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::filesystem::path dir_;
};

std::string SystemText(const char* section, const char* key, const char* def, DWORD size,
                       const std::string& path) {
    char out[512] = {};  // cleared and read up to the first zero: the return value can be off
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
    const std::string path = Put("read.ini", FILE);
    const std::string bom = Put("bom.ini", "\xEF\xBB\xBF[bom]\r\nk=ascii after a BOM\r\n");
    const std::string missing = (dir_ / "missing.ini").string();
    struct Lookup {
        const char *section, *key, *def;
        DWORD size;
        const std::string& path;
    };
    const Lookup texts[] = {
        {"  sec ", " KEY1\t", "d", 256, path}, {"SEC", "name1", "d", 4, path},
        {"SEC", "name1", "d", 5, path},         {"SEC", "name1", "d", 1, path},
        {"sec", "long", "d", 256, path},        {"x", "k", nullptr, 256, path},
        {"x", "k", "default  ", 256, path},     {"x", "k", "\"q\"", 256, path},
        {"x", "k", "   ", 256, path},           {"BOM", "k", "d", 256, bom},
        {"a", "k", "no file", 256, missing},
    };
    for (const Lookup& l : texts) {
        EXPECT_EQ(OurText(l.section, l.key, l.def, l.size, l.path),
                  SystemText(l.section, l.key, l.def, l.size, l.path))
            << l.section << " / " << l.key << " / " << l.size;
    }
    std::vector<ProfileLookup> keys(std::begin(PROFILE_LOOKUPS), std::end(PROFILE_LOOKUPS));
    // Two more the system answers for: only it says what they hold.
    keys.insert(keys.end(), {{"Sec", "mixed", nullptr}, {"表", "k", nullptr}});
    for (const ProfileLookup& k : keys) {
        EXPECT_EQ(OurText(k.section, k.key, "d", 256, path), SystemText(k.section, k.key, "d", 256, path))
            << k.section << " / " << k.key;
    }
    const char* const ints[] = {"empty", "blank", "word", "num",  "q",   "qblank", "hex",
                                "upper", "neg",   "sign", "wrap", "min", "zeros",  "missing"};
    for (const char* key : ints) {
        EXPECT_EQ(ProfileReadInt("N", key, 3, path.c_str()),
                  static_cast<int>(GetPrivateProfileIntA("N", key, 3, path.c_str())))
            << key;
    }
}

TEST_F(ProfileDifferentialTest, WritesReadBackAsTheSystemsWrites) {
    const char* start = "[A]\r\n;comment=c\r\nold = 1\r\nk=\"q\"\r\n\r\n[B]\r\nb=1\r\n";
    const std::string theirs = Put("theirs.ini", start);
    const std::string ours = Put("ours.ini", start);
    const char* writes[][3] = {{"a", "OLD", "2"}, {"A", "new", "  leading blanks"},
                               {"C", "c", "表ソ"}, {"B", "b", ""},
                               {"A", "k", "plain"}, {" A ", " spaced ", "v"}};
    for (const auto& w : writes) {
        EXPECT_TRUE(WritePrivateProfileStringA(w[0], w[1], w[2], theirs.c_str()));
        EXPECT_TRUE(ProfileWriteText(w[0], w[1], w[2], ours.c_str()));
    }
    const char* reads[][2] = {{"A", ";comment"}, {"A", "old"}, {"A", "new"}, {"A", "k"},
                              {"A", "spaced"},   {"B", "b"},   {"C", "c"}};
    for (const auto& r : reads) {
        const std::string expected = SystemText(r[0], r[1], "d", 256, theirs);
        EXPECT_EQ(OurText(r[0], r[1], "d", 256, ours), expected) << r[1];
        EXPECT_EQ(SystemText(r[0], r[1], "d", 256, ours), expected) << r[1];
    }
}

// The program INI's own settings, read through ReadIniInt / ReadIniText, and written as the settings dialog writes them through WriteIniText,
// compared with the system's functions on the same file.
TEST_F(ProfileDifferentialTest, ProgramSettingsAsTheSystemHasThem) {
    const auto& ints = INT_SETTINGS;
    const auto& texts = TEXT_SETTINGS;
    // Every setting read by us from ours and by the system from theirs.
    const auto compare = [&](const std::string& ours, const std::string& theirs, const std::string& what) {
        for (const IntSetting& s : ints) {
            EXPECT_EQ(ReadIniInt(ours.c_str(), s), static_cast<int>(GetPrivateProfileIntA(s.section, s.key, s.def, theirs.c_str())))
                << what << " / " << s.key;
        }
        for (const TextSetting& s : texts) {
            char value[INI_TEXT_SIZE];
            ReadIniText(ours.c_str(), s, value);
            EXPECT_EQ(value, SystemText(s.section, s.key, s.def, INI_TEXT_SIZE, theirs)) << what << " / " << s.key;
        }
    };

    const std::string files[] = {
        "[EXCHANGE]\r\nKIND=5\r\nMAIL_OUTPUT=2\r\nREDAT=2\r\n[OPTION]\r\nSUBCHECK=2\r\n",
        "[CSS]\r\nTARGET_TEXT=\r\nTAG_KIND=\r\nSELECT_ID=one\r\n[COLOR]\r\nTEXT=\r\n",
        "; mine\r\n[color]\r\n text = \"#ff00aa\" \r\nname=赤ソ\r\n\r\n[Exchange]\r\nkind = 99 \r\nkind=1\r\n"
        "[css]\r\ntarget_text=mark\r\ntag_kind=0x2\r\nselect_id=-1\r\n[option]\r\nsubcheck= 1 \r\n",
        "[COLOR]\r\nTEXT=" + std::string(300, 'c') + "\r\nNAME='表'\r\n",
    };
    const std::string none = (dir_ / "none" / "Harvo.ini").string();
    compare(none, none, "no file");
    for (const std::string& file : files) {
        const std::string path = Put("Harvo.ini", file);
        compare(path, path, file);
    }

    // The release's Harvo.ini holds every key, and reads as no file at all but
    // for the colours and the style sheet beside the page, which it sets.
    const char* release = getenv("HARVO_RELEASE_INI");
    EXPECT_TRUE(release && std::filesystem::exists(release)) << "the release_zip test leaves it for this one";
    if (release) {
        compare(release, release, "the release's Harvo.ini");
        const std::string defaults = Put("Harvo.ini", "[COLOR]\r\nTEXT=#FF0000\r\nNAME=#0000FF\r\n[OPTION]\r\nCOPY_CSS=1\r\n");
        compare(release, defaults, "the release's Harvo.ini against its own settings alone");
        const auto present = [&](const char* section, const char* key) {
            char value[INI_TEXT_SIZE];
            ProfileReadText(section, key, "?missing", value, sizeof value, release);
            EXPECT_STRNE(value, "?missing") << key;
        };
        for (const IntSetting& s : ints) present(s.section, s.key);
        for (const TextSetting& s : texts) present(s.section, s.key);
    }

    // The settings dialog's writes, on a file edited by hand and on no file at
    // all: the system reads our file as we do, and as it reads its own.
    const char* writes[][3] = {{"EXCHANGE", "KIND", "1"},  {"EXCHANGE", "MAIL_OUTPUT", "0"},
                               {"EXCHANGE", "REDAT", "1"}, {"COLOR", "TEXT", "#FF0000"},
                               {"COLOR", "NAME", "あか"},  {"COLOR", "TEXT", ""}};
    for (const std::string& start : {files[2], std::string()}) {
        const std::string theirs = Put("theirs.ini", start);
        const std::string ours = Put("ours.ini", start);
        if (start.empty()) {
            std::filesystem::remove(theirs);
            std::filesystem::remove(ours);
        }
        for (const auto& w : writes) {
            EXPECT_TRUE(WritePrivateProfileStringA(w[0], w[1], w[2], theirs.c_str()));
            EXPECT_TRUE(WriteIniText(ours.c_str(), w[0], w[1], w[2]));
        }
        compare(ours, ours, "our writes");
        compare(ours, theirs, "both writes");
    }
}

void IgnoreInvalidParameter(const wchar_t*, const wchar_t*, const wchar_t*, unsigned, uintptr_t) {}

TEST(PathSplitDifferentialTest, SplitsAsTheSystemDoes) {
    if (GetACP() != 932) GTEST_SKIP() << "needs ANSI code page 932";
    // A too-long part is an invalid parameter: have the system return rather than end the process.
    const _invalid_parameter_handler saved = _set_invalid_parameter_handler(IgnoreInvalidParameter);
    // A lone lead byte at the very end is left out: the system reads past the terminator.
    const std::string paths[] = {
        "C:\\dir\\sub\\file.tar.gz", "C:\\dir.d\\file", "C:\\dir\\.profile", "C:\\dir\\file.",
        "C:\\dir\\", "name", "relative\\name.ext", "C:file.txt", "C:/mixed/seps\\x.y",
        "\\\\server\\share\\f.txt", "c:\\ソフト.bin", "表\\a.b",
        "\\" + std::string(253, 'd') + "\\f", "\\" + std::string(254, 'd') + "\\f",
        std::string(255, 'n') + ".e", std::string(256, 'n'), "a." + std::string(255, 'e'),
    };
    for (const std::string& path : paths) {
        PathParts ours, theirs;
        SplitPath(path.c_str(), &ours);
        _splitpath_s(path.c_str(), theirs.drive, sizeof theirs.drive, theirs.dir, sizeof theirs.dir,
                     theirs.fname, sizeof theirs.fname, theirs.ext, sizeof theirs.ext);
        const auto joined = [](const PathParts& p) {
            return std::string(p.drive) + "|" + p.dir + "|" + p.fname + "|" + p.ext;
        };
        EXPECT_EQ(joined(ours), joined(theirs));
    }
    _set_invalid_parameter_handler(saved);
}

}  // namespace
