#include "app/MainLayoutWin.h"

#include "app/MainLayout.h"
#include "settings/ProgramIni.h"

namespace {

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

}  // namespace

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

void LayOut(HWND dialog) {
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

void KeepSmallest(MINMAXINFO* limits) {
    if (laidOut) limits->ptMinTrackSize = {smallest.cx, smallest.cy};
}

void SavePlacement(HWND dialog) {
    if (iniPath[0] == '\0') return;  // the dialog was never initialised
    const WINDOWPLACEMENT placement = PlacementOf(dialog);
    const RECT& r = placement.rcNormalPosition;
    WritePlacement({{r.left, r.top, r.right, r.bottom}, placement.showCmd == SW_SHOWMAXIMIZED || IsZoomed(dialog)});
}
