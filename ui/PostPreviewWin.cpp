#include "ui/PostPreviewWin.h"

#include <string>

#include "platform/TextWin.h"
#include "posts/PostTable.h"
#include "resources/resource.h"
#include "ui/PostPreview.h"

namespace {

struct Preview {
    const PostRecord& post;
    int row;
};

INT_PTR CALLBACK PreviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            const Preview& preview = *reinterpret_cast<const Preview*>(lParam);
            const int row = preview.row;
            SetWindowTextW(window, (L"レス " + std::to_wstring(row + 1)).c_str());
            HWND text = GetDlgItem(window, IDC_PREVIEW_TEXT);
            SetWindowTextW(text, Utf8ToWide(PostPreviewText(preview.post, row + 1)).c_str());
            // The text has the focus, to scroll by keys, with nothing selected.
            SetFocus(text);
            SendMessageW(text, EM_SETSEL, 0, 0);
            return FALSE;
        }
        case WM_COMMAND:
            // The button is IDOK, the default (Enter); Escape sends IDCANCEL.
            if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) return FALSE;
            EndDialog(window, 0);
            return TRUE;
        case WM_CLOSE:
            EndDialog(window, 0);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void ShowPostPreview(HWND owner, const PostTable& posts, int row) {
    if (row < 0 || row >= MAX_POSTS || !HasPost(posts[row])) return;
    Preview preview = {posts[row], row};
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_POST_PREVIEW), owner, PreviewProc,
                    reinterpret_cast<LPARAM>(&preview));
}
