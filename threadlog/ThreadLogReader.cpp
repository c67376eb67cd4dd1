#include "threadlog/ThreadLogReader.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "platform/Platform.h"
#include "scriv/Scriv.h"
#include "threadlog/ThreadLogTexts.h"

namespace {

const size_t LINE_LIMIT = LINE_BUFFER_SIZE - 1;  // a line that reaches this many bytes is dropped
const size_t CHUNK_SIZE = 64 * 1024;

// The bytes read and the line being collected; only the reader sees them.
char chunk[CHUNK_SIZE];
char lineBuffer[LINE_BUFFER_SIZE];
const int FIELD_COUNT = 5;
const char SEPARATOR[] = "<>";

// The first separator from start on, before end; null when there is none.
// Bodies of several KB make this the reader's main work: with SSE2 (every
// x86-64 processor) sixteen places are tried at once, a '<' whose next byte
// is '>'.
const char* FindSeparator(const char* start, const char* end) {
#ifdef __SSE2__
    const __m128i open = _mm_set1_epi8(SEPARATOR[0]), close = _mm_set1_epi8(SEPARATOR[1]);
    // The places at p to p + 15 that start a separator; reads p[0] to p[16].
    auto places = [&](const char* p) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
        return _mm_and_si128(_mm_cmpeq_epi8(here, open), _mm_cmpeq_epi8(next, close));
    };
    // Long stretches without one 64 bytes at a time, then 16.
    while (end - start > 64 &&
           !_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(places(start), places(start + 16)),
                                           _mm_or_si128(places(start + 32), places(start + 48)))))
        start += 64;
    for (; end - start > 16; start += 16)
        if (const int found = _mm_movemask_epi8(places(start))) return start + __builtin_ctz(static_cast<unsigned>(found));
#endif
    for (; end - start >= 2; ++start)
        if (start[0] == SEPARATOR[0] && start[1] == SEPARATOR[1]) return start;
    return nullptr;
}

// LOG_LINE_NUMBER for a post number from 1 to MAX_READ_LINES. The texts are
// made once: every line logs one, and most loads write no debug record.
const char* LineNumberText(int number) {
    using Text = std::array<char, 32>;
    static const std::vector<Text> texts = [] {
        std::vector<Text> made(MAX_READ_LINES);
        for (int i = 0; i < MAX_READ_LINES; ++i) snprintf(made[i].data(), made[i].size(), LOG_LINE_NUMBER, i + 1);
        return made;
    }();
    return texts[number - 1].data();
}

// SplitPostLine given the line and its length, which holds no NUL byte, into
// a record of the table: only the texts are written, and zeros where an old
// text was longer.
void SplitLine(int index, const char* line, size_t length, PostRecord* record) {
    record->number = index;
    SetPostText(record->line, line, length);

    struct Field {
        char* text;
        size_t width;
    };
    const Field fields[FIELD_COUNT] = {{record->name, sizeof record->name},
                                       {record->mail, sizeof record->mail},
                                       {record->dateId, sizeof record->dateId},
                                       {record->body, sizeof record->body},
                                       {record->title, sizeof record->title}};
    // A field is taken only when the separator that ends it is there.
    const char* start = line;
    const char* end = line + length;
    int found = 0;
    for (; found < FIELD_COUNT; ++found) {
        const char* separator = FindSeparator(start, end);
        if (!separator) break;
        SetPostText(fields[found].text, fields[found].width, start, separator - start);
        start = separator + 2;
    }
    // The first line carries the thread's title behind its fourth separator.
    if (index == 0 && found == 4) {
        SetPostText(record->title, start, end - start);
        found = FIELD_COUNT;
    }
    for (int k = found; k < FIELD_COUNT; ++k) SetPostText(fields[k].text, fields[k].width, "", 0);
    SetPostText(record->kote, "", 0);
    SetPostText(record->trip, "", 0);
    SetPostText(record->date, "", 0);
    SetPostText(record->id, "", 0);
    record->mainCheck = record->subCheck = record->idGroup = 0;

    if (record->title[0] != '\0') ScrivEx(2, 0, LOG_TITLE, record->title);
    ScrivEx(2, 0, record->name, nullptr);
    ScrivEx(2, 0, record->mail, nullptr);
    ScrivEx(2, 0, record->dateId, nullptr);
    ScrivEx(2, 0, record->body, nullptr);
}

// Collects the bytes of a file into lines and splits each into the post table.
// Equivalent to taking one byte at a time into lineBuffer, but works on runs of
// bytes: a line that lies whole in one chunk, without NUL bytes and short
// enough, is split where it stands, without lineBuffer.
class LineCollector {
public:
    // Takes the next bytes of the file. False once no more lines are wanted.
    bool Take(const char* bytes, const char* end) {
        while (bytes < end) {
            const char* lineFeed = static_cast<const char*>(memchr(bytes, '\n', end - bytes));
            if (!lineFeed) {
                Append(bytes, end);
                return true;
            }
            const size_t length = lineFeed - bytes;
            bool more;
            if (length_ == 0 && !skipping_ && length < LINE_LIMIT && !memchr(bytes, '\0', length)) {
                more = EndLine(bytes, length);
            } else {
                Append(bytes, lineFeed);
                if (length_ == LINE_LIMIT) Overflow();
                more = EndLine(lineBuffer, length_);
                length_ = 0;
            }
            if (!more) return false;
            bytes = lineFeed + 1;
        }
        return true;
    }

