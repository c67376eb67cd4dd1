// A thread log's bytes through the reader and the split step into the post
// table, the cell texts of both lists, then the log written again reduced to
// the marked posts.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tests/fuzz/FuzzSupport.h"
#include "posts/Cp932.h"
#include "posts/PostTable.h"
#include "threadlog/ThreadLogReader.h"
#include "threadlog/ThreadLogRewriter.h"
#include "ui/TargetLists.h"

namespace {

const char LOG_PATH[] = "thread.dat";
const char PAGE_PATH[] = "page.html";
const char REWRITTEN_PATH[] = "page_RE.dat";
const int CELL_SIZE = 1024;
// Filler behind every text: the markers the split step looks for, so that a
// read past a text's end changes what it finds. Such a read meets the bytes
// right behind the text first, so the filler covers only so many of them.
const char FILLER[] = "ID:</b> <b>BE:<>";
const size_t FILLER_SPAN = 256;
const char EMPTY_POST[] = "<><><><>\n";  // a post the reduced log leaves out

struct Text {
    char* text;
    size_t width;
};

std::array<Text, POST_TEXT_COUNT> Texts(PostRecord& r) {
    std::array<Text, POST_TEXT_COUNT> texts;
    for (int k = 0; k < POST_TEXT_COUNT; ++k)
        texts[k] = {reinterpret_cast<char*>(&r) + POST_TEXTS[k].offset, POST_TEXTS[k].width};
    return texts;
}

const char ZEROS[sizeof PostRecord::line] = {};

// Zero-terminated within its width and nothing but zeros behind: no write
// went past the text or reached it from a neighbour.
bool Contained(const Text& t) {
    const char* end = static_cast<const char*>(memchr(t.text, '\0', t.width));
    return end && memcmp(end, ZEROS, t.text + t.width - end) == 0;
}

const char* Filler() {
    static const std::string filler = [] {
        std::string f;
        while (f.size() < FILLER_SPAN) f += FILLER;
        return f;
    }();
    return filler.data();
}

void PutBehind(const Text& t, const char* bytes) {
    const size_t start = strlen(t.text) + 1;
    memcpy(t.text + start, bytes, std::min(t.width - start, FILLER_SPAN));
}

// Strings are compared as views into the input and the table: allocations
// under the address sanitizer would cost more than the code under test.
using View = std::string_view;

// The field holds text cut to its width and zero-terminated there. The texts
// hold no NUL byte, so comparing the cut and the zero behind it is enough:
// no strlen over a field of up to 8 KB before the comparison.
bool SameCut(View text, const char* field, size_t width) {
    const size_t n = std::min(text.size(), width - 1);
    return (n == 0 || memcmp(field, text.data(), n) == 0) && field[n] == '\0';
}

// The lines the reader takes: those ended by a line feed, without their NUL
// bytes, at most MAX_READ_LINES; a line of LINE_BUFFER_SIZE - 1 bytes or more
// is dropped and leaves an empty record. The views point into bytes.
std::vector<View> ExpectedLines(const uint8_t* data, size_t size, std::string& bytes) {
    bytes.resize(size);
    std::vector<View> lines;
    const char *at = reinterpret_cast<const char*>(data), *end = at + size;
    char* out = bytes.data();
    while (lines.size() < static_cast<size_t>(MAX_READ_LINES)) {
        const char* feed = static_cast<const char*>(memchr(at, '\n', end - at));
        if (!feed) break;
        char* const start = out;
        for (const char* nul; (nul = static_cast<const char*>(memchr(at, '\0', feed - at))); at = nul + 1)
            out = std::copy(at, nul, out);
        out = std::copy(at, feed, out);
        lines.push_back(out - start < LINE_BUFFER_SIZE - 1 ? View(start, out - start) : View());
        at = feed + 1;
    }
    return lines;
}

// The five texts of a line: each ended by "<>"; the first line's title runs to its end.
void CheckSplit(int index, View line, const PostRecord& r) {
    View fields[5];
    size_t start = 0;
    int found = 0;
    for (; found < 5; ++found) {
        const size_t separator = line.find("<>", start);
        if (separator == View::npos) break;
        fields[found] = line.substr(start, separator - start);
        start = separator + 2;
    }
    if (index == 0 && found == 4) fields[4] = line.substr(start);
    FUZZ_CHECK(r.number == index);
    FUZZ_CHECK(SameCut(line, r.line, sizeof r.line));
    FUZZ_CHECK(SameCut(fields[0], r.name, sizeof r.name));
    FUZZ_CHECK(SameCut(fields[1], r.mail, sizeof r.mail));
    FUZZ_CHECK(SameCut(fields[2], r.dateId, sizeof r.dateId));
    FUZZ_CHECK(SameCut(fields[3], r.body, sizeof r.body));
    FUZZ_CHECK(SameCut(fields[4], r.title, sizeof r.title));
}

// Date and ID come out of dateId: the date before "ID:", the ID after it up
// to the blank before "BE:". Handle and trip come out of a dated post's name:
// the handle before "</b>", the trip between it and "<b>".
void CheckDerived(const PostRecord& r) {
    const View dateId = r.dateId, name = r.name;
    const size_t idMark = dateId.find("ID:");
    View date = dateId, id;
    if (idMark != View::npos) {
        date = dateId.substr(0, idMark);
        id = dateId.substr(idMark + 3);
        const size_t be = id.find("BE:");
        if (be != View::npos && be >= 2) id = id.substr(0, be - 1);
    }
    View kote, trip;
    const size_t close = dateId.empty() ? View::npos : name.find("</b>");
    if (close != View::npos) {
        kote = name.substr(0, close);
        const View rest = name.substr(close + 4);
        size_t open = rest.find(" <b>");
        if (open == View::npos) open = rest.find("<b>");
        if (open != View::npos) trip = rest.substr(0, open);
    }
    FUZZ_CHECK(date == r.date && id == r.id && kote == r.kote && trip == r.trip);
}

// A cell must be the text its column shows, cut to the formatter's limit and
// zero-terminated right behind it: the 'X' bytes show a missing zero and a
// write past the limit.
void Cell(void (*format)(const PostRecord&, int, char*, size_t), const PostRecord& r, int column, View text,
          std::string& shown) {
    static char cell[CELL_SIZE + 1];  // static: no stack frame of 1 KB to poison and unpoison per cell
    const size_t length = std::min(text.size(), size_t{CELL_SIZE - 1});
    memset(cell, 'X', length + 1);
    cell[CELL_SIZE] = 'X';
    format(r, column, cell, CELL_SIZE);
    FUZZ_CHECK(cell[length] == '\0' && cell[CELL_SIZE] == 'X' && text.substr(0, length) == View(cell, length));
    (shown += View(cell, length)) += '|';
}

// The cells of both lists, each what its column shows, appended to shown.
void Cells(const PostRecord& r, std::string& shown) {
    char joined[sizeof r.kote + sizeof r.trip];
    snprintf(joined, sizeof joined, "%s%s", r.kote, r.trip);
    const View main[] = {r.kote[0] ? r.kote : r.name, r.trip, r.id, r.date};
    const View sub[] = {r.kote[0] && r.trip[0] ? joined : r.name, r.mail, r.id, r.body};
    for (int column = 1; column <= 4; ++column) {
        Cell(MainListCell, r, column, main[column - 1], shown);
        Cell(SubListCell, r, column, sub[column - 1], shown);
    }
}

// What both lists show of a post, with its derived fields, into shown.
void Shown(const PostRecord& r, std::string& shown) {
    shown.clear();
    for (const char* text : {r.kote, r.trip, r.date, r.id}) (shown += text) += '|';
    Cells(r, shown);
}

// The records whose whole fields and cells are checked: the first and last
// ones and every 32nd; reading and writing 14 KB per record for all of them
// would make a run of many short lines slow.
bool Sampled(int i, int count) { return i < 16 || i >= count - 16 || i % 32 == 0; }

// The marks the target gives post i + 1 in the main and the sub list.
bool Marked(View line, int i) { return line.size() % 2 == 1 || i % 5 == 0; }
bool SubMarked(int i) { return i % 7 == 3; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = (memfs::Use(), QuietLog(), PostTableOnHugePages(), true);
    (void)ready;
    memfs::Clear();
    memfs::Put(LOG_PATH, data, size);

    PostTable& posts = FuzzSession().posts;
    FUZZ_CHECK(ReadThreadLog(posts, LOG_PATH) == 1);
    // A file in UTF-8 is read as its code page 932 conversion.
    static std::string bytes, converted;
    if (IsUtf8Text(reinterpret_cast<const char*>(data), size)) {
        converted.clear();
        AppendUtf8AsCp932(reinterpret_cast<const char*>(data), size, converted);
        data = reinterpret_cast<const uint8_t*>(converted.data());
        size = converted.size();
    }
    const std::vector<View> lines = ExpectedLines(data, size, bytes);
    const int count = static_cast<int>(lines.size());
    static const PostRecord zero = {};
    if (count < POST_TABLE_CAPACITY) FUZZ_CHECK(memcmp(&Post(count), &zero, sizeof zero) == 0);
    for (int i = 0; i < count; ++i) CheckSplit(i, lines[i], Post(i));

    SplitNamesAndDateIds(posts);
    // Strings kept from run to run: allocations under the address sanitizer
    // would cost more than the code under test.
    static std::string scratch;
    static std::vector<std::string> shown(MAX_POSTS);
    for (int i = 0; i < count; ++i) {
        PostRecord& r = Post(i);
        if (i >= MAX_POSTS) {
            FUZZ_CHECK(!r.kote[0] && !r.trip[0] && !r.date[0] && !r.id[0]);
        } else {
            CheckDerived(r);
        }
        if (!Sampled(i, count)) continue;
        for (const Text& t : Texts(r)) FUZZ_CHECK(Contained(t));
        if (i < MAX_POSTS) Shown(r, shown[i]);
    }

    // Again with filler behind the sampled texts: nothing may change (the
    // split step writes the same texts again, the filler stays behind them).
    for (int i = 0; i < count; ++i)
        if (Sampled(i, count))
            for (const Text& t : Texts(Post(i))) PutBehind(t, Filler());
    SplitNamesAndDateIds(posts);
    for (int i = 0; i < count && i < MAX_POSTS; ++i)
        if (Sampled(i, count)) {
            Shown(Post(i), scratch);
            FUZZ_CHECK(shown[i] == scratch);
        }
    // Zeros behind the texts again, as the next load needs them.
    for (int i = 0; i < count; ++i)
        if (Sampled(i, count))
            for (const Text& t : Texts(Post(i))) PutBehind(t, ZEROS);

    // Written again, reduced: line i is post i + 1's line when it is kept
    // (the first always), else an empty post; nothing else is left in the
    // folder. The marks of records from count on are the load's zeros.
    for (int i = 0; i < count && i < MAX_POSTS; ++i) {
        Post(i).mainCheck = Marked(lines[i], i);
        Post(i).subCheck = SubMarked(i);
    }
    RewriteThreadLog(posts, PAGE_PATH);
    FUZZ_CHECK(memfs::files.size() == 2);
    const View rewritten = memfs::files[REWRITTEN_PATH];
    const auto kept = [&](int i) { return i == 0 || (i < count && (Marked(lines[i], i) || SubMarked(i))); };
    // The empty posts between two kept ones are compared in one piece.
    static std::string empties;  // MAX_POSTS of them, made once
    if (empties.empty())
        for (int i = 0; i < MAX_POSTS; ++i) empties += EMPTY_POST;
    size_t at = 0;
    for (int i = 0; i < MAX_POSTS; ++i) {
        const int from = i;
        while (i < MAX_POSTS && !kept(i)) ++i;
        const View gap = View(empties).substr(0, (i - from) * (sizeof EMPTY_POST - 1));
        FUZZ_CHECK(rewritten.compare(at, gap.size(), gap) == 0);
        at += gap.size();
        if (i == MAX_POSTS) break;
        const View line = Post(i).line;
        const size_t end = at + line.size();
        FUZZ_CHECK(end < rewritten.size() && rewritten.compare(at, line.size(), line) == 0 && rewritten[end] == '\n');
        at = end + 1;
    }
    FUZZ_CHECK(at == rewritten.size());
    return 0;
}
