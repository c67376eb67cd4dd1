#include "app/DesktopWin.h"

#include <shellapi.h>

#include <vector>

#include "app/DialogPortWin.h"
#include "app/MainCommands.h"
#include "app/MainLayout.h"
#include "platform/TextWin.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "select/MarkUndo.h"
#include "settings/ProgramIni.h"

namespace {

const char LOG_FOLDER_DROPPED[] = "ドロップエラー：フォルダは読み込めません";

// Wide enough that a path too long for the program is refused whole, never
// cut into the name of another file.
const size_t NAMED_PATH_SIZE = 4 * MAX_PATH;

// The template's boxes of the controls that follow the window, its client
// size and its window size, which is the smallest the window may take.
bool laidOut = false;
Box initialBoxes[32];
SIZE templateClient, smallest;
bool startMaximised = false;

WINDOWPLACEMENT PlacementOf(HWND window) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    return placement;
}

SIZE SizeOf(const RECT& r) { return {r.right - r.left, r.bottom - r.top}; }

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
        OpenNamedFile(port, ShiftJisPath(arguments[1]).data());
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
        ScrivEx(0, 0, LOG_FOLDER_DROPPED, narrow.data());
        return;
    }
    Win32DialogPort port(dialog);
    OpenDroppedFile(port, narrow.data());
    UpdateUndoItem(dialog);
}

bool TranslateUndoKey(HWND dialog, HACCEL keys, MSG* message) {
    wchar_t className[16] = L"";
    if (HWND focus = GetFocus()) GetClassNameW(focus, className, 16);
    if (lstrcmpiW(className, L"Edit") == 0) return false;
    return TranslateAcceleratorW(dialog, keys, message) != 0;
}

void UpdateUndoItem(HWND dialog) {
    EnableMenuItem(GetMenu(dialog), IDM_UNDO, MF_BYCOMMAND | (CanUndo() ? MF_ENABLED : MF_GRAYED));
}

void SetUpLayout(HWND dialog) {
    RECT r;
    GetClientRect(dialog, &r);
    templateClient = SizeOf(r);
    GetWindowRect(dialog, &r);
    smallest = SizeOf(r);
    static_assert(sizeof initialBoxes / sizeof initialBoxes[0] >= 18, "room for every control that follows");
    for (int i = 0; i < MAIN_LAYOUT_SIZE; ++i) {
        GetWindowRect(GetDlgItem(dialog, MAIN_LAYOUT[i].id), &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        initialBoxes[i] = {r.left, r.top, r.right, r.bottom};
    }
    laidOut = true;

    // The last run's box, unless it lies off every screen now.
    Placement last;
    if (!ReadPlacement(last, smallest.cx, smallest.cy)) return;
    const RECT box = {last.box.left, last.box.top, last.box.right, last.box.bottom};
    if (!MonitorFromRect(&box, MONITOR_DEFAULTTONULL)) return;
    WINDOWPLACEMENT placement = PlacementOf(dialog);
    placement.rcNormalPosition = box;
    placement.showCmd = SW_HIDE;
    SetWindowPlacement(dialog, &placement);
    startMaximised = last.maximised;
}

int StartShowCommand(int showCommand) {
    const bool normal = showCommand == SW_SHOWNORMAL || showCommand == SW_SHOWDEFAULT;
    return startMaximised && normal ? SW_SHOWMAXIMIZED : showCommand;
}

static void LayOut(HWND dialog) {
    if (!laidOut || IsIconic(dialog)) return;
    RECT client;
    GetClientRect(dialog, &client);
    const SIZE size = SizeOf(client);
    HDWP moves = BeginDeferWindowPos(MAIN_LAYOUT_SIZE);
    for (int i = 0; i < MAIN_LAYOUT_SIZE && moves; ++i) {
        const Box b = Place(initialBoxes[i], MAIN_LAYOUT[i], size.cx - templateClient.cx, size.cy - templateClient.cy);
        moves = DeferWindowPos(moves, GetDlgItem(dialog, MAIN_LAYOUT[i].id), nullptr, b.left, b.top, b.right - b.left,
                               b.bottom - b.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves) EndDeferWindowPos(moves);
    InvalidateRect(dialog, nullptr, TRUE);
}

static void KeepSmallest(MINMAXINFO* limits) {
    if (laidOut) limits->ptMinTrackSize = {smallest.cx, smallest.cy};
}

static void SavePlacement(HWND dialog) {
    if (iniPath[0] == '\0') return;  // the dialog was never initialised
    const WINDOWPLACEMENT placement = PlacementOf(dialog);
    const RECT& r = placement.rcNormalPosition;
    WritePlacement({{r.left, r.top, r.right, r.bottom}, placement.showCmd == SW_SHOWMAXIMIZED || IsZoomed(dialog)});
}

bool HandleDesktopMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DROPFILES:  // the first file counts; a folder is refused with an error record
            OpenDroppedFiles(dialog, reinterpret_cast<HDROP>(wParam));
            return true;
        case WM_SIZE:
            LayOut(dialog);
            return true;
        case WM_GETMINMAXINFO:
            KeepSmallest(reinterpret_cast<MINMAXINFO*>(lParam));
            return true;
        case WM_DESTROY:  // the window's normal box and state, for the next run
            SavePlacement(dialog);
            return false;
        default:
            return false;
    }
}
