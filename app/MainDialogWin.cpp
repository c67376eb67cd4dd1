#include "app/MainDialogWin.h"

#include <commctrl.h>

#include "app/DesktopWin.h"
#include "app/MainLayoutWin.h"
#include "app/DialogPortWin.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "settings/SettingsDialogWin.h"
#include "settings/VersionWin.h"
#include "app/MainCommands.h"
#include "ui/KeptMarks.h"
#include "ui/PostPreviewWin.h"

namespace {

// Commands that open windows of their own take the dialog itself, not its
// port; they are looked up before the portable commands of RunCommand.
const struct {
    int id;
    int (*handler)(HWND);
} WIN32_COMMANDS[] = {
    {IDM_SETTINGS, OpenSettingsDialog},
    {IDM_VERSION, ShowVersion},
};

// A double-click on a row of either list, or Enter on its focused row, shows its post.
bool ShowPostOfRow(HWND dialog, const NMHDR& header) {
    if (header.idFrom != IDC_MAIN_LIST && header.idFrom != IDC_SUB_LIST) return false;
    if (header.code == NM_DBLCLK)
        ShowPostPreview(dialog, reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
    else if (header.code == NM_RETURN)
        ShowPostPreview(dialog, ListView_GetNextItem(header.hwndFrom, -1, LVNI_FOCUSED));
    else
        return false;
    return true;
}

// The dialog manager in the message loop turns Enter into IDOK before a list
// sees it: on a list, it shows the post of the focused row.
bool ShowPostOfFocusedRow(HWND dialog) {
    HWND focus = GetFocus();
    const int id = GetDlgCtrlID(focus);
    if (GetParent(focus) != dialog || (id != IDC_MAIN_LIST && id != IDC_SUB_LIST)) return false;
    ShowPostPreview(dialog, ListView_GetNextItem(focus, -1, LVNI_FOCUSED));
    return true;
}

}  // namespace

INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (HandleDesktopMessage(dialog, message, wParam, lParam)) return TRUE;
    switch (message) {
        case WM_INITDIALOG: {
            InitLog(nullptr);
            Win32DialogPort port(dialog);
            InitMainDialog(port);
            DragAcceptFiles(dialog, TRUE);
            SetUpLayout(dialog);
            return TRUE;
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            // The button, the system menu and the close box all end through WM_CLOSE.
            if (id == IDC_EXIT) {
                PostMessageW(dialog, WM_CLOSE, 0, 0);
                return TRUE;
            }
            if (id == IDOK && ShowPostOfFocusedRow(dialog)) return TRUE;
            for (const auto& command : WIN32_COMMANDS) {
                if (command.id == id) {
                    command.handler(dialog);
                    return TRUE;
                }
            }
            Win32DialogPort port(dialog);
            const bool ran = RunCommand(port, id);
            UpdateUndoItem(dialog);
            return ran ? TRUE : FALSE;
        }
        case WM_NOTIFY:
            return ShowPostOfRow(dialog, *reinterpret_cast<const NMHDR*>(lParam)) ? TRUE : FALSE;
        case WM_CLOSE: {
            // The button, the system menu, the close box and Alt+F4 all come here.
            Win32DialogPort port(dialog);
            if (MayDiscardListMarks(port)) DestroyWindow(dialog);
            return TRUE;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return TRUE;
        default:
            return FALSE;
    }
}
