// Our code page 932 decoder against the system's own conversion
// (MultiByteToWideChar with code page 932) for every byte that is no lead
// byte and every lead and trail byte pair. Where code page 932 has no
// character, the system gives its default character U+30FB and we give
// U+FFFD; a lead byte before a byte that is no trail byte takes that byte
// with it there, while we decode that byte on its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "posts/Cp932.h"

namespace {

const unsigned SYSTEM_DEFAULT_CHARACTER = 0x30FB;

std::vector<unsigned> SystemChars(const char* bytes, int size) {
    wchar_t wide[4];
    const int n = MultiByteToWideChar(932, 0, bytes, size, wide, 4);
    return std::vector<unsigned>(wide, wide + (n > 0 ? n : 0));
}

TEST(Cp932DifferentialTest, DecodesAsTheSystemDoes) {
    int withCharacter = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC && IsCp932Lead(lead); ++trail) {
            if (!IsCp932Trail(trail)) continue;
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            const unsigned ours = Cp932DoubleByteChar(lead, trail);
            withCharacter += ours != REPLACEMENT_CHARACTER;
            const unsigned expected = ours == REPLACEMENT_CHARACTER ? SYSTEM_DEFAULT_CHARACTER : ours;
            EXPECT_EQ(SystemChars(pair, 2), std::vector<unsigned>{expected}) << std::hex << lead << " " << trail;
        }
    }
    EXPECT_EQ(withCharacter, 9604);  // JIS X 0208, NEC and IBM extensions, the user-defined area
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        if (!IsCp932Lead(b)) {
            EXPECT_EQ(SystemChars(&byte, 1), std::vector<unsigned>{Cp932SingleByteChar(b)}) << b;
        }
    }
    for (const char* cut : {"\x81\x20", "\x9F\x7F", "\xFC\x0D", "\xE0"}) {
        EXPECT_EQ(SystemChars(cut, 1 + (cut[1] != 0)), std::vector<unsigned>{SYSTEM_DEFAULT_CHARACTER});
    }
}

// Our encoder against WideCharToMultiByte for every character of the basic
// plane, best-fit mappings off: the same bytes, or none where the system has
// none (it then gives its default byte '?').
TEST(Cp932DifferentialTest, EncodesAsTheSystemDoes) {
    int differences = 0;
    for (unsigned c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const wchar_t wide = static_cast<wchar_t>(c);
        char system[4];
        BOOL defaulted = FALSE;
        const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &wide, 1, system, 4, nullptr, &defaulted);
        std::string ours;
        AppendCp932Char(c, ours);
        const std::string expected = defaulted || n <= 0 ? std::string() : std::string(system, static_cast<size_t>(n));
        if (ours != expected && differences++ < 10) ADD_FAILURE() << std::hex << "U+" << c;
    }
    EXPECT_EQ(differences, 0);
}

}  // namespace
