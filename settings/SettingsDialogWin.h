// The settings dialog (IDD_SETTINGS) and its colour choosers.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include "posts/Session.h"

// Runs the dialog modally, owned by owner, until it is closed, over the
// session's program INI and colour choices.
void OpenSettingsDialog(HWND owner, Session& session);

// Fills the controls from the program INI at iniPath. False when the
// output-mode button is missing (the other controls stay empty).
bool LoadSettingsIntoDialog(HWND dialog, const char* iniPath);

// Stores the controls into the program INI at iniPath. True when every write succeeded.
bool SaveSettingsFromDialog(HWND dialog, const char* iniPath);

// Opens the colour chooser for button IDC_SET_CHOOSE_BODY_COLOUR or
// IDC_SET_CHOOSE_NAME_COLOUR, starting from the colours of the run, and puts
// the chosen colour into its edit as "#RRGGBB". False when the chooser failed.
bool ChooseColourFor(HWND dialog, int button, ColourChoices& colours);

// lParam: the Session the dialog works on.
INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The system's colour chooser in use; tests replace it to make it fail.
extern BOOL(WINAPI* chooseColour)(CHOOSECOLORW* choice);
