#include "app/MainLayoutWin.h"

#include "settings/ProgramIni.h"

#include <algorithm>
#include <cstring>

#include "resources/resource.h"

namespace {

WINDOWPLACEMENT PlacementOf(HWND window) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    return placement;
}

SIZE SizeOf(const RECT& r) { return {r.right - r.left, r.bottom - r.top}; }

// The screen's work area beside the taskbar, of the monitor the window is on.
RECT WorkAreaOf(HWND window) {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

// The template's size, or the work area's where that is smaller: on a small
// screen or at a large scale every button stays on the screen.
SIZE SmallestSize(HWND window, const LayoutState& layout) {
    const SIZE area = SizeOf(WorkAreaOf(window));
    return {std::min(layout.smallest.cx, area.cx), std::min(layout.smallest.cy, area.cy)};
}

// The last run's box, unless it lies off every screen now.
void PutAtLastPlace(HWND dialog, LayoutState& layout, const char* iniPath) {
    Placement last;
    const SIZE smallest = SmallestSize(dialog, layout);
    if (!ReadPlacement(iniPath, last, smallest.cx, smallest.cy)) return;
    const RECT box = {last.box.left, last.box.top, last.box.right, last.box.bottom};
    if (!MonitorFromRect(&box, MONITOR_DEFAULTTONULL)) return;
    WINDOWPLACEMENT placement = PlacementOf(dialog);
    placement.rcNormalPosition = box;
    placement.showCmd = SW_HIDE;
    SetWindowPlacement(dialog, &placement);
    layout.startMaximised = last.maximised;
}

// The client size of the main dialog's template in pixels. The window itself
// may already be smaller: the system keeps a new window within the screen.
SIZE TemplateClientSize(HWND dialog) {
    RECT box;
    HRSRC found = FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN), MAKEINTRESOURCEW(5));  // RT_DIALOG
    const void* bytes = found ? LockResource(LoadResource(nullptr, found)) : nullptr;
    if (!bytes) {
        GetClientRect(dialog, &box);
        return SizeOf(box);
    }
    // DLGTEMPLATEEX: dlgVer, signature, helpID, exStyle, style, cDlgItems, x, y, then cx and cy at 22.
    short size[2];
    memcpy(size, static_cast<const char*>(bytes) + 22, sizeof size);
    box = {0, 0, size[0], size[1]};
    MapDialogRect(dialog, &box);
    return SizeOf(box);
}

}  // namespace

void SetUpLayout(HWND dialog, LayoutState& layout, const char* iniPath) {
    RECT r, client;
    layout.templateClient = TemplateClientSize(dialog);
    GetWindowRect(dialog, &r);
    GetClientRect(dialog, &client);
    layout.smallest = {r.right - r.left - client.right + layout.templateClient.cx,
                       r.bottom - r.top - client.bottom + layout.templateClient.cy};
    static_assert(sizeof layout.initialBoxes / sizeof layout.initialBoxes[0] >= 19, "room for every control that follows");
    for (int i = 0; i < MAIN_LAYOUT_SIZE; ++i) {
        GetWindowRect(GetDlgItem(dialog, MAIN_LAYOUT[i].id), &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        layout.initialBoxes[i] = {r.left, r.top, r.right, r.bottom};
    }
    layout.laidOut = true;

    // Then the whole window on the screen.
    PutAtLastPlace(dialog, layout, iniPath);
    FitWorkArea(dialog);
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

void KeepSmallest(HWND window, const LayoutState& layout, MINMAXINFO* limits) {
    if (!layout.laidOut) return;
    const SIZE smallest = SmallestSize(window, layout);
    limits->ptMinTrackSize = {smallest.cx, smallest.cy};
}

void FitWorkArea(HWND window) {
    const RECT area = WorkAreaOf(window);
    RECT box;
    GetWindowRect(window, &box);
    const LONG width = std::min(box.right - box.left, area.right - area.left);
    const LONG height = std::min(box.bottom - box.top, area.bottom - area.top);
    const LONG left = std::max(area.left, std::min(box.left, area.right - width));
    const LONG top = std::max(area.top, std::min(box.top, area.bottom - height));
    SetWindowPos(window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SavePlacement(HWND dialog, const char* iniPath) {
    if (iniPath[0] == '\0') return;  // the dialog was never initialised
    const WINDOWPLACEMENT placement = PlacementOf(dialog);
    const RECT& r = placement.rcNormalPosition;
    WritePlacement(iniPath, {{r.left, r.top, r.right, r.bottom}, placement.showCmd == SW_SHOWMAXIMIZED || IsZoomed(dialog)});
}
