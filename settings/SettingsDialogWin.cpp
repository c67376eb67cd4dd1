#include "settings/SettingsDialogWin.h"

#include <cstdio>
#include <vector>

#include "platform/TextWin.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "settings/SettingsForm.h"
#include "settings/SettingsTexts.h"
#include "ui/ControlsWin.h"
#include "ui/SourceNames.h"

namespace {
const COLORREF RED = RGB(255, 0, 0);
const COLORREF BLUE = RGB(0, 0, 255);
}  // namespace

COLORREF bodyColourSeed = RED;
COLORREF nameColourSeed = BLUE;
COLORREF customColours[16];  // black
BOOL(WINAPI* chooseColour)(CHOOSECOLORW* choice) = ChooseColorW;

namespace {

void LogFailure(const char* message, unsigned line) {
    Scriv(0, GetLastError(), message, SOURCE_SET_CONFIG, line);
}

bool IsTicked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void Tick(HWND dialog, int id, bool ticked) {
    if (!CheckDlgButton(dialog, id, ticked ? BST_CHECKED : BST_UNCHECKED)) LogFailure(LOG_CHECK_DLG_BUTTON, __LINE__);
}

}  // namespace

void ResetColourChoosers() {
    bodyColourSeed = RED;
    nameColourSeed = BLUE;
    for (COLORREF& colour : customColours) colour = 0;
}

int OpenSettingsDialog(HWND owner) {
    if (DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SETTINGS), owner, SettingsDlgProc, 0) == -1)
        LogFailure(LOG_DIALOG_BOX_FAILED, __LINE__);
    return 1;
}

int LoadSettingsIntoDialog(HWND dialog) {
    ProgramIniPath(iniPath, sizeof iniPath);
    const SettingsForm form = ReadSettingsForm();
    HWND mode = FindControl(dialog, form.modeButton);
    if (!mode) {
        LogFailure(LOG_GET_DLG_ITEM, __LINE__);
        return 0;
    }
    SendMessageW(mode, BM_SETCHECK, BST_CHECKED, 0);
    SetControlText(dialog, IDC_SET_BODY_COLOUR, form.bodyColour);
    SetControlText(dialog, IDC_SET_NAME_COLOUR, form.nameColour);
    Tick(dialog, IDC_SET_REWRITE_DAT, form.rewriteDat);
    Tick(dialog, IDC_SET_MAIL_OUTPUT, form.mailOutput);
    Tick(dialog, form.charsetButton, true);
    Tick(dialog, IDC_SET_OPEN_PAGE, form.openPage);
    Tick(dialog, IDC_SET_LOCAL_LINKS, form.localLinks);
    return 1;
}

int SaveSettingsFromDialog(HWND dialog) {
    if (!FindControl(dialog, IDC_SET_NAME_MODE)) {
        LogFailure(LOG_GET_DLG_ITEM, __LINE__);
        return 0;
    }
    SettingsForm form = {};
    // The buttons are exclusive; with none selected the body colour mode is stored.
    form.modeButton = IsTicked(dialog, IDC_SET_NAME_MODE) ? IDC_SET_NAME_MODE
                      : IsTicked(dialog, IDC_SET_CSS_MODE) ? IDC_SET_CSS_MODE
                                                            : IDC_SET_BODY_MODE;
    GetControlText(dialog, IDC_SET_BODY_COLOUR, form.bodyColour, sizeof form.bodyColour);
    GetControlText(dialog, IDC_SET_NAME_COLOUR, form.nameColour, sizeof form.nameColour);
    form.rewriteDat = IsTicked(dialog, IDC_SET_REWRITE_DAT);
    form.mailOutput = IsTicked(dialog, IDC_SET_MAIL_OUTPUT);
    form.charsetButton = IsTicked(dialog, IDC_SET_CHARSET_SHIFT_JIS) ? IDC_SET_CHARSET_SHIFT_JIS
                         : IsTicked(dialog, IDC_SET_CHARSET_UTF8)  ? IDC_SET_CHARSET_UTF8
                                                                   : IDC_SET_CHARSET_NONE;
    form.openPage = IsTicked(dialog, IDC_SET_OPEN_PAGE);
    form.localLinks = IsTicked(dialog, IDC_SET_LOCAL_LINKS);
    return WriteSettingsForm(form);
}

// The chooser has no owner, so the settings dialog stays usable while it is
// open; its button is disabled meanwhile so that it cannot be opened twice,
// and gets the focus back afterwards (disabled, it lost it, and the dialog
// would hand it to "ｷｬﾝｾﾙ", where Enter closes the dialog).
// Whether it failed or was cancelled is the chooser's own error code to say:
// the thread's last-error value is not 0 after a plain cancel on every system.
int ChooseColourFor(HWND dialog, int button) {
    const bool body = button == IDC_SET_CHOOSE_BODY_COLOUR;
    COLORREF& seed = body ? bodyColourSeed : nameColourSeed;
    HWND pressed = GetDlgItem(dialog, button);
    EnableWindow(pressed, FALSE);

    CHOOSECOLORW choice = {};
    choice.lStructSize = sizeof choice;
    choice.rgbResult = seed;
    choice.lpCustColors = customColours;
    choice.Flags = CC_RGBINIT;  // compact: the custom colour part stays closed
    int result = 1;
    if (chooseColour(&choice)) {
        char text[8];
        snprintf(text, sizeof text, COLOUR_TEXT_FORMAT, GetRValue(choice.rgbResult), GetGValue(choice.rgbResult),
                 GetBValue(choice.rgbResult));
        SetControlText(dialog, body ? IDC_SET_BODY_COLOUR : IDC_SET_NAME_COLOUR, text);
        seed = choice.rgbResult;
    } else if (const DWORD code = CommDlgExtendedError()) {
        ScrivEx(0, code, LOG_CHOOSE_COLOR, nullptr);
        result = 0;
    }
    EnableWindow(pressed, TRUE);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pressed), TRUE);
    return result;
}

// Nothing is stored but by "適用" and "OK"; every way of closing ends in WM_CLOSE.
INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            LoadSettingsIntoDialog(dialog);
            return TRUE;  // the focus goes to the first tab stop, "ｷｬﾝｾﾙ"
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_SET_CHOOSE_BODY_COLOUR:
                case IDC_SET_CHOOSE_NAME_COLOUR:
                    ChooseColourFor(dialog, LOWORD(wParam));
                    return TRUE;
                case IDC_SET_APPLY:
                    SaveSettingsFromDialog(dialog);
                    return TRUE;
                case IDC_SET_OK:
                    SaveSettingsFromDialog(dialog);
                    PostMessageW(dialog, WM_CLOSE, 0, 0);
                    return TRUE;
                case IDCANCEL:
                    PostMessageW(dialog, WM_CLOSE, 0, 0);
                    return TRUE;
                default:
                    return FALSE;
            }
        case WM_CLOSE:
            EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
    }
}
