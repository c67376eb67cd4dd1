// The main window as it grows past its template size: where each control
// goes, and the size and place kept in the program INI for the next run.
#pragma once

struct Box {
    int left, top, right, bottom;
};

// How a control follows the window: its edges take a share of the extra
// width (0 or 1) and of the extra height (0, the upper half, or all of it).
enum class Height { None, UpperHalf, All };
struct Follow {
    int id;
    int left, right;
    Height top, bottom;
};

// The controls that move or grow; every other one stays where it is.
extern const Follow MAIN_LAYOUT[];
extern const int MAIN_LAYOUT_SIZE;

// Where a control of the template box initial goes when the window is
// width and height larger than its template (smaller, when they are negative).
Box Place(const Box& initial, const Follow& follow, int width, int height);

// The section "WINDOW": the normal (not maximised) box of the last run and
// whether it was maximised.
struct Placement {
    Box box;
    bool maximised;
};
// In the program INI at iniPath. False when it holds none, or one smaller
// than minWidth x minHeight.
bool ReadPlacement(const char* iniPath, Placement& placement, int minWidth, int minHeight);
void WritePlacement(const char* iniPath, const Placement& placement);
