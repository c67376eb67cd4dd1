#include "posts/PostTable.h"

#include <cstring>

// Zero at start: about 15 MB, allocated once for the life of the process.
PostRecord postTable[POST_TABLE_CAPACITY];
char loadedLogPath[PATH_BUFFER_SIZE];

namespace {

// Records from this one on hold no text.
int filled = 0;

}  // namespace

#define TEXT(field) {offsetof(PostRecord, field), sizeof PostRecord::field}
const PostTextField POST_TEXTS[POST_TEXT_COUNT] = {TEXT(line),  TEXT(name), TEXT(mail), TEXT(dateId), TEXT(body),
                                                   TEXT(title), TEXT(kote), TEXT(trip), TEXT(date),   TEXT(id)};
#undef TEXT

void ClearPostTable() {
    memset(postTable, 0, sizeof postTable);
    filled = POST_TABLE_CAPACITY;
}

int FilledPosts() { return filled; }

void SetPostText(char* field, size_t width, const char* text, size_t length) {
    const size_t n = length < width ? length : width - 1;
    memcpy(field, text, n);
    // Behind an old text no longer than n the field is zero already; a
    // longer one still has a byte at n.
    if (field[n] != '\0') memset(field + n, 0, strnlen(field + n, width - n));
}

void KeepPosts(int count) {
    for (int i = count; i < filled; ++i) {
        char* record = reinterpret_cast<char*>(&postTable[i]);
        for (const PostTextField& t : POST_TEXTS) memset(record + t.offset, 0, strnlen(record + t.offset, t.width));
        postTable[i].number = 0;
    }
    // Any command may have written mark fields, of up to all MAX_POSTS rows.
    for (int i = count; i < POST_TABLE_CAPACITY; ++i) {
        PostRecord& r = postTable[i];
        r.mainCheck = r.subCheck = r.idGroup = 0;
    }
    filled = count;
}
