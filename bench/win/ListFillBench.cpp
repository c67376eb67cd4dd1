// The two target lists filled by the tool against the floor of the list views
// themselves, in the same run, on the tool's own main dialog (hidden):
//   floor  LVM_INSERTITEMW and LVM_SETITEMTEXTW of texts converted to UTF-16
//          beforehand, drawing suspended around the fill;
//   tool   FillMainList and FillSubList through the Win32 dialog port, as the
//          load command calls them.
// Both fill the same 1000 rows of each list with the cells the tool shows for
// the thread log given, each time into lists emptied beforehand.
//   list_fill_bench THREAD_LOG [REPETITIONS]    (a Windows path; at least 5 repetitions)
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/DialogPortWin.h"
#include "app/MainDialogWin.h"
#include "platform/TextWin.h"
#include "posts/PostTable.h"
#include "resources/resource.h"
#include "threadlog/ThreadLogReader.h"
#include "ui/PostPreview.h"
#include "ui/TargetLists.h"

namespace {

PostTable& postTable = StaticPostTable();

const int COLUMNS = 5;
using CellText = void (*)(const PostRecord&, int, char*, size_t);

double Milliseconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Every cell of a list as the tool shows it, in UTF-16, row by row.
std::vector<std::wstring> WideCells(CellText cell) {
    std::vector<std::wstring> cells;
    char text[1024];
    for (int i = 0; i < MAX_POSTS; ++i) {
        snprintf(text, sizeof text, "%d", i + 1);
        cells.push_back(ToWide(text));
        for (int column = 1; column < COLUMNS; ++column) {
            cell(postTable[i], column, text, sizeof text);
            cells.push_back(ToWide(text));
        }
    }
    return cells;
}

double FloorFill(HWND list, std::vector<std::wstring>& cells) {
    const double start = Milliseconds();
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < MAX_POSTS; ++i) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = &cells[static_cast<size_t>(i) * COLUMNS][0];
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        for (int column = 1; column < COLUMNS; ++column) {
            item.iSubItem = column;
            item.pszText = &cells[static_cast<size_t>(i) * COLUMNS + column][0];
            SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        }
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    return Milliseconds() - start;
}

double ToolFill(HWND dialog, bool (*fill)(DialogPort&, const PostTable&)) {
    Win32DialogPort port(dialog);
    const double start = Milliseconds();
    fill(port, postTable);
    return Milliseconds() - start;
}

void Clear(HWND list) { SendMessageW(list, LVM_DELETEALLITEMS, 0, 0); }

// Cells or state images that differ from the texts given (the fill must show
// exactly what the floor shows).
int Differences(HWND list, const std::vector<std::wstring>& cells) {
    int differences = 0;
    if (SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) != MAX_POSTS) return MAX_POSTS * COLUMNS;
    std::vector<wchar_t> text(2048);
    for (int i = 0; i < MAX_POSTS; ++i) {
        if (ListView_GetItemState(list, i, LVIS_STATEIMAGEMASK) != INDEXTOSTATEIMAGEMASK(1))
            ++differences;
        for (int column = 0; column < COLUMNS; ++column) {
            LVITEMW item = {};
            item.iSubItem = column;
            item.pszText = text.data();
            item.cchTextMax = static_cast<int>(text.size());
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            if (cells[static_cast<size_t>(i) * COLUMNS + column] != text.data()) ++differences;
        }
    }
    return differences;
}

struct Row {
    const char* thing;
    std::vector<double> floor, tool;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Print(const Row& row) {
    std::vector<double> ratios;
    for (size_t k = 0; k < row.floor.size(); ++k) ratios.push_back(row.tool[k] / row.floor[k]);
    const double median = Median(ratios);
    const auto [low, high] = std::minmax_element(ratios.begin(), ratios.end());
    printf("| %-22s | %8.1f ms | %8.1f ms | %5.2fx | %.2f-%.2fx (%4.1f%%) |\n", row.thing, Median(row.floor),
           Median(row.tool), median, *low, *high, (*high - *low) / median * 100);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: list_fill_bench THREAD_LOG [REPETITIONS]\n");
        return 2;
    }
    const int repetitions = std::max(5, argc > 2 ? _wtoi(argv[2]) : 9);
    char path[1024];
    FromWide(argv[1], path, sizeof path);
    if (ReadThreadLog(postTable, path) == 0) {
        fprintf(stderr, "cannot read %s\n", path);
        return 1;
    }
    SplitNamesAndDateIds(postTable);
    int posts = 0;
    while (posts < MAX_POSTS && HasPost(postTable[posts])) ++posts;

    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    MainDialogState state(postTable);
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN), nullptr, MainDlgProc,
                                     reinterpret_cast<LPARAM>(&state));
    if (!dialog) {
        fprintf(stderr, "the main dialog was not created (%lu)\n", GetLastError());
        return 1;
    }
    HWND mainList = GetDlgItem(dialog, IDC_MAIN_LIST), subList = GetDlgItem(dialog, IDC_SUB_LIST);
    std::vector<std::wstring> mainCells = WideCells(MainListCell), subCells = WideCells(SubListCell);

    Row mainRow = {"main list, 1000 rows", {}, {}}, subRow = {"sub list, 1000 rows", {}, {}},
        bothRow = {"both lists", {}, {}};
    int differences = 0;
    // One round unmeasured first, then floor and tool by turns; each goes first
    // in every other round, so that the order favours neither.
    for (int k = -1; k < repetitions; ++k) {
        double floorMain, floorSub, toolMain, toolSub;
        for (const bool toolNow : {k % 2 != 0, k % 2 == 0}) {
            Clear(mainList);
            Clear(subList);
            if (toolNow) {
                toolMain = ToolFill(dialog, FillMainList);
                toolSub = ToolFill(dialog, FillSubList);
            } else {
                floorMain = FloorFill(mainList, mainCells);
                floorSub = FloorFill(subList, subCells);
            }
            differences += Differences(mainList, mainCells) + Differences(subList, subCells);
        }
        if (k < 0) continue;
        mainRow.floor.push_back(floorMain);
        mainRow.tool.push_back(toolMain);
        subRow.floor.push_back(floorSub);
        subRow.tool.push_back(toolSub);
        bothRow.floor.push_back(floorMain + floorSub);
        bothRow.tool.push_back(toolMain + toolSub);
    }
    DestroyWindow(dialog);

    printf("%d posts, %d repetitions; floor and tool medians, tool / floor per repetition\n", posts, repetitions);
    printf("| %-22s | %11s | %11s | %6s | %-20s |\n", "thing", "floor", "tool", "ratio", "spread (min-max)");
    printf("|%s|%s|%s|%s|%s|\n", std::string(24, '-').c_str(), std::string(13, '-').c_str(),
           std::string(13, '-').c_str(), std::string(8, '-').c_str(), std::string(22, '-').c_str());
    for (const Row* row : {&mainRow, &subRow, &bothRow}) Print(*row);
    if (differences) {
        fprintf(stderr, "the tool's lists differ from the floor's in %d cells or marks\n", differences);
        return 1;
    }
    return 0;
}
