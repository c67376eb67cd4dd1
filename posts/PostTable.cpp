#include "posts/PostTable.h"

#include <cstring>

PostTable& StaticPostTable() {
    static PostTable table;  // 15 MB: static, never on a stack
    return table;
}

#define TEXT(field) {offsetof(PostRecord, field), sizeof PostRecord::field}
const PostTextField POST_TEXTS[POST_TEXT_COUNT] = {TEXT(line),  TEXT(name), TEXT(mail), TEXT(dateId), TEXT(body),
                                                   TEXT(title), TEXT(kote), TEXT(trip), TEXT(date),   TEXT(id)};
#undef TEXT

void ClearPostTable(PostTable& table) {
    memset(&table, 0, sizeof table);
    table.filled = POST_TABLE_CAPACITY;
}

void SetPostText(char* field, size_t width, const char* text, size_t length) {
    const size_t n = length < width ? length : width - 1;
    memcpy(field, text, n);
    // Behind an old text no longer than n the field is zero already; a
    // longer one still has a byte at n.
    if (field[n] != '\0') memset(field + n, 0, strnlen(field + n, width - n));
}

void ClearPostsFrom(PostTable& table, int count) {
    for (int i = count; i < table.filled; ++i) {
        char* record = reinterpret_cast<char*>(&table[i]);
        for (const PostTextField& t : POST_TEXTS) memset(record + t.offset, 0, strnlen(record + t.offset, t.width));
        table[i].number = 0;
    }
    // Any command may have written mark fields, of up to all MAX_POSTS rows.
    for (int i = count; i < POST_TABLE_CAPACITY; ++i) {
        PostRecord& r = table[i];
        r.mainCheck = r.subCheck = r.idGroup = 0;
        r.emphasis = 0;
    }
    table.filled = count;
}

bool MarkSet::operator==(const MarkSet& other) const {
    return memcmp(main, other.main, sizeof main) == 0 && memcmp(sub, other.sub, sizeof sub) == 0 &&
           memcmp(emphasis, other.emphasis, sizeof emphasis) == 0;
}

void TakeMarks(const PostTable& table, MarkSet& marks) {
    for (int i = 0; i < MAX_POSTS; ++i) {
        marks.main[i] = table[i].mainCheck != 0;
        marks.sub[i] = table[i].subCheck != 0;
        marks.emphasis[i] = table[i].emphasis;
    }
}
