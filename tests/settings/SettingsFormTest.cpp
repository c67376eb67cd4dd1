// The settings dialog's values against the program INI.
#include <cstring>
#include <string>

#include "platform/Profile.h"
#include "resources/resource.h"
#include "settings/SettingsForm.h"
#include "tests/support/ProgramFixture.h"
#include "tests/support/FaultyFiles.h"

namespace {

class SettingsFormTest : public ProgramTest {
protected:
    std::string Ini() const { return ReadBytes(session_.iniPath); }
    // The key's value, or "(none)" when the key is missing.
    std::string Value(const char* section, const char* key) const {
        std::string value;
        return ProfileFind(Ini(), section, key, &value) ? value : "(none)";
    }
};

SettingsForm Form(int modeButton, const char* body, const char* name, bool rewriteDat, bool mailOutput) {
    SettingsForm form = {};
    form.modeButton = modeButton;
    snprintf(form.bodyColour, sizeof form.bodyColour, "%s", body);
    snprintf(form.nameColour, sizeof form.nameColour, "%s", name);
    form.rewriteDat = rewriteDat;
    form.mailOutput = mailOutput;
    form.popular = PopularFromValue(0);
    return form;
}

TEST(SettingsModeTest, KindSelectsItsButtonAndButtonsStoreTheirKind) {
    const struct { int kind; int button; } cases[] = {
        {0, IDC_SET_BODY_MODE}, {1, IDC_SET_NAME_MODE}, {99, IDC_SET_CSS_MODE},
        {5, IDC_SET_NAME_MODE}, {-1, IDC_SET_NAME_MODE}, {98, IDC_SET_NAME_MODE},
    };
    for (const auto& c : cases) EXPECT_EQ(ModeButtonForKind(c.kind), c.button) << c.kind;
    EXPECT_EQ(KindForModeButton(IDC_SET_BODY_MODE), 0);
    EXPECT_EQ(KindForModeButton(IDC_SET_NAME_MODE), 1);
    EXPECT_EQ(KindForModeButton(IDC_SET_CSS_MODE), 99);
    EXPECT_EQ(KindForModeButton(0), 0) << "no button selected";
    const struct { int charset; int button; } charsets[] = {
        {0, IDC_SET_CHARSET_NONE}, {1, IDC_SET_CHARSET_SHIFT_JIS}, {2, IDC_SET_CHARSET_UTF8}, {3, IDC_SET_CHARSET_NONE},
    };
    for (const auto& c : charsets) EXPECT_EQ(CharsetButtonForValue(c.charset), c.button) << c.charset;
    for (const auto& c : charsets) EXPECT_EQ(CharsetForButton(CharsetButtonForValue(c.charset)), c.charset == 3 ? 0 : c.charset);
    // The popular posts' number box: 1 to 99, anything else the default.
    const struct { const char* text; int popular; } numbers[] = {
        {"1", 1}, {"99", 99}, {"07", 7}, {"", 3}, {"0", 3}, {"100", 3}, {"12a", 3}, {"-5", 3}, {"99999999999", 3},
    };
    for (const auto& c : numbers) EXPECT_EQ(PopularFromText(c.text), c.popular) << c.text;
}

TEST_F(SettingsFormTest, ReadsWhatTheIniHolds) {
    const struct { const char* ini; int button; const char* body; const char* name; bool redat; bool mail; } cases[] = {
        {nullptr, IDC_SET_BODY_MODE, "", "", false, false},
        {"[EXCHANGE]\r\nKIND=99\r\nREDAT=1\r\nMAIL_OUTPUT=1\r\n[COLOR]\r\nTEXT=#ff0000\r\nNAME=緑\r\n",
         IDC_SET_CSS_MODE, "#ff0000", "緑", true, true},
        {"[exchange]\r\nkind=5\r\nREDAT=2\r\nMAIL_OUTPUT=2\r\n[COLOR]\r\nTEXT=\r\n", IDC_SET_NAME_MODE, "", "", false,
         false},
        {"[EXCHANGE]\r\nKIND=abc\r\nREDAT=1\r\nMAIL_OUTPUT=-1\r\n", IDC_SET_BODY_MODE, "", "", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini ? c.ini : "no file");
        if (c.ini) WriteBytes(session_.iniPath, c.ini);
        const SettingsForm form = ReadSettingsForm(session_.iniPath);
        EXPECT_EQ(form.modeButton, c.button);
        EXPECT_STREQ(form.bodyColour, c.body);
        EXPECT_STREQ(form.nameColour, c.name);
        EXPECT_EQ(form.rewriteDat, c.redat);
        EXPECT_EQ(form.mailOutput, c.mail);
    }
    WriteBytes(session_.iniPath, "[EXCHANGE]\r\nCHARSET=2\r\n[OPTION]\r\nOPEN_PAGE=1\r\nLOCAL_LINKS=2\r\n");
    const SettingsForm form = ReadSettingsForm(session_.iniPath);
    EXPECT_EQ(form.charsetButton, IDC_SET_CHARSET_UTF8);
    EXPECT_TRUE(form.openPage);
    EXPECT_FALSE(form.localLinks) << "ticked for exactly 1";
}

TEST_F(SettingsFormTest, WritesEveryKey) {
    EXPECT_TRUE(WriteSettingsForm(session_.iniPath, Form(IDC_SET_BODY_MODE, "", "", false, false)));
    EXPECT_EQ(Ini(), "[EXCHANGE]\r\nKIND=0\r\nREDAT=0\r\nMAIL_OUTPUT=0\r\nCHARSET=0\r\n[COLOR]\r\nTEXT=\r\nNAME=\r\n"
                     "[OPTION]\r\nOPEN_PAGE=0\r\nLOCAL_LINKS=0\r\nORDER=0\r\nLINKS=0\r\nMAIL_LINKS=1\r\nCOPY_CSS=0\r\n"
                     "ANCHOR_RANGES=0\r\nPOPULAR=3\r\n");

    WriteBytes(session_.iniPath, "[EXCHANGE]\r\nMAIL_OUTPUT=2\r\n");
    EXPECT_EQ(WriteSettingsForm(session_.iniPath, Form(IDC_SET_CSS_MODE, "red", "#00ff00", true, true)), 1);
    EXPECT_EQ(Value("EXCHANGE", "KIND"), "99");
    EXPECT_EQ(Value("COLOR", "TEXT"), "red") << "stored as typed";
    EXPECT_EQ(Value("COLOR", "NAME"), "#00ff00");
    EXPECT_EQ(Value("EXCHANGE", "REDAT"), "1");
    EXPECT_EQ(Value("EXCHANGE", "MAIL_OUTPUT"), "1");
    SettingsForm pages = Form(IDC_SET_BODY_MODE, "", "", false, false);
    pages.charsetButton = IDC_SET_CHARSET_SHIFT_JIS;
    pages.localLinks = true;
    EXPECT_EQ(WriteSettingsForm(session_.iniPath, pages), 1);
    EXPECT_EQ(Value("EXCHANGE", "CHARSET"), "1");
    EXPECT_EQ(Value("OPTION", "OPEN_PAGE"), "0");
    EXPECT_EQ(Value("OPTION", "LOCAL_LINKS"), "1");
    EXPECT_EQ(Log().find("ERROR"), std::string::npos);
}

// Each failed write is logged with its own second text; the others still happen.
TEST_F(SettingsFormTest, FailedWriteIsLoggedAndTheRestWritten) {
    const struct { const char* key; const char* section; const char* failure; } writes[] = {
        {"KIND", "EXCHANGE", "出力方式書き込み失敗"},
        {"TEXT", "COLOR", "本文カラー書き込み失敗"},
        {"NAME", "COLOR", "名前カラー書き込み失敗"},
        {"REDAT", "EXCHANGE", "datファイル再変換設定エラー"},
        {"MAIL_OUTPUT", "EXCHANGE", nullptr},
        {"CHARSET", "EXCHANGE", "文字コード設定書き込み失敗"},
        {"OPEN_PAGE", "OPTION", "変換後に開く設定書き込み失敗"},
        {"LOCAL_LINKS", "OPTION", "ページ内リンク設定書き込み失敗"},
        {"ORDER", "OPTION", "返信順設定書き込み失敗"},
        {"LINKS", "OPTION", "リンク設定書き込み失敗"},
        {"MAIL_LINKS", "OPTION", "メール欄リンク設定書き込み失敗"},
        {"COPY_CSS", "OPTION", "Harvo.css設定書き込み失敗"},
        {"ANCHOR_RANGES", "OPTION", "アンカー範囲設定書き込み失敗"},
        {"POPULAR", "OPTION", "人気レス設定書き込み失敗"},
    };
    const int keys = static_cast<int>(sizeof writes / sizeof writes[0]);
    const std::string record = INDENT + "Error：WritePrivateProfileString()\r\n";
    for (int failing = 0; failing < keys; ++failing) {
        SCOPED_TRACE(writes[failing].key);
        remove(session_.iniPath);
        const size_t logged = Log().size();
        {
            FaultyFiles faults(failing + 1, FaultyFiles::Fault::Transient, FaultyFiles::Move);
            EXPECT_FALSE(WriteSettingsForm(session_.iniPath, Form(IDC_SET_NAME_MODE, "a", "b", true, false)));
            EXPECT_TRUE(faults.fired());
        }
        for (int i = 0; i < keys; ++i)
            EXPECT_EQ(Value(writes[i].section, writes[i].key) == "(none)", i == failing) << writes[i].key;

        const std::string log = Log().substr(logged);
        const std::string second = writes[failing].failure ? INDENT + writes[failing].failure + "\r\n" : "";
        EXPECT_NE(log.find("ERROR"), std::string::npos);
        EXPECT_NE(log.find(record + second + INDENT + Code(FaultyFiles::INJECTED_ERROR) + "\r\n"), std::string::npos) << log;
        EXPECT_EQ(log.find("ERROR"), log.rfind("ERROR")) << "one record";
    }
}

}  // namespace
