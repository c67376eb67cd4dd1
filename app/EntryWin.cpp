// The program's entry: the main dialog, modeless, and the message loop.
#include <windows.h>
#include <commctrl.h>

#include "app/DesktopWin.h"
#include "app/MainLayoutWin.h"
#include "app/MainDialogWin.h"
#include "resources/resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    // The list views of the dialog template need the list-view class.
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);

    MainDialogState state(StaticPostTable());
    HWND dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, MainDlgProc,
                                     reinterpret_cast<LPARAM>(&state));
    if (!dialog) {
        MessageBoxW(nullptr, L"ダイアログ生成失敗", L"エラー", MB_ICONERROR | MB_OK);
        return 0;
    }
    ShowWindow(dialog, StartShowCommand(state.layout, showCommand));
    UpdateWindow(dialog);
    OpenCommandLine(dialog);

    // The dialog manager moves the focus with Tab and the arrows; Enter and
    // Escape reach the procedure as IDOK and IDCANCEL, ids without a command.
    HACCEL keys = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_MAIN_KEYS));
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateMainKey(dialog, keys, &message) || IsDialogMessageW(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
