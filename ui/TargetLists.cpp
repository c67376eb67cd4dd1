#include "ui/TargetLists.h"

#include <cstdio>
#include <cstring>

#include "platform/Platform.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "ui/SourceNames.h"

namespace {

const int CELL_SIZE = 1024;  // the formatter's limit: 1023 bytes and the zero

struct Column {
    const char* header;
    int width;
};

const Column MAIN_COLUMNS[] = {{"No", 50}, {"名前", 250}, {"トリップ", 100}, {"ID", 100}, {"日付", 200}};
const Column SUB_COLUMNS[] = {{"No", 50}, {"名前（＆トリップ）", 250}, {"メール", 50}, {"ID", 100}, {"本文", 500}};

void AddColumns(DialogPort& dialog, int id, const Column (&columns)[5]) {
    for (int k = 0; k < 5; ++k) dialog.InsertListColumn(id, k, columns[k].header, columns[k].width);
}

using CellText = void (*)(const PostRecord&, int, char*, size_t);

// Copies text into out cut at size - 1 bytes, as snprintf would cut it, and
// returns the bytes copied. A fill formats 8000 cells, bodies up to 1023
// bytes: under Wine the C library's formatter was a sixth of the sub list's fill.
size_t CopyCut(char* out, size_t size, const char* text) {
    if (size == 0) return 0;
    const size_t length = strnlen(text, size - 1);
    memcpy(out, text, length);
    out[length] = '\0';
    return length;
}

int FillList(DialogPort& dialog, int id, CellText cell, unsigned line) {
    if (!FindControl(dialog, id, line)) return 0;
    dialog.SetListRedraw(id, false);
    dialog.DeleteAllRows(id);
    char text[CELL_SIZE];
    for (int i = 0; i < MAX_POSTS; ++i) {
        snprintf(text, sizeof text, "%d", i + 1);
        dialog.InsertRow(id, i, text);
        for (int column = 1; column <= 4; ++column) {
            cell(postTable[i], column, text, sizeof text);
            dialog.SetCell(id, i, column, text);
        }
    }
    dialog.ShowListTop(id);
    dialog.SetListRedraw(id, true);
    return 1;
}

}  // namespace

bool FindControl(DialogPort& dialog, int id, unsigned line) {
    if (dialog.HasControl(id)) return true;
    Scriv(0, plat::GetLastErrorCode(), "Error：GetDlgItem()", SOURCE_HARVO, line);
    return false;
}

int SetCheckListStyle(DialogPort& dialog, int id) {
    if (!FindControl(dialog, id, __LINE__)) return 0;
    dialog.SetListExtendedStyle(id, dialog.ListExtendedStyle(id) + LIST_STYLE_GRID_AND_CHECKS);
    return 1;
}

int SetListStyles(DialogPort& dialog) {
    SetCheckListStyle(dialog, IDC_MAIN_LIST);
    SetCheckListStyle(dialog, IDC_SUB_LIST);
    return 1;
}

int AddMainListColumns(DialogPort& dialog, int id) {
    AddColumns(dialog, id, MAIN_COLUMNS);
    return 1;
}

int AddSubListColumns(DialogPort& dialog, int id) {
    AddColumns(dialog, id, SUB_COLUMNS);
    return 1;
}

int SetListColumns(DialogPort& dialog) {
    if (FindControl(dialog, IDC_MAIN_LIST, __LINE__)) AddMainListColumns(dialog, IDC_MAIN_LIST);
    if (FindControl(dialog, IDC_SUB_LIST, __LINE__)) AddSubListColumns(dialog, IDC_SUB_LIST);
    return 1;
}

void MainListCell(const PostRecord& r, int column, char* out, size_t size) {
    const char* text = column == 1 ? (r.kote[0] ? r.kote : r.name)
                     : column == 2 ? r.trip
                     : column == 3 ? r.id
                                   : r.date;
    CopyCut(out, size, text);
}

void SubListCell(const PostRecord& r, int column, char* out, size_t size) {
    if (column == 1 && r.kote[0] && r.trip[0]) {
        const size_t kote = CopyCut(out, size, r.kote);
        CopyCut(out + kote, size - kote, r.trip);
    } else {
        CopyCut(out, size, column == 1 ? r.name : column == 2 ? r.mail : column == 3 ? r.id : r.body);
    }
}

int FillMainList(DialogPort& dialog) { return FillList(dialog, IDC_MAIN_LIST, MainListCell, __LINE__); }

int FillSubList(DialogPort& dialog) { return FillList(dialog, IDC_SUB_LIST, SubListCell, __LINE__); }

void ReadListImages(DialogPort& dialog, ListImages& images) {
    for (int i = 0; i < MAX_POSTS; ++i) {
        images.main[i] = dialog.RowStateImage(IDC_MAIN_LIST, i);
        images.sub[i] = dialog.RowStateImage(IDC_SUB_LIST, i);
    }
}

int ReadCheckStates(DialogPort& dialog) {
    if (!FindControl(dialog, IDC_MAIN_LIST, __LINE__) || !FindControl(dialog, IDC_SUB_LIST, __LINE__)) return 0;
    for (int i = 0; i < MAX_POSTS; ++i) {
        postTable[i].mainCheck = MarkOfStateImage(dialog.RowStateImage(IDC_MAIN_LIST, i));
        postTable[i].subCheck = MarkOfStateImage(dialog.RowStateImage(IDC_SUB_LIST, i));
    }
    return 1;
}
