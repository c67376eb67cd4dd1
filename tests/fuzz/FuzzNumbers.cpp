// Numbers in texts: the decimal reading on its own, the "&gt;&gt;" anchors of
// post bodies by both rules (and the referenced responses that follow them)
// and the two range edits (range clear).
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "select/Anchors.h"
#include "select/DecimalNumber.h"
#include "select/RangeClear.h"
#include "select/ReferencedResponses.h"
#include "settings/ProgramIni.h"
#include "tests/fuzz/FuzzDialog.h"
#include "tests/fuzz/FuzzSupport.h"
#include "posts/PostTable.h"
#include "ui/TargetLists.h"

namespace {

const char ANCHOR[] = "&gt;&gt;";
const int RANGE_TEXT_LIMIT = 255;  // what a range edit is read with

// The C library's reading, with its overflow taken as "does not fit".
bool Reference(const char* text, int32_t& value) {
    errno = 0;
    const long long n = strtoll(text, nullptr, 10);
    if (errno == ERANGE || n < INT32_MIN || n > INT32_MAX) return false;
    value = static_cast<int32_t>(n);
    return true;
}

// A text and its two copies with filler behind the zero: a number read from
// any place in the text is read there in the copies too. Made once per text,
// not once per number: a body's anchors each start a number, and copying the
// rest of the body behind each would cost a run more than the command.
struct Filled {
    explicit Filled(const std::string& t) : text(t), sevens(WithFiller(t, '7')), blanks(WithFiller(t, ' ')) {}
    const std::string text, sevens, blanks;
};

// ParseDecimal from place at of a text, checked against the reference and
// against filler behind the text.
bool ParseAt(const Filled& f, size_t at, int32_t& value) {
    int32_t expected = -7, a = -7, b = -7;
    const bool fits = Reference(f.text.c_str() + at, expected);
    FUZZ_CHECK(ParseDecimal(f.sevens.c_str() + at, a) == fits);
    FUZZ_CHECK(ParseDecimal(f.blanks.c_str() + at, b) == fits);
    FUZZ_CHECK(a == expected && b == expected);
    value = expected;
    return fits;
}

// One flag per post.
using Flags = std::array<bool, MAX_POSTS>;

// Digits right at text, read by the C library: false, and end not moved,
// when there are none or they do not fit.
bool Digits(const char* text, long long& value, const char*& end) {
    if (*text < '0' || *text > '9') return false;
    char* stop = nullptr;
    errno = 0;
    value = strtoll(text, &stop, 10);
    if (errno == ERANGE || value > INT32_MAX) return false;
    end = stop;
    return true;
}

// The posts a body's anchors name in byte order, read here apart from the
// tool: each opening's first number by the decimal rule, the search going on
// right behind the opening. With ranges, a first number written with digits
// reads on as the grammar ("-" M)? ("," N ("-" M)?)*.
std::vector<int> ReadAnchors(const std::string& body, bool ranges) {
    std::vector<int> named;
    const auto name = [&](long long n) {
        if (n >= 1 && n <= MAX_POSTS) named.push_back(static_cast<int>(n));
    };
    const Filled filled(body);
    for (size_t at = body.find(ANCHOR); at != std::string::npos; at = body.find(ANCHOR, at + sizeof ANCHOR - 1)) {
        const char* const from = body.c_str() + at + sizeof ANCHOR - 1;
        int32_t first = 0;
        if (!ParseAt(filled, from - body.c_str(), first)) continue;
        name(first);
        char* stop = nullptr;
        strtoll(from, &stop, 10);
        const char* end = stop;
        if (!ranges || end == from) continue;
        long long low = first, high = 0;
        const auto rangeBehind = [&] {
            if (end[0] == '-' && Digits(end + 1, high, end) && low <= high && high - low <= ANCHOR_RANGE_WIDEST)
                for (long long k = low + 1; k <= high; ++k) name(k);
        };
        rangeBehind();
        while (end[0] == ',' && Digits(end + 1, low, end)) {
            name(low);
            rangeBehind();
        }
    }
    return named;
}

// The tool's anchors of post i's body (read with the filler behind it) by a
// rule: each in 1 to MAX_POSTS, and the same as the reading above, which
// flags the posts named.
void CheckAnchors(int i, const std::string& body, bool ranges, Flags* named = nullptr) {
    std::vector<int> visited;
    ForEachAnchor(
        Post(i).body,
        [&](int n) {
            FUZZ_CHECK(n >= 1 && n <= MAX_POSTS);
            visited.push_back(n);
        },
        ranges ? AnchorRule::RangesAndLists : AnchorRule::FirstNumber);
    FUZZ_CHECK(visited == ReadAnchors(body, ranges));
    if (named)
        for (const int n : visited) (*named)[n - 1] = true;
}

// A body followed by filler: anchors with a number, for a read past its end to find.
void SetBody(int i, const std::string& body) {
    static const std::string filler = [] {
        const std::string unit = std::string(ANCHOR) + "12";
        std::string f;
        for (size_t k = 0; k < sizeof PostRecord::body; ++k) f += unit[k % unit.size()];
        return f;
    }();
    char* field = Post(i).body;
    memcpy(field, filler.data(), sizeof Post(i).body);
    memcpy(field, body.c_str(), body.size() + 1);
}

void SetAll(LoadedListsDialog& dialog, bool ticked) {
    for (int i = 0; i < MAX_POSTS; ++i) {
        Tick(dialog, IDC_MAIN_LIST, i, ticked);
        Tick(dialog, IDC_SUB_LIST, i, ticked);
        Post(i).mainCheck = Post(i).subCheck = ticked;
    }
}

// After the referenced responses of posts 1 and 2: the named posts marked
// in the sub list, and its rows ticked, those of 1 and 2 too when the
// setting says so; nothing else changed.
void CheckReferenced(LoadedListsDialog& dialog, const Flags& named, bool subcheck) {
    for (int i = 0; i < MAX_POSTS; ++i) {
        const bool sub = named[i] || (subcheck && i < 2);
        FUZZ_CHECK(Post(i).subCheck == static_cast<int>(sub) && Ticked(dialog, IDC_SUB_LIST, i) == sub);
        FUZZ_CHECK(Post(i).mainCheck == (i < 2) && Ticked(dialog, IDC_MAIN_LIST, i) == (i < 2));
    }
}

// After a range clear of every mark: posts first to last unmarked and their
// rows unticked when the range is good, all else as it was.
void CheckCleared(LoadedListsDialog& dialog, bool good, int first, int last) {
    for (int i = 0; i < MAX_POSTS; ++i) {
        const bool kept = !good || i < first - 1 || i >= last;
        FUZZ_CHECK(Ticked(dialog, IDC_MAIN_LIST, i) == kept && Ticked(dialog, IDC_SUB_LIST, i) == kept);
        FUZZ_CHECK(Post(i).mainCheck == kept && Post(i).subCheck == kept);
    }
}

// A range edit's post number as the command must read it: 0 when empty or out of range.
int RangeNumber(const std::string& typed) {
    const std::string text = typed.substr(0, RANGE_TEXT_LIMIT).c_str();
    int32_t n = 0;
    return !text.empty() && ParseAt(Filled(text), 0, n) && n >= 1 && n <= MAX_POSTS ? n : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = (memfs::Use(), QuietLog(), PostTableOnHugePages(), true);
    (void)ready;
    LoadedListsDialog& dialog = LoadedDialog();
    FuzzedDataProvider input(data, size);
    const std::string start = input.ConsumeRandomLengthString(300);
    const std::string startText = start.c_str();  // as a body: up to its first zero
    const std::string end = input.ConsumeRandomLengthString(300);
    const bool subcheck = input.ConsumeBool(), ranges = input.ConsumeBool();
    const std::string body = input.ConsumeRemainingBytesAsString().substr(0, sizeof PostRecord::body - 1).c_str();
    memfs::Clear();
    SetProgramIni(std::string("[OPTION]\r\n") + (subcheck ? "SUBCHECK=1\r\n" : "") + (ranges ? "ANCHOR_RANGES=1\r\n" : ""));
    dialog.texts.clear();
    dialog.questions.clear();

    // Both rules of anchors; then referenced responses from two marked posts
    // by the rule set: exactly the posts their bodies name are ticked in the
    // sub list, and nothing else changes.
    SetAll(dialog, false);
    SetBody(0, body);
    SetBody(1, startText);
    static Flags named;
    named.fill(false);
    CheckAnchors(0, body, !ranges);
    CheckAnchors(0, body, ranges, &named);
    CheckAnchors(1, startText, ranges, &named);
    Tick(dialog, IDC_MAIN_LIST, 0, true);
    Tick(dialog, IDC_MAIN_LIST, 1, true);
    FUZZ_CHECK(ExtractReferencedResponses(FuzzSession(), dialog));
    CheckReferenced(dialog, named, subcheck);

    // Range clear, answered Yes: a good range unticks exactly its rows in
    // both lists; a bad one changes nothing and says which edit is wrong.
    SetAll(dialog, true);
    dialog.texts[IDC_RANGE_START] = start;
    dialog.texts[IDC_RANGE_END] = end;
    dialog.answers = {true};
    ClearChecksInRange(FuzzSession(), dialog);
    const int first = RangeNumber(start), last = first ? RangeNumber(end) : 0;
    const bool good = first && last && first <= last;
    FUZZ_CHECK(dialog.questions.size() == (good ? 1u : 0u));
    FUZZ_CHECK(dialog.texts[IDC_STATUS].empty() == good);
    CheckCleared(dialog, good, first, last);
    return 0;
}
