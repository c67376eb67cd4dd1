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
#include "select/EmphasisCommands.h"

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
        UpdateMenuItems(dialog);
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
    UpdateMenuItems(dialog);
}

bool TranslateMainKeys(HWND dialog, HACCEL keys, HACCEL listKeys, MSG* message) {
    wchar_t className[16] = L"";
    HWND focus = GetFocus();
    if (focus) GetClassNameW(focus, className, 16);
    const int id = focus && GetParent(focus) == dialog ? GetDlgCtrlID(focus) : 0;
    if ((id == IDC_MAIN_LIST || id == IDC_SUB_LIST) && TranslateAcceleratorW(dialog, listKeys, message)) return true;
    const bool undoKey = message->message == WM_KEYDOWN && message->wParam == 'Z';
    if (undoKey && lstrcmpiW(className, L"Edit") == 0) return false;  // there it undoes typing
    return TranslateAcceleratorW(dialog, keys, message) != 0;
}

void UpdateMenuItems(HWND dialog) {
    const Session& session = StateOf(dialog)->session;
    HMENU menu = GetMenu(dialog);
    EnableMenuItem(menu, IDM_UNDO, MF_BYCOMMAND | (session.canUndo ? MF_ENABLED : MF_GRAYED));
    const UINT loaded = session.loadedLogPath[0] != '\0' ? MF_ENABLED : MF_GRAYED;
    for (int id : EMPHASIS_COMMANDS) EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | loaded);
    for (int id : {IDM_SELECT_STARTER, IDM_SELECT_POPULAR, IDM_SELECT_KEYWORD, IDM_SELECT_REPLIES, IDM_COPY_PAGE})
        EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | loaded);
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
