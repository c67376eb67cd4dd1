// A thread log in UTF-8: how its bytes are told from Shift_JIS, and their
// conversion to code page 932.
#include <algorithm>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "posts/Cp932.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

const char BYTE_ORDER_MARK[] = "\xEF\xBB\xBF";
const uint32_t LAST_CHAR = 0x10FFFF;

// The characters code page 932 has: those its decoder reads from one byte or two.
const std::bitset<0x10000>& InCodePage() {
    static const std::bitset<0x10000> has = [] {
        std::bitset<0x10000> h;
        for (unsigned lead = 0; lead < 0x100; ++lead) {
            if (!IsCp932Lead(static_cast<unsigned char>(lead))) h.set(Cp932SingleByteChar(static_cast<unsigned char>(lead)));
            for (unsigned trail = 0; trail < 0x100; ++trail)
                h.set(Cp932DoubleByteChar(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)));
        }
        h.reset(REPLACEMENT_CHARACTER);
        return h;
    }();
    return has;
}

bool StartsWithMark(const std::string& bytes) { return bytes.compare(0, 3, BYTE_ORDER_MARK) == 0; }

// UTF-8 text made of the input: the input when it is UTF-8, else characters
// from its bytes taken three at a time, after a byte order mark when the
// first byte is odd.
std::string TextOf(const std::string& input, std::vector<uint32_t>& chars) {
    if (DecodeUtf8Text(input, chars)) return input;
    chars.clear();
    std::string text = input[0] % 2 ? BYTE_ORDER_MARK : "";
    if (!text.empty()) chars.push_back(0xFEFF);
    for (size_t i = 1; i + 3 <= input.size(); i += 3) {
        uint32_t c = (static_cast<uint8_t>(input[i]) << 16 | static_cast<uint8_t>(input[i + 1]) << 8 |
                      static_cast<uint8_t>(input[i + 2])) % (LAST_CHAR + 1);
        if (c >= 0xD800 && c <= 0xDFFF) c -= 0x800;
        AppendUtf8(c, text);
        chars.push_back(c);
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string input(reinterpret_cast<const char*>(data), size);
    static std::vector<uint32_t> chars;
    chars.clear();

    // Bytes are taken for UTF-8 when they start with the mark, or are UTF-8
    // throughout holding a character of three bytes: Shift_JIS text that is
    // not also such UTF-8 never is. The first bytes of such text, up to
    // any place from the end of that character on, may start UTF-8.
    const bool utf8 = DecodeUtf8Text(input, chars);
    const auto threeBytes = std::find_if(chars.begin(), chars.end(), [](uint32_t c) { return c >= 0x800 && c < 0x10000; });
    FUZZ_CHECK(IsUtf8Text(input.data(), size) == (StartsWithMark(input) || (utf8 && threeBytes != chars.end())));
    if (utf8 && threeBytes != chars.end()) {
        size_t end = 0;  // of the first character of three bytes
        for (auto c = chars.begin(); c <= threeBytes; ++c) end += *c < 0x80 ? 1 : *c < 0x800 ? 2 : *c < 0x10000 ? 3 : 4;
        for (const size_t length : {end, size, end + data[0] % (size - end + 1)})
            FUZZ_CHECK(MayStartUtf8Text(input.data(), length));
    }

    // Converted: read back as code page 932, every character the code page
    // has comes back, every other as its "&#N;"; the mark is dropped.
    chars.clear();
    const std::string text = TextOf(input, chars);
    static std::string converted, back, expected;
    converted.clear();
    back.clear();
    expected.clear();
    AppendUtf8AsCp932(text.data(), text.size(), converted);
    FUZZ_CHECK(AppendCp932AsUtf8(converted.data(), converted.size(), true, back) == converted.size());
    for (size_t i = StartsWithMark(text) ? 1 : 0; i < chars.size(); ++i) {
        if (chars[i] < 0x10000 && InCodePage()[chars[i]])
            AppendUtf8(chars[i], expected);
        else
            expected += "&#" + std::to_string(chars[i]) + ";";
    }
    FUZZ_CHECK(back == expected);
    return 0;
}
