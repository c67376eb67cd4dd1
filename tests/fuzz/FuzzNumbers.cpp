// Numbers in texts: the decimal reading on its own, the "&gt;&gt;" anchors of
// post bodies (referenced responses) and the two range edits (range clear).
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "resources/resource.h"
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

// Flags the posts a body refers to: each opening followed by a number from 1
// to MAX_POSTS, the search going on right behind the opening.
void FlagReferenced(const std::string& body, Flags& named) {
    const Filled filled(body);
    for (size_t at = body.find(ANCHOR); at != std::string::npos; at = body.find(ANCHOR, at + sizeof ANCHOR - 1)) {
        int32_t n = 0;
        if (ParseAt(filled, at + sizeof ANCHOR - 1, n) && n >= 1 && n <= MAX_POSTS) named[n - 1] = true;
    }
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
    const bool subcheck = input.ConsumeBool();
    const std::string body = input.ConsumeRemainingBytesAsString().substr(0, sizeof PostRecord::body - 1).c_str();
    memfs::Clear();
    SetProgramIni(subcheck ? "[OPTION]\r\nSUBCHECK=1\r\n" : "");
    dialog.texts.clear();
    dialog.questions.clear();

    // Referenced responses from two marked posts: exactly the posts their
    // bodies name are ticked in the sub list, and nothing else changes.
    SetAll(dialog, false);
    SetBody(0, body);
    SetBody(1, startText);
    Tick(dialog, IDC_MAIN_LIST, 0, true);
    Tick(dialog, IDC_MAIN_LIST, 1, true);
    FUZZ_CHECK(ExtractReferencedResponses(FuzzSession(), dialog));
    static Flags named;
    named.fill(false);
    FlagReferenced(body, named);
    FlagReferenced(startText, named);
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
