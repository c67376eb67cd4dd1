// The main and the sub target list: set-up, filling from the post table, and
// the marks of their rows.
//
// A row is marked when its check box is ticked: its state image is 2 (1 when
// not ticked), and a mark is read as the state image minus 1.
#pragma once

#include <cstddef>

#include "posts/PostTable.h"
#include "ui/DialogPort.h"

const int STATE_IMAGE_UNCHECKED = 1;
const int STATE_IMAGE_CHECKED = 2;
// A row's mark. A row that does not exist (state image 0, before any load)
// reads as marked: -1, not 0.
inline int MarkOfStateImage(int stateImage) { return stateImage - 1; }
inline bool IsMarked(int stateImage) { return MarkOfStateImage(stateImage) != 0; }

const unsigned LIST_STYLE_GRID_AND_CHECKS = 0x1 | 0x4;  // grid lines, check boxes

int SetListStyles(DialogPort& dialog);
int SetCheckListStyle(DialogPort& dialog, int id);
int SetListColumns(DialogPort& dialog);
int AddMainListColumns(DialogPort& dialog, int id);
int AddSubListColumns(DialogPort& dialog, int id);
int FillMainList(DialogPort& dialog);
int FillSubList(DialogPort& dialog);
int ReadCheckStates(DialogPort& dialog);

// The state image of every row of both lists, 0 for a row that does not exist
// (all 0 before any load).
struct ListImages {
    int main[MAX_POSTS];
    int sub[MAX_POSTS];
};
void ReadListImages(DialogPort& dialog, ListImages& images);

// The text of column 1 to 4 of a record's row, cut as the list shows it (at most 1023 bytes).
void MainListCell(const PostRecord& record, int column, char* out, size_t size);
void SubListCell(const PostRecord& record, int column, char* out, size_t size);

// Looks the control up; when it is missing, logs "Error：GetDlgItem()" with the
// system's last-error value and the caller's line, and returns false.
bool FindControl(DialogPort& dialog, int id, unsigned line);
