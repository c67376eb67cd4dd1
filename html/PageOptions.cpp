#include "html/PageOptions.h"

#include <cstring>

#include "scriv/Scriv.h"

namespace {

const char LOG_TEXT_COLOUR[] = "本文カラー";
const char LOG_NAME_COLOUR[] = "名前カラー";

// The colour setting, logged when set: every mode reads and logs both.
void ReadColour(const char* iniPath, const TextSetting& setting, const char* logText, char (&colour)[INI_TEXT_SIZE]) {
    ReadIniText(iniPath, setting, colour);
    if (colour[0]) ScrivEx(SCRIV_TRACE, 0, logText, colour);
}

}  // namespace

StyleSheetOptions ReadStyleSheetOptions(const char* iniPath) {
    StyleSheetOptions options = {};
    options.groupIds = ReadIniInt(iniPath, SETTING_SELECT_ID) == 1;
    ReadIniText(iniPath, SETTING_TARGET_TEXT, options.targetClass);
    if (options.targetClass[0] == '\0') strcpy(options.targetClass, SETTING_TARGET_TEXT.def);
    options.tagKind = ReadIniInt(iniPath, SETTING_TAG_KIND);
    return options;
}

PageOptions ReadPageOptions(const char* iniPath) {
    PageOptions options = {};
    ReadColour(iniPath, SETTING_TEXT_COLOUR, LOG_TEXT_COLOUR, options.textColour);
    ReadColour(iniPath, SETTING_NAME_COLOUR, LOG_NAME_COLOUR, options.nameColour);
    options.mailFlag = ReadIniInt(iniPath, SETTING_MAIL_OUTPUT);
    options.kind = ReadIniInt(iniPath, SETTING_KIND);
    if (options.kind == KIND_STYLE_SHEET) options.styleSheet = ReadStyleSheetOptions(iniPath);
    options.form.charset = ReadIniInt(iniPath, SETTING_CHARSET);
    options.form.localLinks = ReadIniInt(iniPath, SETTING_LOCAL_LINKS) == 1;
    options.form.replyOrder = ReadIniInt(iniPath, SETTING_ORDER) == 1;
    options.form.links = ReadIniInt(iniPath, SETTING_LINKS) == 1;
    options.form.mailLinks = ReadIniInt(iniPath, SETTING_MAIL_LINKS) != 0;
    return options;
}
