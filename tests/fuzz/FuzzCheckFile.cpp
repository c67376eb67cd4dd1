// A check file's bytes through the loader, against the title of the loaded
// thread; then the marks saved and loaded back.
//
// The loader ignores what follows the identity: this target takes those bytes
// as the loaded thread's title, and the identity itself when there are none.
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

// A zero-terminated text from bytes: up to the first NUL, at most limit bytes.
std::string Text(const std::string& bytes, size_t limit) {
    return bytes.substr(0, std::min(bytes.find('\0'), limit));
}

void SetTitle(const std::string& title) {
    char* field = postTable[0].title;
    memset(field, 'T', sizeof postTable[0].title);  // filler behind the text
    memcpy(field, title.c_str(), title.size() + 1);
}

void SetMarks(MemoryDialog& dialog, int i, bool main, bool sub) {
    postTable[i].mainCheck = main;
    postTable[i].subCheck = sub;
    dialog.lists[IDC_MAIN_LIST].rows[i].stateImage = main ? STATE_IMAGE_CHECKED : STATE_IMAGE_UNCHECKED;
    dialog.lists[IDC_SUB_LIST].rows[i].stateImage = sub ? STATE_IMAGE_CHECKED : STATE_IMAGE_UNCHECKED;
}

void CheckMarks(MemoryDialog& dialog, int i, bool main, bool sub) {
    FUZZ_CHECK(postTable[i].mainCheck == main && postTable[i].subCheck == sub);
    FUZZ_CHECK(dialog.RowStateImage(IDC_MAIN_LIST, i) == (main ? STATE_IMAGE_CHECKED : STATE_IMAGE_UNCHECKED));
    FUZZ_CHECK(dialog.RowStateImage(IDC_SUB_LIST, i) == (sub ? STATE_IMAGE_CHECKED : STATE_IMAGE_UNCHECKED));
}

int Load(MemoryDialog& dialog, const char* path) {
    dialog.texts.clear();
    dialog.choosers.clear();
    dialog.chosenPath = path;
    return LoadCheckFile(dialog);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = (memfs::Use(), QuietLog(), true);
    (void)ready;
    MemoryDialog& dialog = LoadedDialog();
    memfs::files.clear();
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // The layout, read here on its own.
    const uint32_t length = size >= HEAD ? data[HEAD - 4] | data[HEAD - 3] << 8 | data[HEAD - 2] << 16 |
                                               static_cast<uint32_t>(data[HEAD - 1]) << 24
                                         : 0;
    const bool whole = size >= HEAD && length >= 1 && length <= CHECK_FILE_IDENTITY_MAX && size >= HEAD + length;
    const std::string identity = whole ? Text(bytes.substr(HEAD, length), TITLE_COMPARED) : "";
    const std::string rest = bytes.substr(std::min(size, whole ? HEAD + length : HEAD));
    const std::string title = whole && rest.empty() ? identity : Text(rest, TITLE_COMPARED);
    const bool loads = whole && identity == title;

    SetTitle(title);
    for (int i = 0; i < MAX_POSTS; ++i) SetMarks(dialog, i, (i + size) % 3 == 0, (i * 7 + size) % 5 == 0);
    memfs::files["marks.chk"] = bytes;
    FUZZ_CHECK(Load(dialog, "marks.chk") == loads);
    FUZZ_CHECK(dialog.texts[IDC_STATUS].empty() == loads);
    // Loaded, the file's marks replace every other; refused, nothing changes.
    for (int i = 0; i < MAX_POSTS; ++i) {
        if (loads)
            CheckMarks(dialog, i, data[i] != 0, data[CHECK_FILE_MARKS_SIZE + i] != 0);
        else
            CheckMarks(dialog, i, (i + size) % 3 == 0, (i * 7 + size) % 5 == 0);
    }

    // Saved beside a page and loaded back: the same marks, and only the check file written.
    bool main[MAX_POSTS], sub[MAX_POSTS];
    for (int i = 0; i < MAX_POSTS; ++i) {
        main[i] = postTable[i].mainCheck;
        sub[i] = postTable[i].subCheck;
    }
    FUZZ_CHECK(SaveCheckFile("page.html") == 1);
    FUZZ_CHECK(memfs::files.size() == 2 && memfs::files.count("page.chk"));
    FUZZ_CHECK(memfs::files["page.chk"].size() == HEAD + title.size() + 1);
    for (int i = 0; i < MAX_POSTS; ++i) SetMarks(dialog, i, !main[i], !sub[i]);
    FUZZ_CHECK(Load(dialog, "page.chk") == 1);
    for (int i = 0; i < MAX_POSTS; ++i) CheckMarks(dialog, i, main[i], sub[i]);
    return 0;
}
