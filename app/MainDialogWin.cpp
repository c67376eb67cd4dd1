#include "app/MainDialogWin.h"

#include <commctrl.h>

#include <cstdlib>

#include "app/DesktopWin.h"
#include "app/MainLayoutWin.h"
#include "app/DialogPortWin.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "select/Answers.h"
#include "settings/SettingsDialogWin.h"
#include "settings/VersionWin.h"
#include "app/MainCommands.h"
#include "posts/Emphasis.h"
#include "ui/KeptMarks.h"
#include "ui/MarkCounts.h"
#include "ui/TargetLists.h"
#include "ui/PostPreviewWin.h"

namespace {

// Commands that open windows of their own take the dialog itself, not its
// port; they are looked up before the portable commands of RunCommand.
// The column "被参照" counts by the anchor rule, which the settings may change.
void OpenSettings(HWND dialog, Session& session) {
    OpenSettingsDialog(dialog, session);
    Win32DialogPort port(dialog);
    ShowAnswerCounts(session, port, AnswerCells::Every);
}
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

COLORREF ColourOf(int colour) {
    const unsigned long rgb = strtoul(EMPHASIS_COLOUR_CODES[colour] + 1, nullptr, 16);
    return RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Each row, and each of its cells, in its post's colour and bold when bold.
// The font is chosen for every row: the list keeps the one chosen last.
LRESULT DrawRow(const MainDialogState& state, NMLVCUSTOMDRAW& draw) {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    const bool cell = draw.nmcd.dwDrawStage & CDDS_SUBITEM;
    if ((draw.nmcd.dwDrawStage & ~CDDS_SUBITEM) != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    const size_t row = draw.nmcd.dwItemSpec;
    const uint8_t e = row < MAX_POSTS ? state.session.posts[row].emphasis : 0;
    if (EmphasisColour(e)) draw.clrText = ColourOf(EmphasisColour(e));
    const bool bold = IsBold(e) && state.boldFont;
    HFONT plain = reinterpret_cast<HFONT>(SendMessageW(draw.nmcd.hdr.hwndFrom, WM_GETFONT, 0, 0));
    SelectObject(draw.nmcd.hdc, bold ? state.boldFont : plain);
    return cell ? CDRF_NEWFONT : CDRF_NEWFONT | CDRF_NOTIFYSUBITEMDRAW;
}

HFONT BoldFontOf(HWND list) {
    LOGFONTW font = {};
    if (!GetObjectW(reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)), sizeof font, &font)) return nullptr;
    font.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&font);
}

// The 編集 → 強調 menu, which is also the lists' context menu.
HMENU EmphasisMenu(HWND dialog) {
    HMENU edit = GetSubMenu(GetMenu(dialog), 0);
    for (int i = 0; i < GetMenuItemCount(edit); ++i)
        if (HMENU sub = GetSubMenu(edit, i)) return sub;
    return nullptr;
}

// The lists' notifications: a check box changed; a double-click on a row, or
// Enter on its focused row, shows its post; a right click on a row opens the
// emphasis menu; the emphasis commands take the list that got the focus last.
bool HandleListNotification(HWND dialog, MainDialogState& state, NMHDR& header) {
    if (header.idFrom != IDC_MAIN_LIST && header.idFrom != IDC_SUB_LIST) return false;
    Session& session = state.session;
    if (header.code == LVN_ITEMCHANGED) {
        TakeCheckBoxChange(dialog, session, reinterpret_cast<const NMLISTVIEW&>(header));
        return false;  // the list's own handling goes on
    }
    if (header.code == NM_SETFOCUS) {
        session.emphasisList = static_cast<int>(header.idFrom);
        return false;
    }
    if (header.code == NM_CUSTOMDRAW) {
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, DrawRow(state, reinterpret_cast<NMLVCUSTOMDRAW&>(header)));
        return true;
    }
    if (header.code == NM_RCLICK) {
        if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem < 0) return false;
        session.emphasisList = static_cast<int>(header.idFrom);
        POINT at;
        GetCursorPos(&at);
        TrackPopupMenu(EmphasisMenu(dialog), TPM_RIGHTBUTTON, at.x, at.y, 0, dialog, nullptr);
        return true;
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
        state->boldFont = BoldFontOf(GetDlgItem(dialog, IDC_MAIN_LIST));
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
            return HandleListNotification(dialog, *state, *reinterpret_cast<NMHDR*>(lParam)) ? TRUE : FALSE;
        case WM_CLOSE: {
            // The button, the system menu, the close box and Alt+F4 all come here.
            Win32DialogPort port(dialog);
            if (MayDiscardMarks(session, port)) DestroyWindow(dialog);
            return TRUE;
        }
        case WM_DESTROY:
            if (state->boldFont) DeleteObject(state->boldFont);
            state->boldFont = nullptr;
            PostQuitMessage(0);
            return TRUE;
        default:
            return FALSE;
    }
}
