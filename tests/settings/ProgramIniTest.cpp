// The program INI: where it lies, every setting with its default, values
// edited by hand, and writes that keep the user's other lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "settings/ProgramIni.h"
#include "tests/support/TestFiles.h"

namespace {

class ProgramIniTest : public ::testing::Test {
protected:
    std::string Text(const TextSetting& setting) {
        char out[INI_TEXT_SIZE];
        ReadIniText(ini_.c_str(), setting, out);
        return out;
    }

    TempDir dir_;
    std::string ini_ = dir_.File("Harvo.ini");
};

TEST_F(ProgramIniTest, LiesBesideTheProgram) {
    char path[PATH_BUFFER_SIZE];
    ProgramIniPath(path, sizeof path);
    EXPECT_EQ(std::string(path), ProgramDir() + "Harvo.ini");
}

TEST_F(ProgramIniTest, ReadsEverySetting) {
    const char* const NO_FILE = nullptr;
    struct Case {
        const char* file;
        int kind, mailOutput, redat;
        const char *textColour, *nameColour;
        int tagKind;
        const char* targetText;
        int selectId, subcheck;
    };
    const std::string longColour = "[COLOR]\r\nTEXT=" + std::string(300, 'c') + "\r\n";
    const std::string cutColour(255, 'c');  // a text setting holds at most 255 bytes
    const Case cases[] = {
        {NO_FILE, 0, 0, 0, "", "", 0, "hvTargetText", 0, 0},
        // 2 stays 2: on where non-zero counts, off where exactly 1 does.
        {"[EXCHANGE]\r\nKIND=5\r\nMAIL_OUTPUT=2\r\nREDAT=2\r\n[OPTION]\r\nSUBCHECK=2\r\n", 5, 2, 2, "", "", 0,
         "hvTargetText", 0, 2},
        // Present but empty: a text reads empty, an integer its default; a word reads 0.
        {"[CSS]\r\nTARGET_TEXT=\r\nTAG_KIND=\r\nSELECT_ID=one\r\n[COLOR]\r\nTEXT=\r\n", 0, 0, 0, "", "", 0, "", 0,
         0},
        // Edited by hand: any case, blanks, quotes, Shift_JIS; the first duplicate wins.
        {"; my settings\r\n[color]\r\n text = \"#ff00aa\" \r\nname=赤ソ\r\n\r\n[Exchange]\r\nkind = 99 \r\n"
         "kind=1\r\n[css]\r\ntarget_text=mark\r\ntag_kind=2\r\nselect_id=1\r\n[option]\r\nsubcheck=1\r\n",
         99, 0, 0, "#ff00aa", "赤ソ", 2, "mark", 1, 1},
        {longColour.c_str(), 0, 0, 0, cutColour.c_str(), "", 0, "hvTargetText", 0, 0},
    };
    for (const Case& c : cases) {
        std::remove(ini_.c_str());
        if (c.file) WriteBytes(ini_, c.file);
        const std::string what = c.file ? c.file : "no file";
        EXPECT_EQ(ReadIniInt(ini_.c_str(), SETTING_KIND), c.kind) << what;
        EXPECT_EQ(ReadIniInt(ini_.c_str(), SETTING_MAIL_OUTPUT), c.mailOutput) << what;
        EXPECT_EQ(ReadIniInt(ini_.c_str(), SETTING_REDAT), c.redat) << what;
        EXPECT_EQ(Text(SETTING_TEXT_COLOUR), c.textColour) << what;
        EXPECT_EQ(Text(SETTING_NAME_COLOUR), c.nameColour) << what;
        EXPECT_EQ(ReadIniInt(ini_.c_str(), SETTING_TAG_KIND), c.tagKind) << what;
        EXPECT_EQ(Text(SETTING_TARGET_TEXT), c.targetText) << what;
        EXPECT_EQ(ReadIniInt(ini_.c_str(), SETTING_SELECT_ID), c.selectId) << what;
        EXPECT_EQ(ReadIniInt(ini_.c_str(), SETTING_SUBCHECK), c.subcheck) << what;
    }
}

TEST_F(ProgramIniTest, WritesKeepTheUsersLinesAndCountAtOnce) {
    ASSERT_TRUE(WriteIniText(ini_.c_str(), "EXCHANGE", "KIND", "1"));  // file, section and key created
    EXPECT_EQ(ReadBytes(ini_), "[EXCHANGE]\r\nKIND=1\r\n");
    EXPECT_EQ(ReadIniInt(ini_.c_str(), SETTING_KIND), 1);

    const std::string edited =
        "; colours for the summary of thread 1234\r\n[EXCHANGE]\r\n  kind = 99  \r\nREDAT=1\r\n\r\n"
        "[CSS]\r\nTARGET_TEXT=mark\r\n";
    WriteBytes(ini_, edited);  // edited by hand while the program runs
    EXPECT_EQ(ReadIniInt(ini_.c_str(), SETTING_KIND), 99);

    ASSERT_TRUE(WriteIniText(ini_.c_str(), "EXCHANGE", "KIND", "0"));
    ASSERT_TRUE(WriteIniText(ini_.c_str(), "COLOR", "NAME", "赤"));
    ASSERT_TRUE(WriteIniText(ini_.c_str(), "EXCHANGE", "MAIL_OUTPUT", "1"));
    EXPECT_EQ(ReadBytes(ini_),
              "; colours for the summary of thread 1234\r\n[EXCHANGE]\r\n  kind = 0  \r\nREDAT=1\r\n"
              "MAIL_OUTPUT=1\r\n\r\n[CSS]\r\nTARGET_TEXT=mark\r\n[COLOR]\r\nNAME=赤\r\n");
    EXPECT_EQ(ReadIniInt(ini_.c_str(), SETTING_KIND), 0);
    EXPECT_EQ(Text(SETTING_NAME_COLOUR), "赤");

    ini_ = dir_.File("missing/Harvo.ini");
    EXPECT_FALSE(WriteIniText(ini_.c_str(), "EXCHANGE", "KIND", "1"));
}

}  // namespace
