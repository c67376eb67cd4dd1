#include "html/PageOptions.h"

#include <cstring>

#include "scriv/Scriv.h"

namespace {

const char LOG_TEXT_COLOUR[] = "本文カラー";
const char LOG_NAME_COLOUR[] = "名前カラー";

// The colour setting, logged when set: every mode reads and logs both.
void ReadColour(const TextSetting& setting, const char* logText, char (&colour)[INI_TEXT_SIZE]) {
    ReadIniText(setting, colour);
    if (colour[0]) ScrivEx(1, 0, logText, colour);
}

}  // namespace

StyleSheetOptions ReadStyleSheetOptions() {
    StyleSheetOptions options = {};
    options.groupIds = ReadIniInt(SETTING_SELECT_ID) == 1;
    ReadIniText(SETTING_TARGET_TEXT, options.targetClass);
    if (options.targetClass[0] == '\0') strcpy(options.targetClass, SETTING_TARGET_TEXT.def);
    options.tagKind = ReadIniInt(SETTING_TAG_KIND);
    return options;
}

PageOptions ReadPageOptions() {
    PageOptions options = {};
    ReadColour(SETTING_TEXT_COLOUR, LOG_TEXT_COLOUR, options.textColour);
    ReadColour(SETTING_NAME_COLOUR, LOG_NAME_COLOUR, options.nameColour);
    options.mailFlag = ReadIniInt(SETTING_MAIL_OUTPUT);
    options.kind = ReadIniInt(SETTING_KIND);
    if (options.kind == KIND_STYLE_SHEET) options.styleSheet = ReadStyleSheetOptions();
    options.form.charset = ReadIniInt(SETTING_CHARSET);
    options.form.localLinks = ReadIniInt(SETTING_LOCAL_LINKS) == 1;
    return options;
}
