// The program INI "Harvo.ini" beside the executable: every setting of the
// program's own commands. Nothing caches a value: each command reads what it
// needs when it runs.
#pragma once

#include <cstddef>

#include "platform/Platform.h"

const int INI_TEXT_SIZE = 256;  // a text setting holds at most 255 bytes

// The executable's drive and folder followed by "Harvo.ini".
void ProgramIniPath(char* out, size_t size);

// The three operations on the program INI at iniPath.
int ReadIniInt(const char* iniPath, const char* section, const char* key, int def);
void ReadIniText(const char* iniPath, const char* section, const char* key, const char* def,
                 char (&out)[INI_TEXT_SIZE]);
// False when the file cannot be written; the last-error value says why.
bool WriteIniText(const char* iniPath, const char* section, const char* key, const char* value);

// Every setting of the program INI, with the default that applies when the
// file or the key is missing. Which values count as on is each reader's rule.
struct IntSetting {
    const char* section;
    const char* key;
    int def;
};
struct TextSetting {
    const char* section;
    const char* key;
    const char* def;
};

const IntSetting SETTING_KIND = {"EXCHANGE", "KIND", 0};
// The output modes "KIND" names; any value but 1 and 99 is the body colour mode.
const int KIND_BODY_COLOUR = 0;
const int KIND_NAME_COLOUR = 1;
const int KIND_STYLE_SHEET = 99;
const IntSetting SETTING_MAIL_OUTPUT = {"EXCHANGE", "MAIL_OUTPUT", 0};
const IntSetting SETTING_REDAT = {"EXCHANGE", "REDAT", 0};
const TextSetting SETTING_TEXT_COLOUR = {"COLOR", "TEXT", ""};
const TextSetting SETTING_NAME_COLOUR = {"COLOR", "NAME", ""};
const IntSetting SETTING_TAG_KIND = {"CSS", "TAG_KIND", 0};
const TextSetting SETTING_TARGET_TEXT = {"CSS", "TARGET_TEXT", "hvTargetText"};
const IntSetting SETTING_SELECT_ID = {"CSS", "SELECT_ID", 0};
const IntSetting SETTING_SUBCHECK = {"OPTION", "SUBCHECK", 0};
// The page's character set; any value but 1 and 2 is Shift_JIS without a declaration.
const IntSetting SETTING_CHARSET = {"EXCHANGE", "CHARSET", 0};
const int CHARSET_UNDECLARED = 0;
const int CHARSET_SHIFT_JIS = 1;
const int CHARSET_UTF8 = 2;
const IntSetting SETTING_OPEN_PAGE = {"OPTION", "OPEN_PAGE", 0};      // 1: open the page after a conversion
const IntSetting SETTING_LOCAL_LINKS = {"OPTION", "LOCAL_LINKS", 0};  // 1: reply links point inside the page
const IntSetting SETTING_ORDER = {"OPTION", "ORDER", 0};              // 1: replies follow what they answer
const IntSetting SETTING_COPY_CSS = {"OPTION", "COPY_CSS", 0};        // 1: Harvo.css is put beside the page
const IntSetting SETTING_ANCHOR_RANGES = {"OPTION", "ANCHOR_RANGES", 0};  // 1: ">>2-5" and ">>2,5" name every post
const IntSetting SETTING_POPULAR = {"OPTION", "POPULAR", 3};          // answers that make a post popular, 1 to 99
const int POPULAR_MIN = 1, POPULAR_MAX = 99;
const IntSetting SETTING_LINKS = {"OPTION", "LINKS", 0};              // 1: addresses become links and images
const IntSetting SETTING_MAIL_LINKS = {"OPTION", "MAIL_LINKS", 1};    // 0: names are not linked to their mail
// The main window's normal box and state at the end of the last run, written
// at every close. No default means anything: they stay out of INT_SETTINGS
// and of the release's Harvo.ini, and a missing or too small size is no size.
const IntSetting SETTING_WINDOW_LEFT = {"WINDOW", "LEFT", 0};
const IntSetting SETTING_WINDOW_TOP = {"WINDOW", "TOP", 0};
const IntSetting SETTING_WINDOW_WIDTH = {"WINDOW", "WIDTH", 0};
const IntSetting SETTING_WINDOW_HEIGHT = {"WINDOW", "HEIGHT", 0};
const IntSetting SETTING_WINDOW_MAXIMIZED = {"WINDOW", "MAXIMIZED", 0};

// Every setting, for what must know them all (the settings file of the release).
const IntSetting INT_SETTINGS[] = {SETTING_KIND,      SETTING_MAIL_OUTPUT, SETTING_REDAT,         SETTING_TAG_KIND,
                                   SETTING_SELECT_ID, SETTING_SUBCHECK,    SETTING_CHARSET,       SETTING_OPEN_PAGE,
                                   SETTING_LOCAL_LINKS, SETTING_ORDER,     SETTING_COPY_CSS,      SETTING_ANCHOR_RANGES,
                                   SETTING_POPULAR,   SETTING_LINKS,       SETTING_MAIL_LINKS};
const TextSetting TEXT_SETTINGS[] = {SETTING_TEXT_COLOUR, SETTING_NAME_COLOUR, SETTING_TARGET_TEXT};

inline int ReadIniInt(const char* iniPath, const IntSetting& setting) {
    return ReadIniInt(iniPath, setting.section, setting.key, setting.def);
}
inline void ReadIniText(const char* iniPath, const TextSetting& setting, char (&out)[INI_TEXT_SIZE]) {
    ReadIniText(iniPath, setting.section, setting.key, setting.def, out);
}
