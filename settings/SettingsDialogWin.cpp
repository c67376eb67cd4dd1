#include "settings/SettingsDialogWin.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/TextWin.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "settings/SettingsForm.h"
#include "settings/SettingsTexts.h"
#include "ui/ControlsWin.h"
#include "ui/SourceNames.h"

BOOL(WINAPI* chooseColour)(CHOOSECOLORW* choice) = ChooseColorW;

namespace {

void LogFailure(const char* message, unsigned line) {
    Scriv(SCRIV_ERROR, GetLastError(), message, SOURCE_SET_CONFIG, line);
}

bool IsTicked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void Tick(HWND dialog, int id, bool ticked) {
    if (!CheckDlgButton(dialog, id, ticked ? BST_CHECKED : BST_UNCHECKED)) LogFailure(LOG_CHECK_DLG_BUTTON, __LINE__);
}

// The colour boxes and their buttons serve the two colour modes: greyed
// while the style-sheet mode is chosen.
void GreyColoursForStyleSheet(HWND dialog) {
    const BOOL colours = !IsTicked(dialog, IDC_SET_CSS_MODE);
    for (int id : {IDC_SET_BODY_COLOUR, IDC_SET_CHOOSE_BODY_COLOUR, IDC_SET_NAME_COLOUR, IDC_SET_CHOOSE_NAME_COLOUR})
        EnableWindow(GetDlgItem(dialog, id), colours);
}

// Over the middle of the window that owns it, wholly on that window's screen.
void CentreOnOwner(HWND dialog) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    if (!owner) return;
    RECT box, over;
    GetWindowRect(dialog, &box);
    GetWindowRect(owner, &over);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcWork;
    const LONG width = box.right - box.left, height = box.bottom - box.top;
    LONG left = (over.left + over.right - width) / 2, top = (over.top + over.bottom - height) / 2;
    left = std::max(area.left, std::min(left, area.right - width));
    top = std::max(area.top, std::min(top, area.bottom - height));
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void OpenSettingsDialog(HWND owner, Session& session) {
    if (DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SETTINGS), owner, SettingsDlgProc,
                        reinterpret_cast<LPARAM>(&session)) == -1)
        LogFailure(LOG_DIALOG_BOX_FAILED, __LINE__);
}

bool LoadSettingsIntoDialog(HWND dialog, const char* iniPath) {
    const SettingsForm form = ReadSettingsForm(iniPath);
    HWND mode = FindControl(dialog, form.modeButton);
    if (!mode) {
        LogFailure(LOG_GET_DLG_ITEM, __LINE__);
        return false;
    }
    SendMessageW(mode, BM_SETCHECK, BST_CHECKED, 0);
    SetControlText(dialog, IDC_SET_BODY_COLOUR, form.bodyColour);
    SetControlText(dialog, IDC_SET_NAME_COLOUR, form.nameColour);
    Tick(dialog, IDC_SET_REWRITE_DAT, form.rewriteDat);
    Tick(dialog, IDC_SET_MAIL_OUTPUT, form.mailOutput);
    Tick(dialog, form.charsetButton, true);
    Tick(dialog, IDC_SET_OPEN_PAGE, form.openPage);
    Tick(dialog, IDC_SET_LOCAL_LINKS, form.localLinks);
    Tick(dialog, IDC_SET_REPLY_ORDER, form.replyOrder);
    Tick(dialog, IDC_SET_LINKS, form.links);
    Tick(dialog, IDC_SET_NO_MAIL_LINKS, form.noMailLinks);
    Tick(dialog, IDC_SET_COPY_CSS, form.copyCss);
    Tick(dialog, IDC_SET_ANCHOR_RANGES, form.anchorRanges);
    SetControlText(dialog, IDC_SET_POPULAR, std::to_string(form.popular).c_str());
    return true;
}

bool SaveSettingsFromDialog(HWND dialog, const char* iniPath) {
    if (!FindControl(dialog, IDC_SET_NAME_MODE)) {
        LogFailure(LOG_GET_DLG_ITEM, __LINE__);
        return false;
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
    form.replyOrder = IsTicked(dialog, IDC_SET_REPLY_ORDER);
    form.links = IsTicked(dialog, IDC_SET_LINKS);
    form.noMailLinks = IsTicked(dialog, IDC_SET_NO_MAIL_LINKS);
    form.copyCss = IsTicked(dialog, IDC_SET_COPY_CSS);
    form.anchorRanges = IsTicked(dialog, IDC_SET_ANCHOR_RANGES);
    char popular[16];
    GetControlText(dialog, IDC_SET_POPULAR, popular, sizeof popular);
    form.popular = PopularFromText(popular);
    return WriteSettingsForm(iniPath, form);
}

// The chooser has no owner, so the settings dialog stays usable while it is
// open; its button is disabled meanwhile so that it cannot be opened twice,
// and gets the focus back afterwards (disabled, it lost it, and the dialog
// would hand it to "ｷｬﾝｾﾙ", where Enter closes the dialog).
// Whether it failed or was cancelled is the chooser's own error code to say:
// the thread's last-error value is not 0 after a plain cancel on every system.
bool ChooseColourFor(HWND dialog, int button, ColourChoices& colours) {
    const bool body = button == IDC_SET_CHOOSE_BODY_COLOUR;
    COLORREF& seed = body ? colours.bodySeed : colours.nameSeed;
    HWND pressed = GetDlgItem(dialog, button);
    EnableWindow(pressed, FALSE);

    CHOOSECOLORW choice = {};
    choice.lStructSize = sizeof choice;
    choice.rgbResult = seed;
    choice.lpCustColors = colours.custom;
    choice.Flags = CC_RGBINIT;  // compact: the custom colour part stays closed
    bool result = true;
    if (chooseColour(&choice)) {
        char text[8];
        snprintf(text, sizeof text, COLOUR_TEXT_FORMAT, GetRValue(choice.rgbResult), GetGValue(choice.rgbResult),
                 GetBValue(choice.rgbResult));
        SetControlText(dialog, body ? IDC_SET_BODY_COLOUR : IDC_SET_NAME_COLOUR, text);
        seed = choice.rgbResult;
    } else if (const DWORD code = CommDlgExtendedError()) {
        ScrivEx(SCRIV_ERROR, code, LOG_CHOOSE_COLOR, nullptr);
        result = false;
    }
    EnableWindow(pressed, TRUE);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pressed), TRUE);
    return result;
}

// Nothing is stored but by "適用" and "OK"; every way of closing ends in WM_CLOSE.
INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        LoadSettingsIntoDialog(dialog, reinterpret_cast<Session*>(lParam)->iniPath);
        GreyColoursForStyleSheet(dialog);
        CentreOnOwner(dialog);
        return TRUE;  // the focus goes to the first tab stop, "ｷｬﾝｾﾙ"
    }
    Session* session = reinterpret_cast<Session*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!session) return FALSE;
    switch (message) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_SET_CHOOSE_BODY_COLOUR:
                case IDC_SET_CHOOSE_NAME_COLOUR:
                    ChooseColourFor(dialog, LOWORD(wParam), session->colours);
                    return TRUE;
                case IDC_SET_BODY_MODE:
                case IDC_SET_NAME_MODE:
                case IDC_SET_CSS_MODE:
                    GreyColoursForStyleSheet(dialog);
                    return TRUE;
                case IDC_SET_APPLY:
                    SaveSettingsFromDialog(dialog, session->iniPath);
                    return TRUE;
                case IDC_SET_OK:
                    SaveSettingsFromDialog(dialog, session->iniPath);
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