    // The lines split so far.
    int Count() const { return count_; }

private:
    // Bytes of the line being read, none of them a line feed. A NUL byte
    // appends nothing; a byte arriving when the buffer is full drops the line.
    void Append(const char* bytes, const char* end) {
        while (bytes < end && !skipping_) {
            if (length_ == LINE_LIMIT) {
                Overflow();
                return;
            }
            const size_t room = LINE_LIMIT - length_;
            const size_t take = static_cast<size_t>(end - bytes) < room ? static_cast<size_t>(end - bytes) : room;
            const char* nul = static_cast<const char*>(memchr(bytes, '\0', take));
            const size_t run = nul ? static_cast<size_t>(nul - bytes) : take;
            memcpy(lineBuffer + length_, bytes, run);
            length_ += run;
            bytes += nul ? run + 1 : run;
        }
    }

    // A line feed: splits the line into its record. False after the last line wanted.
    bool EndLine(const char* line, size_t length) {
        ScrivEx(2, 0, LOG_LINE_RULE, LineNumberText(count_ + 1));
        SplitLine(count_, line, length, &postTable[count_]);
        ++count_;
        skipping_ = false;
        if (count_ >= MAX_READ_LINES) {
            ScrivEx(2, 0, LOG_DATA_MAX, "");
            return false;
        }
        return true;
    }

    // The rest of an over-long line is skipped; it leaves a record with empty texts.
    void Overflow() {
        char number[32];
        snprintf(number, sizeof number, LOG_SIZE_OVER_LINE, count_ + 1);
        ScrivEx(0, 0, LOG_SIZE_OVER, number);
        length_ = 0;
        skipping_ = true;
    }

    size_t length_ = 0;
    int count_ = 0;
    bool skipping_ = false;
};

}  // namespace

int ReadThreadLog(const char* path) {
    if (!path) {
        ScrivEx(0, 0, LOG_BAD_FILE_NAME, nullptr);
        return 0;
    }
    if (path[0] == '\0') {
        ScrivEx(0, 0, LOG_NO_FILE_NAME, nullptr);
        return 1;
    }
    ScrivEx(1, 0, LOG_DAT_FILE, path);
    plat::File* file = plat::FileOpen(path, plat::FileMode::Read);
    if (!file) {
        ScrivEx(0, plat::GetLastErrorCode(), LOG_FOPEN, LOG_OPEN_FAILED);
        return 0;
    }
    // Overwritten only once the file is open: a file that cannot be opened
    // leaves the posts as they were, matching the rows and marks the lists
    // still show.
    LineCollector collector;
    size_t got;
    while ((got = plat::FileRead(file, chunk, sizeof chunk)) != 0 && got != plat::READ_FAILED &&
           collector.Take(chunk, chunk + got)) {
    }
    const uint32_t code = plat::GetLastErrorCode();  // of a failed read, before the close
    plat::FileClose(file);
    KeepPosts(collector.Count());
    if (got != plat::READ_FAILED) return 1;
    KeepPosts(0);  // nothing of a thread read part-way stays
    ScrivEx(0, code, LOG_FREAD, LOG_READ_FAILED);
    return READ_LOG_BROKEN;
}

int SplitPostLine(int index, const char* line, PostRecord* record) {
    memset(record, 0, sizeof *record);
    SplitLine(index, line, strlen(line), record);
    return 1;
}

int SplitNameAndDate() {
    for (int i = 0; i < MAX_POSTS; ++i) {
        PostRecord& r = postTable[i];
        if (r.dateId[0] == '\0') continue;

        const char* idMark = strstr(r.dateId, "ID:");
        if (idMark) {
            SetPostText(r.date, r.dateId, idMark - r.dateId);
            ScrivEx(2, 0, LOG_DATE, r.date);
            // The ID ends before the byte (a blank) that precedes "BE:", unless
            // "BE:" stands at its first or second byte.
            const char* id = idMark + 3;
            const char* be = strstr(id, "BE:");
            SetPostText(r.id, id, be && be - id >= 2 ? be - id - 1 : strlen(id));
            ScrivEx(2, 0, LOG_ID, r.id);
        } else {
            SetPostText(r.date, r.dateId, strlen(r.dateId));
            ScrivEx(2, 0, LOG_DATE, r.date);
            ScrivEx(2, 0, LOG_NO_ID, nullptr);
        }

        if (r.name[0] == '\0') continue;
        const char* close = strstr(r.name, "</b>");
        if (!close) continue;
        SetPostText(r.kote, r.name, close - r.name);
        const char* trip = close + 4;
        const char* open = strstr(trip, " <b>");
        if (!open) open = strstr(trip, "<b>");
        if (open) SetPostText(r.trip, trip, open - trip);
        ScrivEx(2, 0, LOG_KOTE, r.kote);
        ScrivEx(2, 0, LOG_TRIP, r.trip);
    }
    return 1;
}
