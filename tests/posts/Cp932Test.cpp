// Shift_JIS as code page 932 reads it, written as UTF-8.
#include "posts/Cp932.h"

#include <gtest/gtest.h>

#include <string>


namespace {

std::string Utf8(const std::string& cp932) {
    std::string out;
    EXPECT_EQ(AppendCp932AsUtf8(cp932.data(), cp932.size(), true, out), cp932.size());
    return out;
}

TEST(Cp932Test, DecodesEveryKindOfSequence) {
    const struct {
        const char* what;
        std::string in;
        const char* out;
    } cases[] = {
        {"ASCII", "a<\r\n~", u8"a<\r\n~"},
        {"half-width katakana", "\xB1\xDF", u8"ｱﾟ"},
        {"JIS X 0208, 0x5C trail byte", "\x95\x5C\x83\x5C", u8"表ソ"},
        {"NEC specials", "\x87\x40\x87\x56\x87\x5F", u8"①Ⅲ㍉"},
        {"NEC-selected and IBM extensions", "\xED\x40\xFA\x40\xFC\x4B", u8"纊ⅰ黑"},
        {"user-defined area", "\xF0\x40\xF9\xFC", u8"\uE000\uE757"},
        {"single bytes without a character", "\x80\xA0\xFD\xFE\xFF", u8"\u0080\uF8F0\uF8F1\uF8F2\uF8F3"},
        {"a pair code page 932 has no character for", "\x85\x40", u8"\uFFFD"},
        {"a lead byte before a byte that is no trail", "\x81\x20\x82\x0D\x0A", u8"\uFFFD \uFFFD\r\n"},
        {"a lead byte before 0x7F", "\x81\x7F", u8"\uFFFD\x7F"},
        {"a lead byte at the end", "a\x82", u8"a\uFFFD"},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8(c.in), c.out) << c.what;
}

}  // namespace
