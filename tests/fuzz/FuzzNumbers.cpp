// Numbers in texts: the decimal reading on its own, the "&gt;&gt;" anchors of
// post bodies (referenced responses) and the two range edits (range clear).
#include <fuzzer/FuzzedDataProvider.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
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

// ParseDecimal, checked against the reference and against filler behind the text.
bool Parse(const std::string& text, int32_t& value) {
    int32_t expected = -7, a = -7, b = -7;
    const bool fits = Reference(text.c_str(), expected);
    FUZZ_CHECK(ParseDecimal(WithFiller(text, '7').c_str(), a) == fits);
    FUZZ_CHECK(ParseDecimal(WithFiller(text, ' ').c_str(), b) == fits);
    FUZZ_CHECK(a == expected && b == expected);
    value = expected;
    return fits;
}

// The posts a body refers to: each opening followed by a number from 1 to
// MAX_POSTS, the search going on right behind the opening.
std::set<int> Referenced(const std::string& body) {
    std::set<int> rows;
    for (size_t at = body.find(ANCHOR); at != std::string::npos; at = body.find(ANCHOR, at + sizeof ANCHOR - 1)) {
        int32_t n = 0;
        if (Parse(body.substr(at + sizeof ANCHOR - 1), n) && n >= 1 && n <= MAX_POSTS) rows.insert(n - 1);
    }
    return rows;
}

void SetBody(int i, const std::string& body) {
    char* field = postTable[i].body;
    const std::string filler = std::string(ANCHOR) + "12";
    for (size_t k = 0; k < sizeof postTable[i].body; ++k) field[k] = filler[k % filler.size()];
    memcpy(field, body.c_str(), body.size() + 1);
}

bool Ticked(MemoryDialog& dialog, int list, int row) {
    return dialog.RowStateImage(list, row) == STATE_IMAGE_CHECKED;
}

void SetAll(MemoryDialog& dialog, bool ticked) {
    for (int i = 0; i < MAX_POSTS; ++i) {
        dialog.lists[IDC_MAIN_LIST].rows[i].stateImage = ticked ? STATE_IMAGE_CHECKED : STATE_IMAGE_UNCHECKED;
        dialog.lists[IDC_SUB_LIST].rows[i].stateImage = ticked ? STATE_IMAGE_CHECKED : STATE_IMAGE_UNCHECKED;
        postTable[i].mainCheck = postTable[i].subCheck = ticked;
    }
}

// A range edit's post number as the command must read it: 0 when empty or out of range.
int RangeNumber(const std::string& typed) {
    const std::string text = typed.substr(0, RANGE_TEXT_LIMIT).c_str();
    int32_t n = 0;
    return !text.empty() && Parse(text, n) && n >= 1 && n <= MAX_POSTS ? n : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = (memfs::Use(), QuietLog(), snprintf(iniPath, sizeof iniPath, "harvo.ini"), true);
    (void)ready;
    MemoryDialog& dialog = LoadedDialog();
    FuzzedDataProvider input(data, size);
    const std::string start = input.ConsumeRandomLengthString(300);
    const std::string startText = start.c_str();  // as a body: up to its first zero
    const std::string end = input.ConsumeRandomLengthString(300);
    const bool subcheck = input.ConsumeBool();
    const std::string body = input.ConsumeRemainingBytesAsString().substr(0, sizeof postTable[0].body - 1).c_str();
    memfs::files.clear();
    memfs::files[iniPath] = subcheck ? "[OPTION]\r\nSUBCHECK=1\r\n" : "";
    dialog.texts.clear();
    dialog.questions.clear();

    // Referenced responses from two marked posts: exactly the posts their
    // bodies name are ticked in the sub list, and nothing else changes.
    SetAll(dialog, false);
    SetBody(0, body);
    SetBody(1, startText);
    dialog.lists[IDC_MAIN_LIST].rows[0].stateImage = dialog.lists[IDC_MAIN_LIST].rows[1].stateImage =
        STATE_IMAGE_CHECKED;
    FUZZ_CHECK(ExtractReferencedResponses(dialog) == 1);
    std::set<int> named = Referenced(body);
    const std::set<int> more = Referenced(startText);
    named.insert(more.begin(), more.end());
    for (int i = 0; i < MAX_POSTS; ++i) {
        FUZZ_CHECK(postTable[i].subCheck == static_cast<int>(named.count(i)));
        FUZZ_CHECK(Ticked(dialog, IDC_SUB_LIST, i) == (named.count(i) || (subcheck && i < 2)));
        FUZZ_CHECK(postTable[i].mainCheck == (i < 2) && Ticked(dialog, IDC_MAIN_LIST, i) == (i < 2));
    }

    // Range clear, answered Yes: a good range unticks exactly its rows in
    // both lists; a bad one changes nothing and says which edit is wrong.
    SetAll(dialog, true);
    dialog.texts[IDC_RANGE_START] = start;
    dialog.texts[IDC_RANGE_END] = end;
    dialog.answers = {true};
    FUZZ_CHECK(ClearChecksInRange(dialog) == 1);
    const int first = RangeNumber(start), last = first ? RangeNumber(end) : 0;
    const bool good = first && last && first <= last;
    FUZZ_CHECK(dialog.questions.size() == (good ? 1u : 0u));
    FUZZ_CHECK(dialog.texts[IDC_STATUS].empty() == good);
    for (int i = 0; i < MAX_POSTS; ++i) {
        const bool kept = !good || i < first - 1 || i >= last;
        FUZZ_CHECK(Ticked(dialog, IDC_MAIN_LIST, i) == kept && Ticked(dialog, IDC_SUB_LIST, i) == kept);
        FUZZ_CHECK(postTable[i].mainCheck == kept && postTable[i].subCheck == kept);
    }
    return 0;
}
