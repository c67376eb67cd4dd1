#include <gtest/gtest.h>

#include "platform/SamePath.h"

namespace {

TEST(SamePath, ComparesAsWindowsDoes) {
    const struct { const char *a, *b; bool same; } cases[] = {
        {"C:\\Logs\\1234.DAT", "c:\\logs\\1234.dat", true},
        {"C:/logs/1234.dat", "C:\\logs\\1234.dat", true},
        {"C:\\logs\\1234.dat", "C:\\logs\\1234_RE.dat", false},
        {"C:\\ソフト.dat", "C:\\ソフト.dat", true},        // ソ is 83 5C: no separator
        {"C:\\\x83\x5C.dat", "C:\\\x83/.dat", false},     // nor a '/' behind a lead byte
        {"C:\\\x83\x61.dat", "C:\\\x83\x41.dat", false},  // ャ (83 61) is not ア (83 41)
        {"C:\\ＡＢ.dat", "C:\\ａｂ.dat", false},             // only ASCII letters fold
        {"dir/./a.dat", "dir/a.dat", true},                // relative: made full first
        {"dir/x/../a.dat", "DIR/A.dat", true},
        {"a.dat", "b.dat", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " | " + c.b);
        EXPECT_EQ(SamePath(c.a, c.b), c.same);
        EXPECT_EQ(SamePath(c.b, c.a), c.same);
    }
}

}  // namespace
