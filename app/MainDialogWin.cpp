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
#include "ui/MarkCounts.h"
#include "ui/TargetLists.h"
#include "ui/PostPreviewWin.h"

namespace {

// Commands that open windows of their own take the dialog itself, not its
// port; they are looked up before the portable commands of RunCommand.
void OpenSettings(HWND dialog, Session& session) { OpenSettingsDialog(dialog, session); }
void OpenVersion(HWND dialog, Session&) { ShowVersion(dialog); }

const struct {
    int id;
    void (*handler)(HWND, Session&);
} WIN32_COMMANDS[] = {
    {IDM_SETTINGS, OpenSettings},
    {IDM_VERSION, OpenVersion},
};

// A row's check box changed: by a click or Space, or by a command showing a
// mark the table holds already. Either way the table takes what the row shows;
// a change by hand is counted at once (commands count once they end).
void TakeCheckBoxChange(HWND dialog, Session& session, const NMLISTVIEW& change) {
    if (!(change.uChanged & LVIF_STATE) || change.iItem < 0) return;
    const UINT image = change.uNewState & LVIS_STATEIMAGEMASK;
    if (image == (change.uOldState & LVIS_STATEIMAGEMASK) || image == 0) return;
    if (TakeRowTick(session.posts, static_cast<int>(change.hdr.idFrom), change.iItem, image == INDEXTOSTATEIMAGEMASK(2))) {
        Win32DialogPort port(dialog);
        ShowMarkCounts(session, port);
    }
}

// The lists' notifications: a check box changed; a double-click on a row, or
// Enter on its focused row, shows its post.
bool HandleListNotification(HWND dialog, Session& session, const NMHDR& header) {
    if (header.idFrom != IDC_MAIN_LIST && header.idFrom != IDC_SUB_LIST) return false;
    if (header.code == LVN_ITEMCHANGED) {
        TakeCheckBoxChange(dialog, session, reinterpret_cast<const NMLISTVIEW&>(header));
        return false;  // the list's own handling goes on
    }
    if (header.code == NM_DBLCLK)
        ShowPostPreview(dialog, session.posts, reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
    else if (header.code == NM_RETURN)
        ShowPostPreview(dialog, session.posts, ListView_GetNextItem(header.hwndFrom, -1, LVNI_FOCUSED));
    else
        return false;
    return true;
}

// The dialog manager in the message loop turns Enter into IDOK before a list
// sees it: on a list, it shows the post of the focused row.
bool ShowPostOfFocusedRow(HWND dialog, const Session& session) {
    HWND focus = GetFocus();
    const int id = GetDlgCtrlID(focus);
    if (GetParent(focus) != dialog || (id != IDC_MAIN_LIST && id != IDC_SUB_LIST)) return false;
    ShowPostPreview(dialog, session.posts, ListView_GetNextItem(focus, -1, LVNI_FOCUSED));
    return true;
}

}  // namespace

MainDialogState* StateOf(HWND dialog) {
    return reinterpret_cast<MainDialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* state = reinterpret_cast<MainDialogState*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        InitLog(nullptr);
        Win32DialogPort port(dialog);
        InitMainDialog(state->session, port);
        DragAcceptFiles(dialog, TRUE);
        SetUpLayout(dialog, state->layout, state->session.iniPath);
        return TRUE;
    }
    MainDialogState* state = StateOf(dialog);
    if (!state) return FALSE;  // messages of the dialog's creation
    Session& session = state->session;
    if (HandleDesktopMessage(dialog, message, wParam, lParam)) return TRUE;
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            // The button, the system menu and the close box all end through WM_CLOSE.
            if (id == IDC_EXIT) {
                PostMessageW(dialog, WM_CLOSE, 0, 0);
                return TRUE;
            }
            if (id == IDOK && ShowPostOfFocusedRow(dialog, session)) return TRUE;
            for (const auto& command : WIN32_COMMANDS) {
                if (command.id == id) {
                    command.handler(dialog, session);
                    return TRUE;
                }
            }
            Win32DialogPort port(dialog);
            const bool ran = RunCommand(session, port, id);
            UpdateMenuItems(dialog);
            return ran ? TRUE : FALSE;
        }
        case WM_NOTIFY:
            return HandleListNotification(dialog, session, *reinterpret_cast<const NMHDR*>(lParam)) ? TRUE : FALSE;
        case WM_CLOSE: {
            // The button, the system menu, the close box and Alt+F4 all come here.
            Win32DialogPort port(dialog);
            if (MayDiscardMarks(session, port)) DestroyWindow(dialog);
            return TRUE;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return TRUE;
        default:
            return FALSE;
    }
}
