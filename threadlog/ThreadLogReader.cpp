#include "threadlog/ThreadLogReader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__) && !defined(HARVO_SSE2_ONLY)
#include <immintrin.h>
#define HAS_AVX2_PATH
#endif

#include "platform/Platform.h"
#include "posts/Cp932.h"
#include "scriv/Scriv.h"
#include "threadlog/ThreadLogTexts.h"

namespace {

const size_t LINE_LIMIT = LINE_BUFFER_SIZE - 1;  // a line that reaches this many bytes is dropped
const size_t CHUNK_SIZE = 64 * 1024;

const int FIELD_COUNT = 5;
const char SEPARATOR[] = "<>";

// The separators that end a line's fields, the first FIELD_COUNT of them.
struct Separators {
    const char* at[FIELD_COUNT];
    int count = 0;
};

// Finding the marks of a line is the reader's main work besides copying: its
// bodies run to several KB. A mark is a line feed, a NUL byte or a separator
// ('<' whose next byte is '>'). Each NextMark returns the first mark from p
// on, before end, or end; a '<' in the last byte is none, as its next byte is
// not known.
const char* NextMarkPlain(const char* p, const char* end) {
    for (; p < end; ++p)
        if (*p == '\n' || *p == '\0' || (*p == SEPARATOR[0] && end - p >= 2 && p[1] == SEPARATOR[1])) return p;
    return end;
}

// SSE2, which every x86-64 processor has: sixteen places at once, long
// stretches 64 bytes at a time.
const char* NextMarkSse2(const char* p, const char* end) {
#ifdef __SSE2__
    const __m128i open = _mm_set1_epi8(SEPARATOR[0]), close = _mm_set1_epi8(SEPARATOR[1]);
    const __m128i lineFeed = _mm_set1_epi8('\n'), nul = _mm_setzero_si128();
    // The marks at q to q + 15; reads q[0] to q[16].
    auto marks = [&](const char* q) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 1));
        return _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(here, lineFeed), _mm_cmpeq_epi8(here, nul)),
                            _mm_and_si128(_mm_cmpeq_epi8(here, open), _mm_cmpeq_epi8(next, close)));
    };
    while (end - p > 64 && !_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(marks(p), marks(p + 16)),
                                                          _mm_or_si128(marks(p + 32), marks(p + 48)))))
        p += 64;
    for (; end - p > 16; p += 16)
        if (const int found = _mm_movemask_epi8(marks(p))) return p + __builtin_ctz(static_cast<unsigned>(found));
#endif
    return NextMarkPlain(p, end);
}

#ifdef HAS_AVX2_PATH
// AVX2, which most processors since 2013 have: 64 places at once.
__attribute__((target("avx2"))) __m256i Marks32(const char* q) {
    const __m256i here = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q));
    const __m256i next = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(q + 1));
    const __m256i stops =
        _mm256_or_si256(_mm256_cmpeq_epi8(here, _mm256_set1_epi8('\n')), _mm256_cmpeq_epi8(here, _mm256_setzero_si256()));
    return _mm256_or_si256(stops, _mm256_and_si256(_mm256_cmpeq_epi8(here, _mm256_set1_epi8(SEPARATOR[0])),
                                                   _mm256_cmpeq_epi8(next, _mm256_set1_epi8(SEPARATOR[1]))));
}

__attribute__((target("avx2"))) const char* NextMarkAvx2(const char* p, const char* end) {
    for (; end - p > 64; p += 64) {
        const uint64_t low = static_cast<uint32_t>(_mm256_movemask_epi8(Marks32(p)));
        const uint64_t high = static_cast<uint32_t>(_mm256_movemask_epi8(Marks32(p + 32)));
        if (const uint64_t found = low | high << 32) return p + __builtin_ctzll(found);
    }
    return NextMarkSse2(p, end);
}

bool UseAvx2() {
    static const bool yes = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
    return yes;
}
#endif

const char* NextMark(const char* p, const char* end) {
#ifdef HAS_AVX2_PATH
    if (UseAvx2()) return NextMarkAvx2(p, end);
#endif
    return NextMarkSse2(p, end);
}

