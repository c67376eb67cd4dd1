// A check file's bytes through the loader, against the title of the loaded
// thread; then the marks and the emphasis saved and loaded back.
//
// The loader ignores what follows the identity and the emphasis block behind
// it: this target takes those bytes as the loaded thread's title, and the
// identity itself when there are none.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "resources/resource.h"
#include "select/CheckFile.h"
#include "tests/fuzz/FuzzDialog.h"
#include "tests/fuzz/FuzzSupport.h"
#include "posts/PostTable.h"
#include "ui/TargetLists.h"

namespace {

const size_t HEAD = 2 * CHECK_FILE_MARKS_SIZE + 4;  // the marks and the identity length
const size_t TITLE_COMPARED = 255;
const size_t TAG = sizeof CHECK_FILE_EMPHASIS_TAG - 1;
const size_t BLOCK = TAG + MAX_POSTS;  // the emphasis block: its tag and a byte per post

// A zero-terminated text from bytes: up to the first NUL, at most limit bytes.
std::string Text(const std::string& bytes, size_t limit) {
    return bytes.substr(0, std::min(bytes.find('\0'), limit));
}

void SetTitle(const std::string& title) {
    char* field = Post(0).title;
    memset(field, 'T', sizeof Post(0).title);  // filler behind the text
    memcpy(field, title.c_str(), title.size() + 1);
}

// The marks of every post in the main and the sub list, and its emphasis.
struct Marks {
    bool main[MAX_POSTS], sub[MAX_POSTS];
    uint8_t emphasis[MAX_POSTS];
};

// An emphasis byte as read from a file: colour (bits 0-2) 0 to 5, size (bits
// 3-4) 0 to 2, bold and AA (bits 5, 6); a colour or size out of range is
// none or normal, bit 7 nothing.
uint8_t Readable(uint8_t byte) {
    const int colour = byte & 7, size = byte >> 3 & 3;
    return static_cast<uint8_t>((colour <= 5 ? colour : 0) | (size <= 2 ? size : 0) << 3 | (byte & 0x60));
}

// The marks a run starts from, different from one input size to the next.
void StartMarks(size_t size, Marks& m) {
    for (int i = 0; i < MAX_POSTS; ++i) {
        m.main[i] = (i + size) % 3 == 0;
        m.sub[i] = (i * 7 + size) % 5 == 0;
        m.emphasis[i] = Readable(static_cast<uint8_t>(i * 37 + size));
    }
}

// The marks a check file holds: a nonzero byte is a mark; the emphasis of
// its block, none without one.
void FileMarks(const uint8_t* data, const uint8_t* block, Marks& m) {
    for (int i = 0; i < MAX_POSTS; ++i) {
        m.main[i] = data[i] != 0;
        m.sub[i] = data[CHECK_FILE_MARKS_SIZE + i] != 0;
        m.emphasis[i] = block ? Readable(block[TAG + i]) : 0;
    }
}

// The marks of the post table's records, and every one of them turned over.
void TableMarks(Marks& m, Marks& turned) {
    for (int i = 0; i < MAX_POSTS; ++i) {
        m.main[i] = Post(i).mainCheck;
        m.sub[i] = Post(i).subCheck;
        m.emphasis[i] = Post(i).emphasis;
        turned.main[i] = !m.main[i];
        turned.sub[i] = !m.sub[i];
        turned.emphasis[i] = m.emphasis[i] ^ 0x20;
    }
}

// Every post's marks in its record and its rows.
void SetMarks(LoadedListsDialog& dialog, const Marks& m) {
    for (int i = 0; i < MAX_POSTS; ++i) {
        Post(i).mainCheck = m.main[i];
        Post(i).subCheck = m.sub[i];
        Post(i).emphasis = m.emphasis[i];
        Tick(dialog, IDC_MAIN_LIST, i, m.main[i]);
        Tick(dialog, IDC_SUB_LIST, i, m.sub[i]);
    }
}

void CheckMarks(LoadedListsDialog& dialog, const Marks& m) {
    for (int i = 0; i < MAX_POSTS; ++i) {
        FUZZ_CHECK(Post(i).mainCheck == m.main[i] && Post(i).subCheck == m.sub[i] && Post(i).emphasis == m.emphasis[i]);
        FUZZ_CHECK(Shows(dialog, IDC_MAIN_LIST, i, m.main[i]));
        FUZZ_CHECK(Shows(dialog, IDC_SUB_LIST, i, m.sub[i]));
    }
}

int Load(LoadedListsDialog& dialog, const char* path) {
    // Every record the dialog keeps, cleared: kept from run to run they grow
    // the process by some 70 MB per million runs.
    dialog.texts.clear();
    dialog.choosers.clear();
    dialog.proposedNames.clear();
    dialog.questions.clear();
    dialog.chosenPath = path;
    return LoadCheckFile(FuzzSession(), dialog);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = (memfs::Use(), QuietLog(), PostTableOnHugePages(), true);
    (void)ready;
    LoadedListsDialog& dialog = LoadedDialog();
    memfs::Clear();
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // The layout, read here on its own.
    const uint32_t length = size >= HEAD ? data[HEAD - 4] | data[HEAD - 3] << 8 | data[HEAD - 2] << 16 |
                                               static_cast<uint32_t>(data[HEAD - 1]) << 24
                                         : 0;
    const bool whole = size >= HEAD && length >= 1 && length <= CHECK_FILE_IDENTITY_MAX && size >= HEAD + length;
    const std::string identity = whole ? Text(bytes.substr(HEAD, length), TITLE_COMPARED) : "";
    const std::string rest = bytes.substr(std::min(size, whole ? HEAD + length : HEAD));
    const bool emphasised = whole && rest.size() >= BLOCK && rest.compare(0, TAG, CHECK_FILE_EMPHASIS_TAG) == 0;
    const std::string after = emphasised ? rest.substr(BLOCK) : rest;
    const std::string title = whole && after.empty() ? identity : Text(after, TITLE_COMPARED);
    const bool loads = whole && identity == title;

    // Static: no 4 KB of marks to poison and unpoison on the stack per run.
    static Marks start, loaded, saved, turned;
    SetTitle(title);
    StartMarks(size, start);
    SetMarks(dialog, start);
    memfs::Put("marks.chk", bytes);
    FUZZ_CHECK(Load(dialog, "marks.chk") == loads);
    FUZZ_CHECK(dialog.texts[IDC_STATUS].empty() == loads);
    // Loaded, the file's marks replace every other; refused, nothing changes.
    if (loads) FileMarks(data, emphasised ? data + HEAD + length : nullptr, loaded);
    CheckMarks(dialog, loads ? loaded : start);

    // Saved beside a page and loaded back: the same marks and emphasis, and
    // only the check file written, with the block when any post has emphasis.
    TableMarks(saved, turned);
    SaveCheckFile(FuzzSession().posts, "page.html");
    FUZZ_CHECK(memfs::files.size() == 2 && memfs::files.count("page.chk"));
    const bool anyEmphasis = std::any_of(saved.emphasis, saved.emphasis + MAX_POSTS, [](uint8_t e) { return e; });
    FUZZ_CHECK(memfs::files["page.chk"].size() == HEAD + title.size() + 1 + (anyEmphasis ? BLOCK : 0));
    SetMarks(dialog, turned);
    FUZZ_CHECK(Load(dialog, "page.chk") == 1);
    CheckMarks(dialog, saved);
    return 0;
}
