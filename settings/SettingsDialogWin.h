// The settings dialog (IDD_SETTINGS) and its colour choosers.
#pragma once

#include <windows.h>
#include <commdlg.h>

// Runs the dialog modally, owned by owner, until it is closed. Returns 1.
int OpenSettingsDialog(HWND owner);

// Fills the controls from the program INI, whose path is derived afresh.
// 0 when the output-mode button is missing (the other controls stay empty).
int LoadSettingsIntoDialog(HWND dialog);

// Stores the controls into the program INI. 1 when every write succeeded.
int SaveSettingsFromDialog(HWND dialog);

// Opens the colour chooser for button IDC_SET_CHOOSE_BODY_COLOUR or
// IDC_SET_CHOOSE_NAME_COLOUR and puts the chosen colour into its edit as
// "#RRGGBB". 1 after a choice or a cancel, 0 when the chooser failed.
int ChooseColourFor(HWND dialog, int button);

INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The colour choosers' memory for the whole run: the colour each button
// offers first (initially red and blue) and the 16 custom colours.
extern COLORREF bodyColourSeed;
extern COLORREF nameColourSeed;
extern COLORREF customColours[16];
void ResetColourChoosers();  // back to the start of a run (tests)

// The system's colour chooser in use; tests replace it to make it fail.
extern BOOL(WINAPI* chooseColour)(CHOOSECOLORW* choice);