// Finds the separators of the line that starts at p, up to its first line
// feed or NUL byte or up to end; returns where it stopped.
const char* ScanLine(const char* p, const char* end, Separators& separators) {
    separators.count = 0;
    while ((p = NextMark(p, end)) != end && *p == SEPARATOR[0]) {
        if (separators.count < FIELD_COUNT) separators.at[separators.count++] = p;
        p += 2;
    }
    return p;
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

// SplitPostLine given the line, its length and its separators, into a
// record of the table: only the texts are written, and zeros where an old
// text was longer.
void SplitLine(int index, const char* line, size_t length, const Separators& separators, PostRecord* record) {
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
    for (; found < separators.count; ++found) {
        SetPostText(fields[found].text, fields[found].width, start, separators.at[found] - start);
        start = separators.at[found] + 2;
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
    record->emphasis = 0;

    if (record->title[0] != '\0') ScrivEx(SCRIV_DEBUG, 0, LOG_TITLE, record->title);
    ScrivEx(SCRIV_DEBUG, 0, record->name, nullptr);
    ScrivEx(SCRIV_DEBUG, 0, record->mail, nullptr);
    ScrivEx(SCRIV_DEBUG, 0, record->dateId, nullptr);
    ScrivEx(SCRIV_DEBUG, 0, record->body, nullptr);
}

// Collects the bytes of a file into lines and splits each into the post table.
// Equivalent to taking one byte at a time into lineBuffer, but works on runs of
// bytes: a line without NUL bytes and short enough is split where it stands,
// without lineBuffer; when it runs past the bytes read so far, the reader
// keeps its start in front of the next ones.
class LineCollector {
public:
    LineCollector(PostTable& posts, char (&lineBuffer)[LINE_BUFFER_SIZE]) : posts_(posts), lineBuffer(lineBuffer) {}

    // Takes the next bytes of the file. Returns null once no more lines are
    // wanted, else where the bytes to keep in front of the next ones start
    // (end for none).
    const char* Take(const char* bytes, const char* end) {
        while (bytes < end) {
            Separators separators;
            const char* stop = ScanLine(bytes, end, separators);
            const bool whole = length_ == 0 && !skipping_;  // no part of the line is in lineBuffer
            if (stop == end && whole && static_cast<size_t>(end - bytes) < LINE_LIMIT) return bytes;
            const char* lineFeed =
                stop < end && *stop == '\n' ? stop : static_cast<const char*>(memchr(stop, '\n', end - stop));
            if (!lineFeed) {
                Append(bytes, end);
                return end;
            }
            const size_t length = lineFeed - bytes;
            bool more;
            if (whole && length < LINE_LIMIT && stop == lineFeed) {
                more = EndLine(bytes, length, separators);
            } else {
                Append(bytes, lineFeed);
                if (length_ == LINE_LIMIT) Overflow();
                ScanLine(lineBuffer, lineBuffer + length_, separators);
                more = EndLine(lineBuffer, length_, separators);
                length_ = 0;
            }
            if (!more) return nullptr;
            bytes = lineFeed + 1;
        }
        return end;
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
    bool EndLine(const char* line, size_t length, const Separators& separators) {
        ScrivEx(SCRIV_DEBUG, 0, LOG_LINE_RULE, LineNumberText(count_ + 1));
        SplitLine(count_, line, length, separators, &posts_[count_]);
        ++count_;
        skipping_ = false;
        if (count_ >= MAX_READ_LINES) {
            ScrivEx(SCRIV_DEBUG, 0, LOG_DATA_MAX, "");
            return false;
        }
        return true;
    }

    // The rest of an over-long line is skipped; it leaves a record with empty texts.
    void Overflow() {
        char number[32];
        snprintf(number, sizeof number, LOG_SIZE_OVER_LINE, count_ + 1);
        ScrivEx(SCRIV_ERROR, 0, LOG_SIZE_OVER, number);
        length_ = 0;
        skipping_ = true;
    }

    PostTable& posts_;
    char (&lineBuffer)[LINE_BUFFER_SIZE];  // the line being collected
    size_t length_ = 0;
    int count_ = 0;
    bool skipping_ = false;
};

}  // namespace

int ReadThreadLog(PostTable& posts, const char* path, bool* fromUtf8) {
    if (!path) {
        ScrivEx(SCRIV_ERROR, 0, LOG_BAD_FILE_NAME, nullptr);
        return 0;
    }
    if (path[0] == '\0') {
        ScrivEx(SCRIV_ERROR, 0, LOG_NO_FILE_NAME, nullptr);
        return 1;
    }
    ScrivEx(SCRIV_TRACE, 0, LOG_DAT_FILE, path);
    plat::File* file = plat::FileOpen(path, plat::FileMode::Read);
    if (!file) {
        ScrivEx(SCRIV_ERROR, plat::GetLastErrorCode(), LOG_FOPEN, LOG_OPEN_FAILED);
        return 0;
    }
    // Overwritten only once the file is open: a file that cannot be opened
    // leaves the posts as they were, matching the rows and marks the lists
    // still show.
    // The bytes read, behind the start of a line kept from the chunk before,
    // and the line being collected: static, so that a load neither puts 84 KB
    // on the stack nor allocates them.
    static char chunk[LINE_LIMIT + CHUNK_SIZE];
    static char lineBuffer[LINE_BUFFER_SIZE];
    LineCollector collector(posts, lineBuffer);
    size_t got = plat::FileRead(file, chunk, CHUNK_SIZE), kept = 0;
    if (fromUtf8) *fromUtf8 = false;
    if (got != 0 && got != plat::READ_FAILED && MayStartUtf8Text(chunk, got)) {
        // Perhaps UTF-8, which only the whole file tells: read whole, then
        // split as code page 932 (converted when it is UTF-8 after all).
        std::string bytes(chunk, got);
        while ((got = plat::FileRead(file, chunk, CHUNK_SIZE)) != 0 && got != plat::READ_FAILED) bytes.append(chunk, got);
        if (got != plat::READ_FAILED && IsUtf8Text(bytes.data(), bytes.size())) {
            std::string converted;
            AppendUtf8AsCp932(bytes.data(), bytes.size(), converted);
            bytes.swap(converted);
            if (fromUtf8) *fromUtf8 = true;
        }
        if (got != plat::READ_FAILED) collector.Take(bytes.data(), bytes.data() + bytes.size());
    }
    for (; got != 0 && got != plat::READ_FAILED; got = plat::FileRead(file, chunk + kept, CHUNK_SIZE)) {
        const char* keep = collector.Take(chunk, chunk + kept + got);
        if (!keep) break;
        kept = chunk + kept + got - keep;
        memmove(chunk, keep, kept);
    }
    const uint32_t code = plat::GetLastErrorCode();  // of a failed read, before the close
    plat::FileClose(file);
    ClearPostsFrom(posts, collector.Count());
    if (got != plat::READ_FAILED) return 1;
    ClearPostsFrom(posts, 0);  // nothing of a thread read part-way stays
    ScrivEx(SCRIV_ERROR, code, LOG_FREAD, LOG_READ_FAILED);
    return READ_LOG_BROKEN;
}

void SplitPostLine(int index, const char* line, PostRecord* record) {
    memset(record, 0, sizeof *record);
    const size_t length = strlen(line);
    Separators separators;
    ScanLine(line, line + length, separators);
    SplitLine(index, line, length, separators, record);
}

void SplitNamesAndDateIds(PostTable& posts) {
    const int end = std::min(posts.filled, MAX_POSTS);  // past it no record has a dateId
    for (int i = 0; i < end; ++i) {
        PostRecord& r = posts[i];
        if (r.dateId[0] == '\0') continue;

        const char* idMark = strstr(r.dateId, "ID:");
        if (idMark) {
            SetPostText(r.date, r.dateId, idMark - r.dateId);
            ScrivEx(SCRIV_DEBUG, 0, LOG_DATE, r.date);
            // The ID ends before the byte (a blank) that precedes "BE:", unless
            // "BE:" stands at its first or second byte.
            const char* id = idMark + 3;
            const char* be = strstr(id, "BE:");
            SetPostText(r.id, id, be && be - id >= 2 ? be - id - 1 : strlen(id));
            ScrivEx(SCRIV_DEBUG, 0, LOG_ID, r.id);
        } else {
            SetPostText(r.date, r.dateId, strlen(r.dateId));
            ScrivEx(SCRIV_DEBUG, 0, LOG_DATE, r.date);
            ScrivEx(SCRIV_DEBUG, 0, LOG_NO_ID, nullptr);
        }

        if (r.name[0] == '\0') continue;
        const char* close = strstr(r.name, "</b>");
        if (!close) continue;
        SetPostText(r.kote, r.name, close - r.name);
        const char* trip = close + 4;
        const char* open = strstr(trip, " <b>");
        if (!open) open = strstr(trip, "<b>");
        if (open) SetPostText(r.trip, trip, open - trip);
        ScrivEx(SCRIV_DEBUG, 0, LOG_KOTE, r.kote);
        ScrivEx(SCRIV_DEBUG, 0, LOG_TRIP, r.trip);
    }
}
