#include "tests/win/RealMainDialog.h"

#include <commctrl.h>
#include <shlobj.h>

#include "app/MainDialogWin.h"
#include "platform/TextWin.h"
#include "resources/resource.h"
#include "posts/PostTable.h"

RealMainDialog::RealMainDialog() {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    ClearPostTable(state_.session.posts);  // the table of the dialog before is the same block
    dialog_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN), nullptr, MainDlgProc,
                                 reinterpret_cast<LPARAM>(&state_));
}

RealMainDialog::~RealMainDialog() {
    if (dialog_) DestroyWindow(dialog_);
    // Drop the quit message the destruction posted, so it cannot reach a later test.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

std::wstring RealMainDialog::Text(int id) const {
    wchar_t text[2048] = L"";
    GetDlgItemTextW(dialog_, id, text, 2048);
    return text;
}

void RealMainDialog::SetText(int id, const std::string& shiftJis) {
    SetDlgItemTextW(dialog_, id, ToWide(shiftJis.c_str()).c_str());
}

void RealMainDialog::Command(int id) { SendMessageW(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

void RealMainDialog::Drop(const std::vector<std::string>& shiftJisPaths) {
    std::wstring names;
    for (const std::string& path : shiftJisPaths) names += ToWide(path.c_str()) + L'\0';
    names += L'\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    memcpy(files + 1, names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    SendMessageW(dialog_, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);  // the receiver frees it
}

int RealMainDialog::RowCount(int list) const {
    return static_cast<int>(SendDlgItemMessageW(dialog_, list, LVM_GETITEMCOUNT, 0, 0));
}

std::wstring RealMainDialog::Cell(int list, int row, int column) const {
    wchar_t text[2048] = L"";
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 2048;
    SendDlgItemMessageW(dialog_, list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

void RealMainDialog::Tick(int list, const std::vector<int>& postNumbers) {
    for (int n : postNumbers) ListView_SetCheckState(GetDlgItem(dialog_, list), n - 1, TRUE);
}

std::vector<int> RealMainDialog::Ticked(int list) const {
    std::vector<int> numbers;
    for (int i = 0; i < MAX_POSTS; ++i)
        if (ListView_GetCheckState(GetDlgItem(dialog_, list), i)) numbers.push_back(i + 1);
    return numbers;
}
