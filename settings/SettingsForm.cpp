#include "settings/SettingsForm.h"

#include <cstdio>

#include "platform/Platform.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "settings/SettingsTexts.h"

namespace {

// Logs a failed write at once, with the last error of the failing call.
bool Write(const char* section, const char* key, const char* value, const char* failure) {
    if (WriteIniText(section, key, value)) return true;
    ScrivEx(0, plat::GetLastErrorCode(), LOG_WRITE_PROFILE, failure);
    return false;
}

bool WriteInt(const IntSetting& setting, int value, const char* failure) {
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    return Write(setting.section, setting.key, text, failure);
}

bool WriteFlag(const IntSetting& setting, bool on, const char* failure) {
    char text[16];
    snprintf(text, sizeof text, "%u", on ? 1u : 0u);
    return Write(setting.section, setting.key, text, failure);
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
SettingsForm ReadSettingsForm() {
    SettingsForm form = {};
    form.modeButton = ModeButtonForKind(ReadIniInt(SETTING_KIND));
    ReadIniText(SETTING_TEXT_COLOUR, form.bodyColour);
    ReadIniText(SETTING_NAME_COLOUR, form.nameColour);
    form.rewriteDat = ReadIniInt(SETTING_REDAT) == 1;
    form.mailOutput = ReadIniInt(SETTING_MAIL_OUTPUT) == 1;
    form.charsetButton = CharsetButtonForValue(ReadIniInt(SETTING_CHARSET));
    form.openPage = ReadIniInt(SETTING_OPEN_PAGE) == 1;
    form.localLinks = ReadIniInt(SETTING_LOCAL_LINKS) == 1;
    return form;
}

int WriteSettingsForm(const SettingsForm& form) {
    const TextSetting& text = SETTING_TEXT_COLOUR;
    const TextSetting& name = SETTING_NAME_COLOUR;
    bool ok = WriteInt(SETTING_KIND, KindForModeButton(form.modeButton), LOG_KIND_NOT_WRITTEN);
    ok &= Write(text.section, text.key, form.bodyColour, LOG_TEXT_NOT_WRITTEN);
    ok &= Write(name.section, name.key, form.nameColour, LOG_NAME_NOT_WRITTEN);
    ok &= WriteFlag(SETTING_REDAT, form.rewriteDat, LOG_REDAT_NOT_WRITTEN);
    ok &= WriteFlag(SETTING_MAIL_OUTPUT, form.mailOutput, nullptr);
    ok &= WriteInt(SETTING_CHARSET, CharsetForButton(form.charsetButton), LOG_CHARSET_NOT_WRITTEN);
    ok &= WriteFlag(SETTING_OPEN_PAGE, form.openPage, LOG_OPEN_PAGE_NOT_WRITTEN);
    ok &= WriteFlag(SETTING_LOCAL_LINKS, form.localLinks, LOG_LOCAL_LINKS_NOT_WRITTEN);
    return ok ? 1 : 0;
}
