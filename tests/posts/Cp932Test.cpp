// Shift_JIS as code page 932 reads it, written as UTF-8.
#include "posts/Cp932.h"

#include <gtest/gtest.h>

#include <cstring>
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

// UTF-8 as Windows writes it in code page 932: where the code page reads two
// sequences as one character, the first of JIS X 0208, NEC row 13, IBM.
TEST(Cp932Test, EncodesUtf8AsWindowsDoes) {
    const struct {
        const char* what;
        const char* in;
        std::string out;
    } cases[] = {
        {"ASCII and separators", u8"a<>b\r\n", "a<>b\r\n"},
        {"kana, kanji, half-width", u8"あ表ｱ", "\x82\xA0\x95\x5C\xB1"},
        {"JIS X 0208 before NEC row 13", u8"≒∵￢", "\x81\xE0\x81\xE6\x81\xCA"},
        {"NEC row 13 before IBM", u8"Ⅰ㈱", "\x87\x54\x87\x8A"},
        {"IBM before NEC-selected IBM", u8"纊ⅰ", "\xFA\x5C\xFA\x40"},
        {"user-defined area", u8"\uE000", "\xF0\x40"},
        {"no character in the code page", u8"😀é¬", "&#128512;&#233;&#172;"},
        {"byte order mark dropped", u8"\uFEFFa", "a"},
    };
    for (const auto& c : cases) {
        std::string out;
        AppendUtf8AsCp932(c.in, strlen(c.in), out);
        EXPECT_EQ(out, c.out) << c.what;
    }
    // Every character code page 932 reads comes back as bytes that read as it.
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead)
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            const unsigned c = Cp932DoubleByteChar(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
            std::string bytes;
            if (c == REPLACEMENT_CHARACTER) continue;
            ASSERT_TRUE(AppendCp932Char(c, bytes)) << std::hex << lead << trail;
            ASSERT_EQ(bytes.size(), 2u);
            ASSERT_EQ(Cp932DoubleByteChar(static_cast<unsigned char>(bytes[0]), static_cast<unsigned char>(bytes[1])), c);
        }
}

TEST(Cp932Test, TellsUtf8FromShiftJis) {
    const struct {
        const char* what;
        std::string bytes;
        bool utf8;
    } cases[] = {
        {"byte order mark", "\xEF\xBB\xBF" "abc", true},
        {"a character of three bytes", u8"名無し<><>", true},
        {"two-byte characters only", u8"café", false},
        {"ASCII", "abc<>\n", false},
        {"Shift_JIS", "\x96\xBC\x96\xB3\x82\xB5", false},
        {"an overlong form", "\xE3\x81\x82\xC0\x80", false},
        {"a surrogate", "\xE3\x81\x82\xED\xA0\x80", false},
        {"a character cut off at the end", "\xE3\x81\x82\xE3\x81", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsUtf8Text(c.bytes.data(), c.bytes.size()), c.utf8) << c.what;
    EXPECT_TRUE(MayStartUtf8Text("\xE3\x81\x82\xE3\x81", 5)) << "a chunk may end inside a character";
    EXPECT_FALSE(MayStartUtf8Text("abc", 3)) << "plain ASCII is read as it is";
}

}  // namespace
