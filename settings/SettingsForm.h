// The settings dialog's controls as plain values, and how they map to the
// program INI. The Win32 dialog only moves this struct into and out of its
// controls; every rule about values lives here.
#pragma once

#include "settings/ProgramIni.h"

struct SettingsForm {
    int modeButton;                  // the selected output-mode radio button (resources/resource.h)
    char bodyColour[INI_TEXT_SIZE];  // edit texts, as typed
    char nameColour[INI_TEXT_SIZE];
    bool rewriteDat;                 // check boxes
    bool mailOutput;
    int charsetButton;               // the selected character-set radio button
    bool openPage;                   // check boxes
    bool localLinks;
    bool replyOrder;
    bool links;
    bool noMailLinks;                // ticked: "MAIL_LINKS" 0
    bool copyCss;
    bool anchorRanges;
    int popular;                     // the number box, POPULAR_MIN to POPULAR_MAX
};

// The popular posts' number as read from the INI or typed: a number outside
// POPULAR_MIN to POPULAR_MAX (or none) is the default.
int PopularFromText(const char* text);
int PopularFromValue(int value);

// The output-mode button shown for a "KIND" value, and the value stored for a button.
int ModeButtonForKind(int kind);
int KindForModeButton(int button);
// The character-set button shown for a "CHARSET" value, and the value stored for a button.
int CharsetButtonForValue(int charset);
int CharsetForButton(int button);

// The form for the program INI at iniPath.
SettingsForm ReadSettingsForm(const char* iniPath);

// Writes the settings of the form to the program INI at iniPath. A failed write is
// logged and the remaining writes still take place. True when all succeeded.
bool WriteSettingsForm(const char* iniPath, const SettingsForm& form);
