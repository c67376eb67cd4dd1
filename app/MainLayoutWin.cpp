#include "app/MainLayoutWin.h"

#include "settings/ProgramIni.h"

namespace {

WINDOWPLACEMENT PlacementOf(HWND window) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    return placement;
}

SIZE SizeOf(const RECT& r) { return {r.right - r.left, r.bottom - r.top}; }

}  // namespace

void SetUpLayout(HWND dialog, LayoutState& layout, const char* iniPath) {
    RECT r;
    GetClientRect(dialog, &r);
    layout.templateClient = SizeOf(r);
    GetWindowRect(dialog, &r);
    layout.smallest = SizeOf(r);
    static_assert(sizeof layout.initialBoxes / sizeof layout.initialBoxes[0] >= 19, "room for every control that follows");
    for (int i = 0; i < MAIN_LAYOUT_SIZE; ++i) {
        GetWindowRect(GetDlgItem(dialog, MAIN_LAYOUT[i].id), &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        layout.initialBoxes[i] = {r.left, r.top, r.right, r.bottom};
    }
    layout.laidOut = true;

    // The last run's box, unless it lies off every screen now.
    Placement last;
    if (!ReadPlacement(iniPath, last, layout.smallest.cx, layout.smallest.cy)) return;
    const RECT box = {last.box.left, last.box.top, last.box.right, last.box.bottom};
    if (!MonitorFromRect(&box, MONITOR_DEFAULTTONULL)) return;
    WINDOWPLACEMENT placement = PlacementOf(dialog);
    placement.rcNormalPosition = box;
    placement.showCmd = SW_HIDE;
    SetWindowPlacement(dialog, &placement);
    layout.startMaximised = last.maximised;
}

int StartShowCommand(const LayoutState& layout, int showCommand) {
    const bool normal = showCommand == SW_SHOWNORMAL || showCommand == SW_SHOWDEFAULT;
    return layout.startMaximised && normal ? SW_SHOWMAXIMIZED : showCommand;
}

void LayOut(HWND dialog, const LayoutState& layout) {
    if (!layout.laidOut || IsIconic(dialog)) return;
    RECT client;
    GetClientRect(dialog, &client);
    const SIZE size = SizeOf(client);
    HDWP moves = BeginDeferWindowPos(MAIN_LAYOUT_SIZE);
    for (int i = 0; i < MAIN_LAYOUT_SIZE && moves; ++i) {
        const Box b = Place(layout.initialBoxes[i], MAIN_LAYOUT[i], size.cx - layout.templateClient.cx,
                            size.cy - layout.templateClient.cy);
        moves = DeferWindowPos(moves, GetDlgItem(dialog, MAIN_LAYOUT[i].id), nullptr, b.left, b.top, b.right - b.left,
                               b.bottom - b.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves) EndDeferWindowPos(moves);
    InvalidateRect(dialog, nullptr, TRUE);
}

void KeepSmallest(const LayoutState& layout, MINMAXINFO* limits) {
    if (layout.laidOut) limits->ptMinTrackSize = {layout.smallest.cx, layout.smallest.cy};
}

void SavePlacement(HWND dialog, const char* iniPath) {
    if (iniPath[0] == '\0') return;  // the dialog was never initialised
    const WINDOWPLACEMENT placement = PlacementOf(dialog);
    const RECT& r = placement.rcNormalPosition;
    WritePlacement(iniPath, {{r.left, r.top, r.right, r.bottom}, placement.showCmd == SW_SHOWMAXIMIZED || IsZoomed(dialog)});
}
