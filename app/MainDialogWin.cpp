#include "app/MainDialogWin.h"

#include "app/DesktopWin.h"
#include "app/MainLayoutWin.h"
#include "app/DialogPortWin.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "settings/SettingsDialogWin.h"
#include "settings/VersionWin.h"
#include "app/MainCommands.h"

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
