#include "app/MainLayout.h"

#include <cstdio>

#include "platform/Platform.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "settings/ProgramIni.h"
#include "ui/SourceNames.h"

// The lists grow in width and share the extra height, the main list taking
// the upper half; the column of buttons keeps its distance to the right
// edge, the status line, its counts and "終了" theirs to the bottom. Smaller
// than its template (a screen too small for it), the window takes the height
// from the sub list alone: the main list stays as tall as the column of
// buttons beside it.
const Follow MAIN_LAYOUT[] = {
    {IDC_LOG_PATH, 0, 1, Height::None, Height::None},
    {IDC_CHOOSE_LOG, 1, 1, Height::None, Height::None},
    {IDC_LOAD, 1, 1, Height::None, Height::None},
    {IDC_OUTPUT_PATH, 0, 1, Height::None, Height::None},
    {IDC_CHOOSE_OUTPUT, 1, 1, Height::None, Height::None},
    {IDC_MAIN_LIST, 0, 1, Height::None, Height::UpperHalf},
    {IDC_RANGE_START, 1, 1, Height::None, Height::None},
    {IDC_RANGE_TILDE, 1, 1, Height::None, Height::None},
    {IDC_RANGE_END, 1, 1, Height::None, Height::None},
    {IDC_CLEAR_RANGE, 1, 1, Height::None, Height::None},
    {IDC_SAME_TRIP, 1, 1, Height::None, Height::None},
    {IDC_SAME_ID, 1, 1, Height::None, Height::None},
    {IDC_REFERENCED, 1, 1, Height::None, Height::None},
    {IDC_CONVERT, 1, 1, Height::None, Height::None},
    {IDC_SUB_LABEL, 0, 0, Height::UpperHalf, Height::UpperHalf},
    {IDC_SUB_LIST, 0, 1, Height::UpperHalf, Height::All},
    {IDC_STATUS, 0, 1, Height::All, Height::All},
    {IDC_MARK_COUNTS, 1, 1, Height::All, Height::All},
    {IDC_EXIT, 1, 1, Height::All, Height::All},
};
const int MAIN_LAYOUT_SIZE = sizeof MAIN_LAYOUT / sizeof MAIN_LAYOUT[0];

namespace {

const char LOG_WRITE_FAILED[] = "Error：WritePrivateProfileString()";

int Share(Height share, int height) {
    if (height < 0) return share == Height::All ? height : 0;
    return share == Height::None ? 0 : share == Height::UpperHalf ? height / 2 : height;
}

void WriteInt(const char* iniPath, const IntSetting& setting, int value) {
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    if (!WriteIniText(iniPath, setting.section, setting.key, text))
        Scriv(SCRIV_ERROR, plat::GetLastErrorCode(), LOG_WRITE_FAILED, SOURCE_HARVO, __LINE__);
}

}  // namespace

Box Place(const Box& initial, const Follow& follow, int width, int height) {
    return {initial.left + follow.left * width, initial.top + Share(follow.top, height),
            initial.right + follow.right * width, initial.bottom + Share(follow.bottom, height)};
}

bool ReadPlacement(const char* iniPath, Placement& placement, int minWidth, int minHeight) {
    const int left = ReadIniInt(iniPath, SETTING_WINDOW_LEFT), top = ReadIniInt(iniPath, SETTING_WINDOW_TOP);
    const int width = ReadIniInt(iniPath, SETTING_WINDOW_WIDTH), height = ReadIniInt(iniPath, SETTING_WINDOW_HEIGHT);
    if (width < minWidth || height < minHeight) return false;
    placement = {{left, top, left + width, top + height}, ReadIniInt(iniPath, SETTING_WINDOW_MAXIMIZED) == 1};
    return true;
}

void WritePlacement(const char* iniPath, const Placement& placement) {
    const Box& box = placement.box;
    WriteInt(iniPath, SETTING_WINDOW_LEFT, box.left);
    WriteInt(iniPath, SETTING_WINDOW_TOP, box.top);
    WriteInt(iniPath, SETTING_WINDOW_WIDTH, box.right - box.left);
    WriteInt(iniPath, SETTING_WINDOW_HEIGHT, box.bottom - box.top);
    WriteInt(iniPath, SETTING_WINDOW_MAXIMIZED, placement.maximised ? 1 : 0);
}
