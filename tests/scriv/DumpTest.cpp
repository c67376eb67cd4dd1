#include <cstdio>
#include <vector>

#include "scriv/ScrivDump.h"
#include "tests/scriv/ScrivFixture.h"

namespace {

std::string Title(const void* start, uint32_t length) {
    char title[128];
    snprintf(title, sizeof title, "***  Dump  ***  Address:0x%0*llx Length:0x%08x   0123456789ABCDEF",
             static_cast<int>(2 * sizeof(void*)), static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(start)),
             length);
    return title;
}

std::vector<std::string> Rows(const std::string& block) {
    std::vector<std::string> rows;
    size_t at = 0, end;
    while ((end = block.find('\n', at)) != std::string::npos) {
        rows.push_back(block.substr(at, end - at));
        at = end + 1;
    }
    return rows;
}

// The character column of a row: everything after the 55 characters of offset and bytes.
std::string Column(const std::string& row) { return row.substr(row.find(':') + 1 + 48 + 2); }

TEST(ScrivDump, EmptyBlock) {
    const char byte = 0;
    EXPECT_EQ(DumpBlockText(&byte, 0), "\n" + Title(&byte, 0) + "\n\n");
}

TEST(ScrivDump, TwentyBytes) {
    const char bytes[] = "ABCDEFGHIJKLMNOPQRST";
    const std::vector<std::string> rows = Rows(DumpBlockText(bytes, 20));
    ASSERT_EQ(rows.size(), 5u);  // empty, title, two rows, empty
    EXPECT_EQ(rows[0], "");
    EXPECT_EQ(rows[1], Title(bytes, 20));
    EXPECT_EQ(rows[2], "0000:41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50   ABCDEFGHIJKLMNOP");
    EXPECT_EQ(rows[3], "0010:51 52 53 54 " + std::string(36, ' ') + "  QRST" + std::string(12, ' '));
    EXPECT_EQ(rows[4], "");
}

TEST(ScrivDump, ControlAndHighBytesShowAsDots) {
    const unsigned char bytes[] = {0x41, 0x42, 0x0A, 0x00, 0x7F, 0xFF, 0xA1, 0x80};
    EXPECT_EQ(Column(Rows(DumpBlockText(bytes, sizeof bytes))[2]), "AB......" + std::string(8, ' '));
}

// Shift_JIS: "あ" is 82 A0, "ソ" is 83 5C.
TEST(ScrivDump, DoubleByteCharacters) {
    const struct { std::vector<unsigned char> bytes; std::vector<std::string> columns; } table[] = {
        // wholly inside a row
        {{0x41, 0x82, 0xA0, 0x83, 0x5C}, {"A\x82\xA0\x83\x5C" + std::string(11, ' ')}},
        // a lead byte ending the block
        {{0x41, 0x82}, {"A." + std::string(14, ' ')}},
        // lead byte then a byte that is no trail byte
        {{0x82, 0x20, 0x41}, {"\x82 A" + std::string(13, ' ')}},
    };
    for (const auto& row : table) {
        const std::vector<std::string> rows = Rows(DumpBlockText(row.bytes.data(), row.bytes.size()));
        for (size_t i = 0; i < row.columns.size(); ++i) EXPECT_EQ(Column(rows[2 + i]), row.columns[i]);
    }
}

TEST(ScrivDump, CharacterAcrossTheRowEndStaysWhole) {
    std::vector<unsigned char> bytes(15, 'a');
    bytes.insert(bytes.end(), {0x83, 0x5C, 'b'});
    const std::vector<std::string> rows = Rows(DumpBlockText(bytes.data(), bytes.size()));
    EXPECT_EQ(Column(rows[2]), std::string(15, 'a') + "\x83\x5C");
    EXPECT_EQ(Column(rows[3]), " b" + std::string(14, ' '));
}

TEST(ScrivDump, LeadByteAtRowEndWithoutTrail) {
    std::vector<unsigned char> bytes(15, 'a');
    bytes.insert(bytes.end(), {0x83, 0x00, 'b'});
    const std::vector<std::string> rows = Rows(DumpBlockText(bytes.data(), bytes.size()));
    EXPECT_EQ(Column(rows[2]), std::string(15, 'a') + "\x83.") << "never a zero byte in the column";
    EXPECT_EQ(Column(rows[3]), " b" + std::string(14, ' '));
}

TEST(ScrivDump, LeadByteEndingTheBlockAtRowEnd) {
    std::vector<unsigned char> bytes(15, 'a');
    bytes.push_back(0x83);
    const std::vector<std::string> rows = Rows(DumpBlockText(bytes.data(), bytes.size()));
    EXPECT_EQ(Column(rows[2]), std::string(15, 'a') + ".");
}

TEST(ScrivDump, WideOffsetsShiftTheRow) {
    std::vector<unsigned char> bytes(0x10010, 'z');
    const std::vector<std::string> rows = Rows(DumpBlockText(bytes.data(), bytes.size()));
    ASSERT_EQ(rows.size(), 2u + 0x1001 + 1);
    EXPECT_EQ(rows[2 + 0xFFF].substr(0, 5), "FFF0:");
    EXPECT_EQ(rows[2 + 0x1000].substr(0, 6), "10000:");
    EXPECT_EQ(rows[2 + 0x1000].size(), 6u + 48 + 2 + 16);
}

TEST_F(ScrivTest, DumpRecordIsWrittenAndCounted) {
    Init("LOGLEVEL=2\r\n");
    const char bytes[] = "0123456789abcdefXY";
    EXPECT_EQ(ScrivDump(3, bytes, 18), 0) << "kind above the level";
    EXPECT_EQ(ScrivDump(2, bytes, 18), 1);
    const std::string block = DumpBlockText(bytes, 18);
    std::string onDisk;
    for (char c : block) onDisk += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(Log(), HeaderLine(" ★★★ DEBUG ★★★ ") + onDisk);
    EXPECT_EQ(scrivState.writtenCount, 25u + std::string(" ★★★ DEBUG ★★★ ").size() + 1 + block.size());
}

TEST_F(ScrivTest, FreeFormRecord) {
    Init();
    EXPECT_EQ(ScrivFree(2, "%s=%d", "skipped", 1), 0);
    EXPECT_EQ(ScrivFree(1, "%s=%d", "count", 42), 1);
    EXPECT_EQ(ScrivFree(1, nullptr), 1);
    const std::string trace = HeaderLine(" === TRACE === ");
    EXPECT_EQ(Log(), trace + "\r\ncount=42\r\n\r\n" + trace + "\r\n\r\n\r\n");
    EXPECT_EQ(scrivState.writtenCount, 2 * (25u + 15 + 1) + 1 + 9 + 1 + 1 + 1 + 1);
}

}  // namespace
