#include "ui/ControlsWin.h"

#include <vector>

#include "platform/TextWin.h"

HWND FindControl(HWND dialog, int id) {
    SetLastError(ERROR_SUCCESS);
    return GetDlgItem(dialog, id);
}

void GetControlText(HWND dialog, int id, char* out, size_t size) {
    if (size == 0) return;
    HWND control = GetDlgItem(dialog, id);
    const int length = control ? GetWindowTextLengthW(control) : 0;
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    if (control) GetWindowTextW(control, text.data(), length + 1);
    FromWide(text.data(), out, size);
}

void SetControlText(HWND dialog, int id, const char* text) { SetDlgItemTextW(dialog, id, ToWide(text).c_str()); }
