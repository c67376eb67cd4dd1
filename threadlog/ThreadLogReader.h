// The thread log reader: one post per line, fields separated by "<>".
#pragma once

#include "posts/PostTable.h"

const int LINE_BUFFER_SIZE = 10240;  // a line of the file, its line feed taken off, with a terminating zero

// Once the file at path is open, fills the post table with it, line i into
// record i, at most MAX_READ_LINES lines; every record past the last line read
// is zero afterwards. Returns 0 when there is no path
// or the file can't be opened (the table is then left as it was),
// READ_LOG_BROKEN when reading broke off part-way (the table is then left
// cleared: no thread is shown cut short as if whole), else 1 (an empty path is
// logged and reads nothing).
// A file in UTF-8 (posts/Cp932.h IsUtf8Text) is read as its code page 932
// conversion; fromUtf8, when given, says whether it was.
const int READ_LOG_BROKEN = -1;
int ReadThreadLog(PostTable& posts, const char* path, bool* fromUtf8 = nullptr);

// Fills record with the zero-terminated line, which holds no line feed, split
// into number, line, name, mail, dateId, body and title; every other field
// becomes zero. The line must not lie inside the record.
void SplitPostLine(int index, const char* line, PostRecord* record);

// Splits each name into handle (kote) and trip, and each dateId into date and
// ID, for records 0 to MAX_POSTS - 1.
void SplitNamesAndDateIds(PostTable& posts);
