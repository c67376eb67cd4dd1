#include "app/KeywordDialogWin.h"

#include <vector>

#include "resources/resource.h"

namespace {

std::string Utf8Of(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return "";
    std::vector<char> out(static_cast<size_t>(size));
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
    return out.data();
}

std::wstring EditText(HWND window) {
    HWND edit = GetDlgItem(window, IDC_KEYWORD_TEXT);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit, &text[0], static_cast<int>(text.size()))));
    return text;
}

INT_PTR CALLBACK KeywordProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(window, DWLP_USER, lParam);
            return TRUE;  // the focus goes to the edit box, the first tab stop
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                *reinterpret_cast<std::string*>(GetWindowLongPtrW(window, DWLP_USER)) = Utf8Of(EditText(window));
                EndDialog(window, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) != IDCANCEL) return FALSE;
            EndDialog(window, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

bool AskKeywordWin(HWND owner, std::string& keyword) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_KEYWORD), owner, KeywordProc,
                           reinterpret_cast<LPARAM>(&keyword)) == IDOK;
}
