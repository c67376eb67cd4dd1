// The post table: one fixed record per line of the loaded thread log, and the
// marks of the work.
//
// Record i is line i of the file, post number i + 1 and row i of both target
// lists. Texts are zero-terminated Shift_JIS of fixed width; longer text is cut.
//
// Marks: mainCheck and subCheck are the marks of the two target lists, the
// only copy. Every command changes them first and then shows the change in
// the lists; a tick by hand reaches them through the port's notification
// (ui/TargetLists). A load zeroes them with the rest of the records.
//
// Texts: behind every text there are only zeros, up to its field's end. A
// load relies on it: it overwrites the texts of the records the last load
// filled and zeroes what their old texts leave, not the whole 15 MB table.
// SetPostText keeps it so; texts written any other way (tests, benchmarks)
// need ClearPostTable before the next load.
#pragma once

#include <cstddef>
#include <cstdint>

const int POST_TABLE_CAPACITY = 1100;  // records a load clears
const int MAX_READ_LINES = 1002;       // records the reader fills at most
const int MAX_POSTS = 1000;            // the working range of lists, commands and files

struct PostRecord {
    int32_t number;      // the line's index in the file
    char line[8192];     // the whole line without its line feed
    char name[256];
    char mail[256];
    char dateId[256];
    char body[4096];
    char title[256];     // the thread's title, on record 0 only
    char kote[256];      // name before "</b>": the poster's fixed handle
    char trip[256];      // name between "</b>" and "<b>"
    char date[256];      // dateId before "ID:"
    char id[256];        // dateId after "ID:", before " BE:"
    int32_t mainCheck;   // marked in the main target list
    int32_t subCheck;    // marked in the sub target list
    int32_t idGroup;     // same-ID group of the style-sheet output, 0 for none
    uint8_t emphasis;    // posts/Emphasis.h; 0 for none
};

struct PostTable {
    PostRecord records[POST_TABLE_CAPACITY];
    int filled;  // records from this one on hold no text

    PostRecord& operator[](int i) { return records[i]; }
    const PostRecord& operator[](int i) const { return records[i]; }
};

// The process's one table, zero at start: about 15 MB, too large for any
// stack, allocated once. The session reaches it; nothing else keeps it.
PostTable& StaticPostTable();

// The ten texts of a record: where each lies in it and its width.
struct PostTextField {
    size_t offset;
    size_t width;
};
const int POST_TEXT_COUNT = 10;
extern const PostTextField POST_TEXTS[POST_TEXT_COUNT];

// Zeroes every record. Texts may then be written by hand into any record:
// until the next load, every record counts as filled.
void ClearPostTable(PostTable& table);

// Writes text, cut to width - 1 bytes, into a field of the table and zeroes
// what the field's old text leaves behind it.
void SetPostText(char* field, size_t width, const char* text, size_t length);

template <size_t N>
void SetPostText(char (&field)[N], const char* text, size_t length) {
    SetPostText(field, N, text, length);
}

// A load has given records 0 to count - 1 their texts, numbers and zero
// marks with SetPostText: clears every record from count on (the texts of
// those an earlier load filled, number and mark fields of all).
void ClearPostsFrom(PostTable& table, int count);

// Whether a record holds a post (a line with a date and ID field).
inline bool HoldsPost(const PostRecord& record) { return record.dateId[0] != '\0'; }

// The marks of both lists and the emphasis taken out of the table: what the
// undo step and the kept marks hold.
struct MarkSet {
    uint8_t main[MAX_POSTS];
    uint8_t sub[MAX_POSTS];
    uint8_t emphasis[MAX_POSTS];
    bool operator==(const MarkSet& other) const;
    bool operator!=(const MarkSet& other) const { return !(*this == other); }
};
void TakeMarks(const PostTable& table, MarkSet& marks);
