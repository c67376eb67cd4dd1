// Every setting a conversion uses, read once by the convert command and
// handed to the writers, which read no setting themselves.
#pragma once

#include "html/HtmlPage.h"
#include "settings/ProgramIni.h"

struct StyleSheetOptions {
    char targetClass[INI_TEXT_SIZE];  // "TARGET_TEXT"; its default when empty
    int tagKind;                      // "TAG_KIND"
    bool groupIds;                    // "SELECT_ID" is 1
};

struct PageOptions {
    int kind;                         // "KIND": KIND_BODY_COLOUR, KIND_NAME_COLOUR or KIND_STYLE_SHEET
    char textColour[INI_TEXT_SIZE];   // "TEXT" of [COLOR], logged when set
    char nameColour[INI_TEXT_SIZE];   // "NAME" of [COLOR], logged when set
    int mailFlag;                     // "MAIL_OUTPUT": non-zero shows mail fields
    StyleSheetOptions styleSheet;     // read only for the style-sheet mode
    PageForm form;                    // "CHARSET", "LOCAL_LINKS", "ORDER", "LINKS" and "MAIL_LINKS", for every mode
};

// From the program INI at iniPath.
StyleSheetOptions ReadStyleSheetOptions(const char* iniPath);
PageOptions ReadPageOptions(const char* iniPath);
