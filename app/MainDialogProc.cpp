#include "app/MainDialogProc.h"

#include "app/Win32DialogPort.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "ui/MainDialog.h"

INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: {
            InitLog(nullptr);
            Win32DialogPort port(dialog);
            InitMainDialog(port);
            return TRUE;
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            // The button, the system menu and the close box all end through WM_CLOSE.
            if (id == IDC_EXIT) {
                PostMessageW(dialog, WM_CLOSE, 0, 0);
                return TRUE;
            }
            Win32DialogPort port(dialog);
            return RunCommand(port, id) ? TRUE : FALSE;
        }
        case WM_CLOSE:
            DestroyWindow(dialog);
            return TRUE;
        case WM_DESTROY:
            PostQuitMessage(0);
            return TRUE;
        default:
            return FALSE;
    }
}
