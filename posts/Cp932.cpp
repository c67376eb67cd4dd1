#include "posts/Cp932.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

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

namespace {

const unsigned NO_BYTES = 0xFFFF;  // no lead byte is 0xFF

// For every character of the basic plane, its bytes in code page 932
// (lead << 8 | trail, or the single byte), NO_BYTES for none. Where several
// byte sequences read as one character, Windows writes the first of: JIS X
// 0208, NEC row 13, the IBM extensions (0xFA-0xFC), the NEC-selected IBM
// extensions (0xED-0xEE); that is the lead bytes in ascending order with
// 0xED and 0xEE last.
const std::array<unsigned short, 0x10000>& BytesOfChar() {
    static const std::array<unsigned short, 0x10000> table = [] {  // 128 KB: static, built once
        std::array<unsigned short, 0x10000> bytes{};
        bytes.fill(NO_BYTES);
        const auto put = [&](unsigned c, unsigned code) {
            if (c < bytes.size() && c != REPLACEMENT_CHARACTER && bytes[c] == NO_BYTES) bytes[c] = static_cast<unsigned short>(code);
        };
        for (unsigned b = 0; b < 0x100; ++b)
            if (!IsCp932Lead(static_cast<unsigned char>(b))) put(Cp932SingleByteChar(static_cast<unsigned char>(b)), b);
        const auto putLead = [&](unsigned lead) {
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail)
                if (trail != 0x7F)
                    put(Cp932DoubleByteChar(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)),
                        lead << 8 | trail);
        };
        for (unsigned lead = 0x81; lead <= 0xFC; ++lead)
            if (IsCp932Lead(static_cast<unsigned char>(lead)) && lead != 0xED && lead != 0xEE) putLead(lead);
        putLead(0xED);
        putLead(0xEE);
        return bytes;
    }();
    return table;
}

// The character at bytes[i] of valid UTF-8 and its length.
unsigned DecodeUtf8(const unsigned char* b, size_t i, size_t& length) {
    if (b[i] < 0x80) return length = 1, b[i];
    if (b[i] < 0xE0) return length = 2, (b[i] & 0x1Fu) << 6 | (b[i + 1] & 0x3Fu);
    if (b[i] < 0xF0) return length = 3, (b[i] & 0x0Fu) << 12 | (b[i + 1] & 0x3Fu) << 6 | (b[i + 2] & 0x3Fu);
    return length = 4, (b[i] & 0x07u) << 18 | (b[i + 1] & 0x3Fu) << 12 | (b[i + 2] & 0x3Fu) << 6 | (b[i + 3] & 0x3Fu);
}

// The length of the valid UTF-8 sequence at bytes[i], 0 when there is none
// (a stray or missing continuation byte, an overlong form, a surrogate, past U+10FFFF).
size_t Utf8SequenceLength(const unsigned char* b, size_t i, size_t size) {
    const unsigned char first = b[i];
    if (first < 0x80) return 1;
    const size_t length = first >= 0xC2 && first <= 0xDF ? 2 : first >= 0xE0 && first <= 0xEF ? 3
                        : first >= 0xF0 && first <= 0xF4 ? 4 : 0;
    if (length == 0 || size - i < length) return 0;
    for (size_t k = 1; k < length; ++k)
        if ((b[i + k] & 0xC0) != 0x80) return 0;
    const unsigned second = b[i + 1];
    if ((first == 0xE0 && second < 0xA0) || (first == 0xED && second > 0x9F) || (first == 0xF0 && second < 0x90) ||
        (first == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

const char BYTE_ORDER_MARK[] = "\xEF\xBB\xBF";

bool StartsWithByteOrderMark(const char* bytes, size_t size) { return size >= 3 && memcmp(bytes, BYTE_ORDER_MARK, 3) == 0; }

}  // namespace

bool AppendCp932Char(unsigned c, std::string& out) {
    const unsigned code = c < 0x10000 ? BytesOfChar()[c] : NO_BYTES;
    if (code == NO_BYTES) return false;
    if (code > 0xFF) out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
    return true;
}

namespace {

// How many bytes from the start are valid UTF-8, and which lengths of
// characters are among them (bit n for n bytes).
struct Utf8Prefix {
    size_t valid = 0;
    unsigned lengths = 0;
};
// How many bytes from bytes[i] on are ASCII. A thread log is mostly ASCII
// (the separators, dates, IDs and markup), so it is read eight bytes at a
// time: the whole file is looked at once or twice on every load.
size_t AsciiRun(const unsigned char* b, size_t i, size_t size) {
    const size_t from = i;
    for (uint64_t word; size - i >= 8; i += 8) {
        memcpy(&word, b + i, 8);
        if (word & 0x8080808080808080u) break;
    }
    while (i < size && b[i] < 0x80) ++i;
    return i - from;
}

Utf8Prefix ValidUtf8Prefix(const char* bytes, size_t size) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    Utf8Prefix prefix;
    while (prefix.valid < size) {
        const size_t ascii = AsciiRun(b, prefix.valid, size);
        const size_t length = ascii ? ascii : Utf8SequenceLength(b, prefix.valid, size);
        if (length == 0) break;
        prefix.lengths |= 1u << (ascii ? 1 : length);
        prefix.valid += length;
    }
    return prefix;
}

}  // namespace

// Plain ASCII is no sign of UTF-8: it takes a character of several bytes.
bool MayStartUtf8Text(const char* bytes, size_t size) {
    const Utf8Prefix prefix = ValidUtf8Prefix(bytes, size);
    return StartsWithByteOrderMark(bytes, size) || (prefix.valid + 3 >= size && prefix.lengths > 2);
}

bool IsUtf8Text(const char* bytes, size_t size) {
    const Utf8Prefix prefix = ValidUtf8Prefix(bytes, size);
    return StartsWithByteOrderMark(bytes, size) || (prefix.valid == size && prefix.lengths & 1u << 3);
}

void AppendUtf8AsCp932(const char* bytes, size_t size, std::string& out) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    size_t i = StartsWithByteOrderMark(bytes, size) ? 3 : 0;
    while (i < size) {
        const size_t ascii = AsciiRun(b, i, size);  // the same bytes in code page 932
        out.append(bytes + i, ascii);
        if ((i += ascii) == size) break;
        size_t length = 1;
        const unsigned c = Utf8SequenceLength(b, i, size) ? DecodeUtf8(b, i, length) : REPLACEMENT_CHARACTER;
        if (!AppendCp932Char(c, out)) {
            char reference[16] = "&#";
            char* end = std::to_chars(reference + 2, reference + sizeof reference, c).ptr;
            *end++ = ';';
            out.append(reference, end);
        }
        i += length;
    }
}
