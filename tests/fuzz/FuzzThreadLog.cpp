// A thread log's bytes through the reader and the split step into the post
// table, the cell texts of both lists, then the log written again reduced to
// the marked posts and loaded once more.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/TestText.h"
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
// read past a text's end changes what it finds.
const char FILLER[] = "ID:</b> <b>BE:<>";

struct Text {
    char* text;
    size_t width;
};

std::vector<Text> Texts(PostRecord& r) {
    return {{r.line, sizeof r.line}, {r.name, sizeof r.name}, {r.mail, sizeof r.mail},
            {r.dateId, sizeof r.dateId}, {r.body, sizeof r.body}, {r.title, sizeof r.title},
            {r.kote, sizeof r.kote}, {r.trip, sizeof r.trip}, {r.date, sizeof r.date}, {r.id, sizeof r.id}};
}

const char ZEROS[sizeof PostRecord::line] = {};

// Zero-terminated within its width and nothing but zeros behind: no write
// went past the text or reached it from a neighbour.
bool Contained(const Text& t) {
    const char* end = static_cast<const char*>(memchr(t.text, '\0', t.width));
    return end && memcmp(end, ZEROS, t.text + t.width - end) == 0;
}

void FillBehind(const Text& t) {
    static const std::string filler = [] {
        std::string f;
        while (f.size() < sizeof PostRecord::line) f += FILLER;
        return f;
    }();
    const size_t start = strlen(t.text) + 1;
    memcpy(t.text + start, filler.data(), t.width - start);
}

// The lines the reader takes: those ended by a line feed, without their NUL
// bytes, at most MAX_READ_LINES; a line of LINE_BUFFER_SIZE - 1 bytes or more
// is dropped and leaves an empty record.
std::vector<std::string> ExpectedLines(const uint8_t* data, size_t size) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < size && lines.size() < static_cast<size_t>(MAX_READ_LINES); ++i) {
        if (data[i] == '\n') {
            lines.push_back(line.size() < LINE_BUFFER_SIZE - 1 ? line : "");
            line.clear();
        } else if (data[i] != '\0' && line.size() < LINE_BUFFER_SIZE) {
            line += static_cast<char>(data[i]);
        }
    }
    return lines;
}

// The five texts of a line: each ended by "<>"; the first line's title runs to its end.
void CheckSplit(int index, const std::string& line, const PostRecord& r) {
    std::string fields[5];
    size_t start = 0;
    int found = 0;
    for (; found < 5; ++found) {
        const size_t separator = line.find("<>", start);
        if (separator == std::string::npos) break;
        fields[found] = line.substr(start, separator - start);
        start = separator + 2;
    }
    if (index == 0 && found == 4) fields[4] = line.substr(start);
    FUZZ_CHECK(r.number == index);
    FUZZ_CHECK(Cut(line, sizeof r.line) == r.line);
    FUZZ_CHECK(Cut(fields[0], sizeof r.name) == r.name);
    FUZZ_CHECK(Cut(fields[1], sizeof r.mail) == r.mail);
    FUZZ_CHECK(Cut(fields[2], sizeof r.dateId) == r.dateId);
    FUZZ_CHECK(Cut(fields[3], sizeof r.body) == r.body);
    FUZZ_CHECK(Cut(fields[4], sizeof r.title) == r.title);
}

// Date and ID come out of dateId: the date before "ID:", the ID after it up
// to the blank before "BE:". Handle and trip come out of a dated post's name:
// the handle before "</b>", the trip between it and "<b>".
void CheckDerived(const PostRecord& r) {
    const std::string dateId = r.dateId, name = r.name;
    const size_t idMark = dateId.find("ID:");
    std::string date = dateId, id;
    if (idMark != std::string::npos) {
        date = dateId.substr(0, idMark);
        id = dateId.substr(idMark + 3);
        const size_t be = id.find("BE:");
        if (be != std::string::npos && be >= 2) id.resize(be - 1);
    }
    std::string kote, trip;
    const size_t close = dateId.empty() ? std::string::npos : name.find("</b>");
    if (close != std::string::npos) {
        kote = name.substr(0, close);
        const std::string rest = name.substr(close + 4);
        size_t open = rest.find(" <b>");
        if (open == std::string::npos) open = rest.find("<b>");
        if (open != std::string::npos) trip = rest.substr(0, open);
    }
    FUZZ_CHECK(date == r.date && id == r.id && kote == r.kote && trip == r.trip);
}

