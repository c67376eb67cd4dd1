// Shift_JIS bytes as UTF-8: the code page 932 decoder fed whole and in
// chunks that end inside a character, and a page written in UTF-8.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "html/HtmlPage.h"
#include "posts/Cp932.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

const char PAGE_PATH[] = "page.html";
const size_t PAGE_CHUNK = 64 * 1024;  // the page's chunk
const size_t CHUNK_SIZES[] = {1, 2, 3, PAGE_CHUNK};

// The bytes given size bytes at a time, each call taking what is left of the
// one before: all its bytes but for a lead byte at the end.
void Chunked(const char* bytes, size_t size, size_t chunk, std::string& out) {
    std::string pending;
    out.clear();
    for (size_t at = 0; at < size; at += chunk) {
        pending.append(bytes + at, std::min(chunk, size - at));
        const size_t taken = AppendCp932AsUtf8(pending.data(), pending.size(), false, out);
        FUZZ_CHECK(taken == pending.size() || (taken + 1 == pending.size() && IsCp932Lead(pending.back())));
        pending.erase(0, taken);
    }
    FUZZ_CHECK(AppendCp932AsUtf8(pending.data(), pending.size(), true, out) == pending.size());
}

// The page holding head and then the bytes given piece bytes at a time.
std::string_view Page(std::string_view head, const char* bytes, size_t size, size_t piece, bool utf8) {
    memfs::Clear();
    HtmlPage page(FuzzSession().posts, utf8);
    FUZZ_CHECK(page.Open(PAGE_PATH));
    page << head;
    for (size_t at = 0; at < size; at += piece) page << std::string_view(bytes + at, std::min(piece, size - at));
    FUZZ_CHECK(page.Save());
    return memfs::files[PAGE_PATH];
}

// Filler of length bytes in Shift_JIS, or its UTF-8: "\x82\xA0" (U+3042), the
// cheapest to encode per byte, after an "f" when length is odd.
std::string_view Filler(size_t length, bool utf8) {
    static const auto repeat = [](const char* unit) {
        std::string s = "f";
        while (s.size() < 3 * PAGE_CHUNK / 2) s += unit;
        return s;
    };
    static const std::string sjis = repeat("\x82\xA0"), encoded = repeat("\xE3\x81\x82");
    const size_t odd = length % 2, chars = length / 2;
    return std::string_view(utf8 ? encoded : sjis).substr(1 - odd, odd + chars * (utf8 ? 3 : 2));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = (memfs::Use(), QuietLog(), true);
    (void)ready;
    const char* bytes = reinterpret_cast<const char*>(data);

    // Whole: valid UTF-8; in chunks of any size: the same.
    static std::string whole, chunked;
    whole.clear();
    FUZZ_CHECK(AppendCp932AsUtf8(bytes, size, true, whole) == size);
    static std::vector<uint32_t> chars;
    chars.clear();
    FUZZ_CHECK(DecodeUtf8Text(whole, chars));
    for (const size_t chunk : CHUNK_SIZES) {
        Chunked(bytes, size, chunk, chunked);
        FUZZ_CHECK(chunked == whole);
    }

    // A page whose first chunk ends inside the bytes (at a place and in
    // pieces the input chooses): in UTF-8 the filler and the bytes' UTF-8,
    // else the bytes unchanged. The filler's 64 KiB to encode cost a hundred
    // runs of the rest: only one input length in 128 writes pages (a byte's
    // value would soon be the one most inputs hold).
    if (size % 128 != 1) return 0;
    const size_t length = PAGE_CHUNK - (data[0] % size + 1), piece = data[size - 1] % 4 + 1;
    std::string_view page = Page(Filler(length, false), bytes, size, piece, true);
    const std::string_view head = Filler(length, true);
    FUZZ_CHECK(page.substr(0, head.size()) == head && page.substr(head.size()) == whole);
    page = Page(Filler(length, false), bytes, size, piece, false);
    FUZZ_CHECK(page.substr(0, length) == Filler(length, false) && page.substr(length) == std::string_view(bytes, size));
    return 0;
}
