#include "settings/SettingsForm.h"

#include <cstdio>

#include "platform/Platform.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "settings/SettingsTexts.h"

namespace {

// Logs a failed write at once, with the last error of the failing call.
bool Write(const char* iniPath, const char* section, const char* key, const char* value, const char* failure) {
    if (WriteIniText(iniPath, section, key, value)) return true;
    ScrivEx(SCRIV_ERROR, plat::GetLastErrorCode(), LOG_WRITE_PROFILE, failure);
    return false;
}

bool WriteInt(const char* iniPath, const IntSetting& setting, int value, const char* failure) {
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    return Write(iniPath, setting.section, setting.key, text, failure);
}

bool WriteFlag(const char* iniPath, const IntSetting& setting, bool on, const char* failure) {
    char text[16];
    snprintf(text, sizeof text, "%u", on ? 1u : 0u);
    return Write(iniPath, setting.section, setting.key, text, failure);
}

}  // namespace

// Only 0 and 99 have buttons of their own; every other value shows as the
// name colour mode (5 included), which the next save stores as 1.
int ModeButtonForKind(int kind) {
    if (kind == KIND_BODY_COLOUR) return IDC_SET_BODY_MODE;
    if (kind == KIND_STYLE_SHEET) return IDC_SET_CSS_MODE;
    return IDC_SET_NAME_MODE;
}

int KindForModeButton(int button) {
    if (button == IDC_SET_NAME_MODE) return KIND_NAME_COLOUR;
    if (button == IDC_SET_CSS_MODE) return KIND_STYLE_SHEET;
    return KIND_BODY_COLOUR;
}

// Values other than 1 and 2 show as no declaration, which the next save stores as 0.
int CharsetButtonForValue(int charset) {
    if (charset == CHARSET_SHIFT_JIS) return IDC_SET_CHARSET_SHIFT_JIS;
    if (charset == CHARSET_UTF8) return IDC_SET_CHARSET_UTF8;
    return IDC_SET_CHARSET_NONE;
}

int CharsetForButton(int button) {
    if (button == IDC_SET_CHARSET_SHIFT_JIS) return CHARSET_SHIFT_JIS;
    if (button == IDC_SET_CHARSET_UTF8) return CHARSET_UTF8;
    return CHARSET_UNDECLARED;
}

// The check boxes show ticked for exactly 1: a 2 typed by hand shows clear
// and is stored as 0 at the next save.
SettingsForm ReadSettingsForm(const char* iniPath) {
    SettingsForm form = {};
    form.modeButton = ModeButtonForKind(ReadIniInt(iniPath, SETTING_KIND));
    ReadIniText(iniPath, SETTING_TEXT_COLOUR, form.bodyColour);
    ReadIniText(iniPath, SETTING_NAME_COLOUR, form.nameColour);
    form.rewriteDat = ReadIniInt(iniPath, SETTING_REDAT) == 1;
    form.mailOutput = ReadIniInt(iniPath, SETTING_MAIL_OUTPUT) == 1;
    form.charsetButton = CharsetButtonForValue(ReadIniInt(iniPath, SETTING_CHARSET));
    form.openPage = ReadIniInt(iniPath, SETTING_OPEN_PAGE) == 1;
    form.localLinks = ReadIniInt(iniPath, SETTING_LOCAL_LINKS) == 1;
    return form;
}

bool WriteSettingsForm(const char* iniPath, const SettingsForm& form) {
    const TextSetting& text = SETTING_TEXT_COLOUR;
    const TextSetting& name = SETTING_NAME_COLOUR;
    bool ok = WriteInt(iniPath, SETTING_KIND, KindForModeButton(form.modeButton), LOG_KIND_NOT_WRITTEN);
    ok &= Write(iniPath, text.section, text.key, form.bodyColour, LOG_TEXT_NOT_WRITTEN);
    ok &= Write(iniPath, name.section, name.key, form.nameColour, LOG_NAME_NOT_WRITTEN);
    ok &= WriteFlag(iniPath, SETTING_REDAT, form.rewriteDat, LOG_REDAT_NOT_WRITTEN);
    ok &= WriteFlag(iniPath, SETTING_MAIL_OUTPUT, form.mailOutput, nullptr);
    ok &= WriteInt(iniPath, SETTING_CHARSET, CharsetForButton(form.charsetButton), LOG_CHARSET_NOT_WRITTEN);
    ok &= WriteFlag(iniPath, SETTING_OPEN_PAGE, form.openPage, LOG_OPEN_PAGE_NOT_WRITTEN);
    ok &= WriteFlag(iniPath, SETTING_LOCAL_LINKS, form.localLinks, LOG_LOCAL_LINKS_NOT_WRITTEN);
    return ok;
}
