// The dump record (a hex dump with a Shift_JIS-aware character column) and
// the free-form record.
#include <cstdarg>
#include <cstdio>
#include <vector>

#include "platform/Sjis.h"
#include "scriv/Scriv.h"
#include "scriv/ScrivDump.h"
#include "scriv/LogFile.h"
#include "scriv/Rotation.h"
#include "scriv/ScrivState.h"

namespace {

char Plain(unsigned char b) { return b < 0x20 || b >= 0x7F ? '.' : static_cast<char>(b); }

// The character column of the row at offset, appended to text: 16
// characters, or 17 when a double-byte character runs on into the next row.
// carried says that the row's first byte was already shown at the end of the
// row before.
void AppendCharacterColumn(const unsigned char* block, uint32_t length, uint32_t offset, bool& carried,
                           std::string& text) {
    char shown[16];
    bool leadPending = false;
    for (uint32_t j = 0; j < 16; ++j) {
        if (offset + j >= length) {
            // A lead byte that ends the block is never shown alone.
            if (j > 0 && leadPending) {
                leadPending = false;
                shown[j - 1] = '.';
            }
            shown[j] = ' ';
            continue;
        }
        const unsigned char b = block[offset + j];
        shown[j] = Plain(b);
        if (leadPending) {
            leadPending = false;
            if (sjis::IsTrail(b)) shown[j] = static_cast<char>(b);
        } else if (sjis::IsLead(b)) {
            shown[j] = static_cast<char>(b);
            leadPending = true;
        }
        if (carried) {
            shown[j] = ' ';
            carried = false;
        }
    }
    text.append(shown, 16);
    if (leadPending) {
        carried = true;
        const uint32_t next = offset + 16;
        if (next < length)
            text += sjis::IsTrail(block[next]) ? static_cast<char>(block[next]) : '.';
        else
            text.back() = '.';
    }
}

}  // namespace

// The title prints the address with every digit a pointer has; on a 64-bit
// build that is eight more than the rows' layout allows for, so the ruler
// stands eight columns to the right of the character column.
std::string DumpBlockText(const void* start, uint32_t length) {
    const unsigned char* block = static_cast<const unsigned char*>(start);
    char line[128];
    snprintf(line, sizeof line, "\n***  Dump  ***  Address:0x%0*llx Length:0x%08x   0123456789ABCDEF\n",
             static_cast<int>(2 * sizeof(void*)),
             static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(start)), length);
    std::string text(line);
    // A row is some 73 bytes: the offset, the bytes and the character column
    // are put together by hand, a block of some KB would otherwise cost a
    // formatter call per byte.
    static const char HEX[] = "0123456789ABCDEF";
    text.reserve(text.size() + (size_t{length} / 16 + 1) * 74 + 1);
    bool carried = false;
    for (uint32_t offset = 0; offset < length; offset += 16) {
        char label[16];
        text.append(label, static_cast<size_t>(snprintf(label, sizeof label, "%04X:", offset)));
        char cells[3 * 16];
        for (uint32_t j = 0; j < 16; ++j) {
            const bool inside = offset + j < length;
            cells[3 * j] = inside ? HEX[block[offset + j] >> 4] : ' ';
            cells[3 * j + 1] = inside ? HEX[block[offset + j] & 15] : ' ';
            cells[3 * j + 2] = ' ';
        }
        text.append(cells, sizeof cells);
        text += "  ";
        AppendCharacterColumn(block, length, offset, carried, text);
        text += '\n';
        if (length - offset <= 16) break;  // the next offset would wrap past 4 GiB
    }
    text += '\n';
    return text;
}

extern "C" {

int ScrivDump(int kind, const void* start, unsigned int length) {
    if (!KindLogged(kind)) return 0;
    const uint32_t header = AppendHeader(kind);
    if (header == 0) return 1;
    const std::string block = DumpBlockText(start, length);
    return AccountAndRotate(header + (AppendToLog(block) ? static_cast<uint32_t>(block.size()) : 0));
}

int ScrivFree(int kind, const char* format, ...) {
    if (!KindLogged(kind)) return 0;
    const uint32_t header = AppendHeader(kind);
    if (header == 0) return 1;

    std::string text;
    if (format) {
        va_list args, again;
        va_start(args, format);
        va_copy(again, args);
        const int n = vsnprintf(nullptr, 0, format, args);
        if (n > 0) {
            std::vector<char> buffer(static_cast<size_t>(n) + 1);
            vsnprintf(buffer.data(), buffer.size(), format, again);
            text.assign(buffer.data(), static_cast<size_t>(n));
        }
        va_end(again);
        va_end(args);
    }
    text += '\n';

    uint32_t appended = header;
    for (const std::string& piece : {std::string("\n"), text, std::string("\n")})
        if (AppendToLog(piece)) appended += static_cast<uint32_t>(piece.size());
    return AccountAndRotate(appended);
}

}  // extern "C"
