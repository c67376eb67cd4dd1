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
    form.replyOrder = ReadIniInt(iniPath, SETTING_ORDER) == 1;
    form.links = ReadIniInt(iniPath, SETTING_LINKS) == 1;
    form.noMailLinks = ReadIniInt(iniPath, SETTING_MAIL_LINKS) == 0;
    form.copyCss = ReadIniInt(iniPath, SETTING_COPY_CSS) == 1;
    form.anchorRanges = ReadIniInt(iniPath, SETTING_ANCHOR_RANGES) == 1;
    form.popular = PopularFromValue(ReadIniInt(iniPath, SETTING_POPULAR));
    return form;
}

int PopularFromValue(int value) {
    return value >= POPULAR_MIN && value <= POPULAR_MAX ? value : SETTING_POPULAR.def;
}

int PopularFromText(const char* text) {
    int value = 0;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9' || value > POPULAR_MAX) return SETTING_POPULAR.def;
        value = value * 10 + (*p - '0');
    }
    return PopularFromValue(value);
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
    ok &= WriteFlag(iniPath, SETTING_ORDER, form.replyOrder, LOG_ORDER_NOT_WRITTEN);
    ok &= WriteFlag(iniPath, SETTING_LINKS, form.links, LOG_LINKS_NOT_WRITTEN);
    ok &= WriteFlag(iniPath, SETTING_MAIL_LINKS, !form.noMailLinks, LOG_MAIL_LINKS_NOT_WRITTEN);
    ok &= WriteFlag(iniPath, SETTING_COPY_CSS, form.copyCss, LOG_COPY_CSS_NOT_WRITTEN);
    ok &= WriteFlag(iniPath, SETTING_ANCHOR_RANGES, form.anchorRanges, LOG_ANCHOR_RANGES_NOT_WRITTEN);
    ok &= WriteInt(iniPath, SETTING_POPULAR, PopularFromValue(form.popular), LOG_POPULAR_NOT_WRITTEN);
    return ok;
}
