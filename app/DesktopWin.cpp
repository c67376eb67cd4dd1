#include "app/DesktopWin.h"

#include <shellapi.h>

#include <vector>

#include "app/DialogPortWin.h"
#include "app/MainCommands.h"
#include "app/MainDialogWin.h"
#include "app/MainLayoutWin.h"
#include "platform/TextWin.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"

namespace {

const char LOG_FOLDER_DROPPED[] = "ドロップエラー：フォルダは読み込めません";

// Wide enough that a path too long for the program is refused whole, never
// cut into the name of another file.
const size_t NAMED_PATH_SIZE = 4 * MAX_PATH;

std::vector<char> ShiftJisPath(const wchar_t* path) {
    std::vector<char> narrow(NAMED_PATH_SIZE);
    FromWide(path, narrow.data(), narrow.size());
    return narrow;
}

}  // namespace

void OpenCommandLine(HWND dialog) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments) return;
    if (count >= 2) {
        Win32DialogPort port(dialog);
        OpenNamedFile(StateOf(dialog)->session, port, ShiftJisPath(arguments[1]).data());
        UpdateUndoItem(dialog);
    }
    LocalFree(arguments);
}

static void OpenDroppedFiles(HWND dialog, HDROP drop) {
    std::vector<wchar_t> path(DragQueryFileW(drop, 0, nullptr, 0) + 1);
    const bool named = DragQueryFileW(drop, 0, path.data(), static_cast<UINT>(path.size())) > 0;
    DragFinish(drop);
    if (!named) return;
    const std::vector<char> narrow = ShiftJisPath(path.data());
    const DWORD attributes = GetFileAttributesW(path.data());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ScrivEx(SCRIV_ERROR, 0, LOG_FOLDER_DROPPED, narrow.data());
        return;
    }
    Win32DialogPort port(dialog);
    OpenDroppedFile(StateOf(dialog)->session, port, narrow.data());
    UpdateUndoItem(dialog);
}

bool TranslateMainKey(HWND dialog, HACCEL keys, MSG* message) {
    wchar_t className[16] = L"";
    if (HWND focus = GetFocus()) GetClassNameW(focus, className, 16);
    const bool undoKey = message->message == WM_KEYDOWN && message->wParam == 'Z';
    if (undoKey && lstrcmpiW(className, L"Edit") == 0) return false;
    return TranslateAcceleratorW(dialog, keys, message) != 0;
}

void UpdateUndoItem(HWND dialog) {
    const Session& session = StateOf(dialog)->session;
    EnableMenuItem(GetMenu(dialog), IDM_UNDO, MF_BYCOMMAND | (session.canUndo ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(GetMenu(dialog), IDM_COPY_PAGE, MF_BYCOMMAND | (session.loadedLogPath[0] ? MF_ENABLED : MF_GRAYED));
}

bool HandleDesktopMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!StateOf(dialog)) return false;  // messages of the dialog's creation
    switch (message) {
        case WM_DROPFILES:  // the first file counts; a folder is refused with an error record
            OpenDroppedFiles(dialog, reinterpret_cast<HDROP>(wParam));
            return true;
        case WM_SIZE:
            LayOut(dialog, StateOf(dialog)->layout);
            return true;
        case WM_GETMINMAXINFO:
            KeepSmallest(dialog, StateOf(dialog)->layout, reinterpret_cast<MINMAXINFO*>(lParam));
            return true;
        case WM_DESTROY:  // the window's normal box and state, for the next run
            SavePlacement(dialog, StateOf(dialog)->session.iniPath);
            return false;
        default:
            return false;
    }
}
