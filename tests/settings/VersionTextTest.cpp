#include <gtest/gtest.h>

#include "settings/VersionText.h"

namespace {

TEST(VersionTextTest, FourDecimalNumbersFromTheHalvesOfTwoWords) {
    const struct { uint32_t ms, ls; const char* text; } cases[] = {
        {0x00000001, 0x00080002, "Version 0.1.8.2"},
        {0x000A0000, 0x00000000, "Version 10.0.0.0"},
        {0x0001000A, 0x000B000C, "Version 1.10.11.12"},
        {0xFFFFFFFF, 0xFFFF0100, "Version 65535.65535.65535.256"},
    };
    for (const auto& c : cases) {
        char text[256] = "left over";
        FormatVersionText(c.ms, c.ls, text, sizeof text);
        EXPECT_STREQ(text, c.text);
    }
}

}  // namespace
