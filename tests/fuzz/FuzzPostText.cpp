// The preview's text rule: Shift_JIS markup read as UTF-8 text, tags
// removed, "<br>" forms a line break, character references resolved.
#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "posts/Cp932.h"
#include "tests/fuzz/FuzzSupport.h"
#include "ui/PostPreview.h"

namespace {

const char LINE_BREAK[] = "\r\n";

// Tags put between two texts, and what each leaves there.
const struct {
    const char* tag;
    const char* text;
} TAGS[] = {
    {"<br>", LINE_BREAK}, {"<BR>", LINE_BREAK}, {"<bR/>", LINE_BREAK}, {"<br />", LINE_BREAK}, {"<br //>", LINE_BREAK},
    {"<b>", ""},          {"<brr>", ""},        {"< br>", ""},         {"<br / x>", ""},        {"<>", ""},
    {"<a href=\"../test/read.cgi/b/1/3\" target=\"_blank\">", ""},    {"</a>", ""},
};

// Named references, and names that are none.
const struct {
    const char* name;
    unsigned c;  // 0: none
} NAMES[] = {{"gt", '>'}, {"lt", '<'}, {"amp", '&'}, {"quot", '"'}, {"nbsp", 0xA0}, {"copy", 0}, {"GT", 0}, {"apos", 0}};

// What the digits of a numeric reference are made of, and what breaks them.
const char DIGITS[] = "0123456789abcdefABCDEFxXg+ ";

std::string Decoded(const std::string& markup) {
    std::string text;
    AppendCp932AsUtf8(markup.data(), markup.size(), true, text);
    return text;
}

// A reference "&#digits;" and the text it stands for: its character when the
// digits ("x" and hexadecimal ones, or decimal ones) are 1 to 8 and name
// U+0001 to U+10FFFF but no surrogate; else itself.
std::string NumericText(const std::string& digits) {
    const bool hex = !digits.empty() && (digits[0] == 'x' || digits[0] == 'X');
    const std::string number = digits.substr(hex ? 1 : 0);
    bool valid = !number.empty() && number.size() <= 8;
    for (const char d : number) valid &= hex ? isxdigit(static_cast<unsigned char>(d)) != 0 : isdigit(static_cast<unsigned char>(d)) != 0;
    const unsigned long c = valid ? strtoul(number.c_str(), nullptr, hex ? 16 : 10) : 0;
    if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return "&#" + digits + ";";
    std::string text;
    AppendUtf8(static_cast<unsigned>(c), text);
    return text;
}

// Whether every '<' of markup is closed by a '>' behind it.
bool TagsClosed(const std::string& markup) {
    const size_t open = markup.rfind('<'), close = markup.rfind('>');
    return open == std::string::npos || (close != std::string::npos && close > open);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string a = input.ConsumeRandomLengthString(512).c_str();  // markup holds no NUL
    const std::string b = input.ConsumeRandomLengthString(512).c_str();
    const unsigned choice = input.ConsumeIntegral<uint8_t>();
    const std::string digits = input.ConsumeRandomLengthString(12);

    // Never longer than the markup's UTF-8, valid UTF-8 without a NUL (every
    // reference a character), unchanged without '&' and '<', and without
    // references no '<' kept before a '>'.
    const std::string text = MarkupAsText(a.c_str()), decoded = Decoded(a);
    std::vector<uint32_t> chars;
    FUZZ_CHECK(text.size() <= decoded.size());
    FUZZ_CHECK(DecodeUtf8Text(text, chars) && text.find('\0') == std::string::npos);
    const bool hasAmpersand = a.find('&') != std::string::npos;
    if (!hasAmpersand && a.find('<') == std::string::npos) FUZZ_CHECK(text == decoded);
    if (!hasAmpersand) {
        const size_t open = text.find('<');
        FUZZ_CHECK(open == std::string::npos || text.find('>', open) == std::string::npos);
    }

    // A tag or a reference between two texts leaves what it stands for between
    // their own texts, when the first leaves no tag open.
    if (!TagsClosed(a)) return 0;
    std::string middle, expected;
    if (choice % 3 == 0) {
        const auto& t = TAGS[choice / 3 % (sizeof TAGS / sizeof TAGS[0])];
        middle = t.tag;
        expected = t.text;
    } else if (choice % 3 == 1) {
        const auto& n = NAMES[choice / 3 % (sizeof NAMES / sizeof NAMES[0])];
        middle = std::string("&") + n.name + ";";
        if (n.c)
            AppendUtf8(n.c, expected);
        else
            expected = middle;
    } else {
        std::string d;
        for (const char c : digits) d += DIGITS[static_cast<unsigned char>(c) % (sizeof DIGITS - 1)];
        middle = "&#" + d + ";";
        expected = NumericText(d);
    }
    FUZZ_CHECK(MarkupAsText((a + middle + b).c_str()) == text + expected + MarkupAsText(b.c_str()));
    return 0;
}
