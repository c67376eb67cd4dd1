#include "posts/Cp932.h"

#include <array>

namespace {

#include "Cp932Table.inc"

const unsigned char USER_AREA_FIRST_LEAD = 0xF0, USER_AREA_LAST_LEAD = 0xF9;
const unsigned USER_AREA_FIRST_CHAR = 0xE000;
const int TRAILS_PER_LEAD = 188;

// The row of CP932_ROWS for each lead byte, -1 for none.
const std::array<int, 256> ROW_OF_LEAD = [] {
    std::array<int, 256> rows{};
    rows.fill(-1);
    for (size_t i = 0; i < sizeof CP932_LEADS; ++i) rows[CP932_LEADS[i]] = static_cast<int>(i);
    return rows;
}();

// Trail bytes 0x40-0x7E and 0x80-0xFC, numbered from 0.
int TrailIndex(unsigned char trail) { return trail - 0x40 - (trail > 0x7F ? 1 : 0); }

}  // namespace

void AppendUtf8(unsigned c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsCp932Lead(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

bool IsCp932Trail(unsigned char byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

unsigned Cp932DoubleByteChar(unsigned char lead, unsigned char trail) {
    if (!IsCp932Lead(lead) || !IsCp932Trail(trail)) return REPLACEMENT_CHARACTER;
    if (lead >= USER_AREA_FIRST_LEAD && lead <= USER_AREA_LAST_LEAD)
        return USER_AREA_FIRST_CHAR + (lead - USER_AREA_FIRST_LEAD) * TRAILS_PER_LEAD + TrailIndex(trail);
    const int row = ROW_OF_LEAD[lead];
    const unsigned c = row < 0 ? 0 : CP932_ROWS[row][TrailIndex(trail)];
    return c != 0 ? c : REPLACEMENT_CHARACTER;
}

unsigned Cp932SingleByteChar(unsigned char byte) {
    if (byte <= 0x80) return byte;
    if (byte == 0xA0) return 0xF8F0;
    if (byte >= 0xA1 && byte <= 0xDF) return 0xFF61 + (byte - 0xA1);  // half-width katakana
    if (byte >= 0xFD) return 0xF8F1 + (byte - 0xFD);
    return REPLACEMENT_CHARACTER;  // a lead byte on its own
}

size_t AppendCp932AsUtf8(const char* bytes, size_t size, bool last, std::string& out) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    size_t i = 0;
    while (i < size) {
        if (!IsCp932Lead(b[i])) {
            AppendUtf8(Cp932SingleByteChar(b[i++]), out);
        } else if (i + 1 < size && IsCp932Trail(b[i + 1])) {
            AppendUtf8(Cp932DoubleByteChar(b[i], b[i + 1]), out);
            i += 2;
        } else if (i + 1 == size && !last) {
            break;  // its trail byte may come with the next bytes
        } else {
            AppendUtf8(REPLACEMENT_CHARACTER, out);
            ++i;
        }
    }
    return i;
}