// The cells of both lists, joined; each must be zero-terminated within the
// formatter's limit and be what its column shows.
std::string Cells(const PostRecord& r) {
    const std::string main[] = {r.kote[0] ? r.kote : r.name, r.trip, r.id, r.date};
    const std::string sub[] = {r.kote[0] && r.trip[0] ? std::string(r.kote) + r.trip : r.name, r.mail, r.id, r.body};
    std::string all;
    for (int column = 1; column <= 4; ++column) {
        char cell[CELL_SIZE + 16];
        memset(cell, 'X', sizeof cell);
        MainListCell(r, column, cell, CELL_SIZE);
        FUZZ_CHECK(memchr(cell, '\0', CELL_SIZE) && cell[CELL_SIZE] == 'X');
        FUZZ_CHECK(Cut(main[column - 1], CELL_SIZE) == cell);
        all += cell + std::string("|");
        SubListCell(r, column, cell, CELL_SIZE);
        FUZZ_CHECK(memchr(cell, '\0', CELL_SIZE) && cell[CELL_SIZE] == 'X');
        FUZZ_CHECK(Cut(sub[column - 1], CELL_SIZE) == cell);
        all += cell + std::string("|");
    }
    return all;
}

bool Marked(const std::string& line, int i) { return line.size() % 2 == 1 || i % 5 == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = (memfs::Use(), QuietLog(), true);
    (void)ready;
    memfs::files.clear();
    memfs::files[LOG_PATH].assign(reinterpret_cast<const char*>(data), size);

    FUZZ_CHECK(ReadThreadLog(LOG_PATH) == 1);
    const std::vector<std::string> lines = ExpectedLines(data, size);
    const int count = static_cast<int>(lines.size());
    static const PostRecord zero = {};
    if (count < POST_TABLE_CAPACITY) FUZZ_CHECK(memcmp(&postTable[count], &zero, sizeof zero) == 0);
    for (int i = 0; i < count; ++i) {
        CheckSplit(i, lines[i], postTable[i]);
        for (const Text& t : Texts(postTable[i])) FUZZ_CHECK(Contained(t));
    }

    SplitNameAndDate();
    std::vector<std::string> shown;
    for (int i = 0; i < count; ++i) {
        PostRecord& r = postTable[i];
        for (const Text& t : Texts(r)) FUZZ_CHECK(Contained(t));
        if (i >= MAX_POSTS) {
            FUZZ_CHECK(!r.kote[0] && !r.trip[0] && !r.date[0] && !r.id[0]);
            continue;
        }
        CheckDerived(r);
        shown.push_back(std::string(r.kote) + "|" + r.trip + "|" + r.date + "|" + r.id + "|" + Cells(r));
    }

    // Again with filler behind every text: nothing may change.
    for (int i = 0; i < count; ++i)
        for (const Text& t : Texts(postTable[i])) FillBehind(t);
    SplitNameAndDate();
    for (int i = 0; i < count && i < MAX_POSTS; ++i) {
        PostRecord& r = postTable[i];
        for (const Text& t : Texts(r)) FillBehind(t);
        FUZZ_CHECK(shown[i] == std::string(r.kote) + "|" + r.trip + "|" + r.date + "|" + r.id + "|" + Cells(r));
    }

    // Written again, reduced: each kept post loads at its number, every other
    // line is an empty post, and nothing else is left in the folder.
    std::vector<std::string> expected(MAX_POSTS, "<><><><>");
    expected[0] = postTable[0].line;
    for (int i = 0; i < count && i < MAX_POSTS; ++i) {
        postTable[i].mainCheck = Marked(lines[i], i);
        postTable[i].subCheck = i % 7 == 3;
        if (postTable[i].mainCheck || postTable[i].subCheck) expected[i] = postTable[i].line;
    }
    FUZZ_CHECK(RewriteThreadLog(PAGE_PATH) == 1);
    FUZZ_CHECK(memfs::files.size() == 2 && memfs::files.count(REWRITTEN_PATH));
    FUZZ_CHECK(ReadThreadLog(REWRITTEN_PATH) == 1);
    for (int i = 0; i < MAX_POSTS; ++i) FUZZ_CHECK(expected[i] == postTable[i].line);
    FUZZ_CHECK(memcmp(&postTable[MAX_POSTS], &zero, sizeof zero) == 0);
    return 0;
}
