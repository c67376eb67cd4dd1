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

const Column MAIN_COLUMNS[] = {{"No", 50},  {"名前", 250}, {"トリップ", 100},
                               {"ID", 100}, {"日付", 200}, {"被参照", 50}};
const Column SUB_COLUMNS[] = {{"No", 50}, {"名前（＆トリップ）", 250}, {"メール", 50}, {"ID", 100}, {"本文", 500}};

template <int N>
void AddColumns(DialogPort& dialog, int id, const Column (&columns)[N]) {
    for (int k = 0; k < N; ++k) dialog.InsertListColumn(id, k, columns[k].header, columns[k].width);
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

bool FillList(DialogPort& dialog, const PostTable& posts, int id, CellText cell, unsigned line) {
    if (!RequireControl(dialog, id, line)) return false;
    dialog.SetListRedraw(id, false);
    dialog.DeleteAllRows(id);
    char text[CELL_SIZE];
    for (int i = 0; i < MAX_POSTS; ++i) {
        snprintf(text, sizeof text, "%d", i + 1);
        dialog.InsertRow(id, i, text);
        for (int column = 1; column <= 4; ++column) {
            cell(posts[i], column, text, sizeof text);
            dialog.SetCell(id, i, column, text);
        }
    }
    dialog.ShowListTop(id);
    dialog.SetListRedraw(id, true);
    return true;
}

}  // namespace

bool RequireControl(DialogPort& dialog, int id, unsigned line) {
    if (dialog.HasControl(id)) return true;
    Scriv(SCRIV_ERROR, plat::GetLastErrorCode(), "Error：GetDlgItem()", SOURCE_HARVO, line);
    return false;
}

void ShowAsCheckList(DialogPort& dialog, int id) {
    if (RequireControl(dialog, id, __LINE__)) dialog.ShowAsCheckList(id);
}

void AddMainListColumns(DialogPort& dialog, int id) { AddColumns(dialog, id, MAIN_COLUMNS); }

void AddSubListColumns(DialogPort& dialog, int id) { AddColumns(dialog, id, SUB_COLUMNS); }

void SetUpTargetLists(DialogPort& dialog) {
    ShowAsCheckList(dialog, IDC_MAIN_LIST);
    ShowAsCheckList(dialog, IDC_SUB_LIST);
    if (RequireControl(dialog, IDC_MAIN_LIST, __LINE__)) AddMainListColumns(dialog, IDC_MAIN_LIST);
    if (RequireControl(dialog, IDC_SUB_LIST, __LINE__)) AddSubListColumns(dialog, IDC_SUB_LIST);
}

int32_t& MarkOf(PostRecord& record, int list) { return list == IDC_MAIN_LIST ? record.mainCheck : record.subCheck; }

void SetMark(DialogPort& dialog, PostTable& posts, int list, int row, bool marked) {
    if ((MarkOf(posts[row], list) != 0) != marked) SetAndShowMark(dialog, posts, list, row, marked);
}

void SetAndShowMark(DialogPort& dialog, PostTable& posts, int list, int row, bool marked) {
    MarkOf(posts[row], list) = marked;
    dialog.ShowRowTicked(list, row, marked);
}

void ShowEmphasis(DialogPort& dialog) {
    dialog.RepaintList(IDC_MAIN_LIST);
    dialog.RepaintList(IDC_SUB_LIST);
}

bool TakeRowTick(PostTable& posts, int list, int row, bool ticked) {
    if (row < 0 || row >= MAX_POSTS || (list != IDC_MAIN_LIST && list != IDC_SUB_LIST)) return false;
    int32_t& mark = MarkOf(posts[row], list);
    const bool changed = (mark != 0) != ticked;
    mark = ticked;
    return changed;
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

bool FillMainList(DialogPort& dialog, const PostTable& posts) {
    return FillList(dialog, posts, IDC_MAIN_LIST, MainListCell, __LINE__);
}

bool FillSubList(DialogPort& dialog, const PostTable& posts) {
    return FillList(dialog, posts, IDC_SUB_LIST, SubListCell, __LINE__);
}
