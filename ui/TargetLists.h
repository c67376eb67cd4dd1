// The main and the sub target list: set-up, filling from the post table, and
// showing the marks of the table in their rows. The lists never hold a mark
// of their own: a row shows its record's mainCheck (main list) or subCheck
// (sub list).
#pragma once

#include <cstddef>
#include <cstdint>

#include "posts/PostTable.h"
#include "ui/DialogPort.h"

const int MAIN_ANSWERS_COLUMN = 5;  // "被参照": how many other posts answer the post

// Check boxes and columns for both lists.
void SetUpTargetLists(DialogPort& dialog);
void ShowAsCheckList(DialogPort& dialog, int id);
void AddMainListColumns(DialogPort& dialog, int id);
void AddSubListColumns(DialogPort& dialog, int id);

// Refills a list with a row for each of records 0 to 999, none ticked, and
// columns 0 to 4 filled (the main list's column 5, MAIN_ANSWERS_COLUMN, is
// the selection commands' to fill). False when the list is missing.
bool FillMainList(DialogPort& dialog, const PostTable& posts);
bool FillSubList(DialogPort& dialog, const PostTable& posts);

// The mark a list shows for a record: mainCheck for the main list, subCheck
// for the sub list.
int32_t& MarkOf(PostRecord& record, int list);

// Marks or unmarks row of list in the table and shows it, when that changes it.
void SetMark(DialogPort& dialog, PostTable& posts, int list, int row, bool marked);
// The same, showing the row whatever it showed before.
void SetAndShowMark(DialogPort& dialog, PostTable& posts, int list, int row, bool marked);

// Both lists drawn again after the emphasis of any post changed.
void ShowEmphasis(DialogPort& dialog);

// A row's check box ticked or cleared in the list itself (a click, Space):
// the table takes the mark. Rows outside 0 to 999 and other lists are ignored.
// True when the table's mark changed (a command shows marks the table holds already).
bool TakeRowTick(PostTable& posts, int list, int row, bool ticked);

// The text of column 1 to 4 of a record's row, cut as the list shows it (at most 1023 bytes).
void MainListCell(const PostRecord& record, int column, char* out, size_t size);
void SubListCell(const PostRecord& record, int column, char* out, size_t size);

// Looks the control up; when it is missing, logs "Error：GetDlgItem()" with the
// system's last-error value and the caller's line, and returns false.
bool RequireControl(DialogPort& dialog, int id, unsigned line);
