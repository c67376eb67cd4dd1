#include "app/DialogPortWin.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/KeywordDialogWin.h"
#include "platform/TextWin.h"
#include "settings/FileChoosersWin.h"
#include "ui/ControlsWin.h"

LRESULT Win32DialogPort::Send(int id, UINT message, WPARAM wParam, LPARAM lParam) {
    for (const Known& known : known_)
        if (known.window && known.id == id) return SendMessageW(known.window, message, wParam, lParam);
    HWND window = GetDlgItem(dialog_, id);
    if (!window) return SendDlgItemMessageW(dialog_, id, message, wParam, lParam);
    known_[nextKnown_] = {id, window};
    nextKnown_ = (nextKnown_ + 1) % 4;
    return SendMessageW(window, message, wParam, lParam);
}

namespace {

// A cell's text in UTF-16 for the list, converted on the stack when it fits
// (a cell is at most 1023 bytes), through ToWide otherwise: the same text.
template <typename Use>
void WithWideText(const char* text, Use use) {
    wchar_t buffer[1024];
    if (MultiByteToWideChar(SHIFT_JIS_CODE_PAGE, 0, text, -1, buffer, 1024) > 0) {
        use(buffer);
        return;
    }
    std::wstring wide = ToWide(text);
    use(&wide[0]);
}

// The screen's dots per inch, which the program's windows follow (its manifest
// declares it aware of them).
int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

bool Win32DialogPort::HasControl(int id) { return FindControl(dialog_, id) != nullptr; }

void Win32DialogPort::GetText(int id, char* out, size_t size) { GetControlText(dialog_, id, out, size); }

void Win32DialogPort::SetText(int id, const char* text) { SetControlText(dialog_, id, text); }

// Grid lines and check boxes, added to the styles the list has.
void Win32DialogPort::ShowAsCheckList(int id) {
    const DWORD added = LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES;
    Send(id, LVM_SETEXTENDEDLISTVIEWSTYLE, added, static_cast<LPARAM>(added));
}

void Win32DialogPort::InsertListColumn(int id, int column, const char* header, int width) {
    std::wstring text = ToWide(header);
    LVCOLUMNW c = {};
    c.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    c.fmt = LVCFMT_LEFT;
    c.cx = MulDiv(width, ScreenDpi(), 96);  // widths are given at 96 dots per inch
    c.pszText = &text[0];
    c.iSubItem = column;
    Send(id, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
}

void Win32DialogPort::DeleteAllRows(int id) { Send(id, LVM_DELETEALLITEMS, 0, 0); }

void Win32DialogPort::InsertRow(int id, int row, const char* text) {
    WithWideText(text, [&](wchar_t* wide) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = wide;
        Send(id, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    });
}

void Win32DialogPort::SetCell(int id, int row, int column, const char* text) {
    WithWideText(text, [&](wchar_t* wide) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.iSubItem = column;
        item.pszText = wide;
        Send(id, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    });
}

// A row's check box is its state image: 2 ticked, 1 not.
void Win32DialogPort::ShowRowTicked(int id, int row, bool ticked) {
    LVITEMW item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(ticked ? 2 : 1);
    Send(id, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// A visible list that repaints after every inserted row makes a load take
// tens of seconds; drawing is suspended for the fill and done once after it.
void Win32DialogPort::SetListRedraw(int id, bool on) {
    Send(id, WM_SETREDRAW, on ? TRUE : FALSE, 0);
    if (on) InvalidateRect(GetDlgItem(dialog_, id), nullptr, TRUE);
}

// Clearing the state of every row visits every row, also in a list just
// filled, where no row is selected or focused: then it is left out.
void Win32DialogPort::ShowListTop(int id) {
    if (Send(id, LVM_GETSELECTEDCOUNT, 0, 0) != 0 || Send(id, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED) != -1) {
        LVITEMW item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        Send(id, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    }
    Send(id, LVM_ENSUREVISIBLE, 0, FALSE);
}

std::vector<int> Win32DialogPort::SelectedRows(int id) {
    std::vector<int> rows;
    for (LRESULT row = Send(id, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED); row >= 0;
         row = Send(id, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))
        rows.push_back(static_cast<int>(row));
    return rows;
}

// The rows' colours and fonts come from the table as they are drawn (app/MainDialogWin).
void Win32DialogPort::RepaintList(int id) { InvalidateRect(GetDlgItem(dialog_, id), nullptr, FALSE); }

bool Win32DialogPort::AskYesNo(const char* text, const char* caption, Icon icon, Default button) {
    const UINT style = MB_YESNO | (button == Default::Yes ? MB_DEFBUTTON1 : MB_DEFBUTTON2) |
                       (icon == Icon::Warning ? MB_ICONWARNING : 0);
    return MessageBoxW(dialog_, ToWide(text).c_str(), ToWide(caption).c_str(), style) == IDYES;
}

// ShellExecuteW reports failure by a value of at most 32, which is not
// always also the thread's last error.
bool Win32DialogPort::OpenWithShell(const char* path) {
    const INT_PTR result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(dialog_, L"open", ToWide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32) return true;
    if (GetLastError() == 0) SetLastError(static_cast<DWORD>(result));
    return false;
}

bool Win32DialogPort::ChooseFile(Chooser kind, char* path, size_t size) {
    return RunFileChooser(dialog_, kind, path, size);
}

bool Win32DialogPort::AskKeyword(std::string& keyword) { return AskKeywordWin(dialog_, keyword); }

// Another program may hold the clipboard for a moment: a few tries.
bool Win32DialogPort::CopyText(const char* utf8) {
    bool open = false;
    for (int attempt = 0; attempt < 5 && !(open = OpenClipboard(dialog_)); ++attempt) Sleep(20);
    if (!open) return false;
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    HGLOBAL memory = length > 0 ? GlobalAlloc(GMEM_MOVEABLE, sizeof(wchar_t) * static_cast<size_t>(length)) : nullptr;
    bool copied = false;
    if (void* wide = memory ? GlobalLock(memory) : nullptr) {
        MultiByteToWideChar(CP_UTF8, 0, utf8, -1, static_cast<wchar_t*>(wide), length);
        GlobalUnlock(memory);
        copied = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
    }
    const DWORD error = GetLastError();
    if (!copied && memory) GlobalFree(memory);  // the clipboard owns it once set
    CloseClipboard();
    SetLastError(copied ? 0 : error);
    return copied;
}
