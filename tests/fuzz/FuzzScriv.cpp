// The logging library: a record of each kind from arbitrary texts, written
// through the seam into memory, rotating the log files when it reaches the
// size limit; and the text of a dump block.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>

#include "scriv/Scriv.h"
#include "scriv/ScrivDump.h"
#include "scriv/ScrivState.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

const char LOG_PATH[] = "logs/trace.log";
const std::string INDENT(26, ' ');
const size_t BLOCK_MAX = 1 << 16;
unsigned char block[BLOCK_MAX];  // one address for every run: the dump's title shows it

plat::LocalTime Clock() { return {2026, 12, 7, 8, 9, 10, 123}; }

std::string Crlf(const std::string& text) {
    std::string bytes;
    bytes.reserve(2 * text.size());
    for (char c : text) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return bytes;
}

std::string Header(int kind) {
    const char* marker = kind == 0 ? " 【  ERROR  】 " : kind == 1 ? " === TRACE === " : kind == 2 ? " ★★★ DEBUG ★★★ " : "";
    return std::string("[2026/12/07 08:09:10-123]") + marker + "\n";
}

// A record's items: the first on the header's next line, each other item on
// a line of its own, all indented; empty ones left out.
std::string Body(const std::string (&items)[4]) {
    std::string body;
    for (int i = 0; i < 4; ++i) {
        if (items[i].empty()) continue;
        if (i > 0) body += '\n';
        body += INDENT + items[i];
    }
    return body + "\n\n";
}

struct Call {
    int which, kind;  // which: Scriv, ScrivEx, ScrivInt, ScrivDump, ScrivFree
    uint32_t code;
    std::string first, second, source;
    unsigned line;
    int value;
    bool noName;  // ScrivInt without a name
    size_t blockSize;
};

// The record text the library must append for a call; dump, the dump block's text.
std::string Expected(const Call& c, const std::string& dump) {
    if (c.which == 3) return Header(c.kind) + dump;
    if (c.which == 4) return Header(c.kind) + "\n" + c.first + "\n\n";
    std::string codeLine, textLine;
    if (c.code != 0) {
        char text[600];
        snprintf(text, sizeof text, "※ GetLastError=0x%08x", c.code);
        codeLine = text;
        char system[512];
        if (plat::ErrorText(c.code, system, sizeof system)) {
            snprintf(text, sizeof text, "※ %s", system);
            textLine = text;
        }
    }
    char formatted[SCRIV_TEXT_LIMIT];
    std::string first = c.first;
    if (c.which == 0) {
        snprintf(formatted, sizeof formatted, "%s %u行目 ", c.source.c_str(), c.line);
        first = formatted;
    } else if (c.which == 2 && c.noName) {
        snprintf(formatted, sizeof formatted, "データ = %d", c.value);
        first = formatted;
    } else if (c.which == 2) {
        snprintf(formatted, sizeof formatted, "'%s' ---> %d", c.first.c_str(), c.value);
        first = formatted;
    }
    const std::string items[4] = {first, c.which == 2 ? "" : c.second, codeLine, textLine};
    return Header(c.kind) + Body(items);
}

int Make(const Call& c, char filler) {
    const std::string first = WithFiller(c.first, filler), second = WithFiller(c.second, filler),
                      source = WithFiller(c.source, filler);
    switch (c.which) {
        case 0: return Scriv(c.kind, c.code, second.c_str(), source.c_str(), c.line);
        case 1: return ScrivEx(c.kind, c.code, first.c_str(), second.c_str());
        case 2: return ScrivInt(c.kind, c.code, c.noName ? nullptr : first.c_str(), c.value);
        case 3: return ScrivDump(c.kind, block, static_cast<unsigned>(c.blockSize));
        default: return ScrivFree(c.kind, "%s", first.c_str());
    }
}

std::string GenerationPath(int i) {
    char name[32];
    snprintf(name, sizeof name, i ? "logs/trace%02d.log" : "logs/trace.log", i);
    return name;
}

int HexDigit(char c) { return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1; }

// The dump's text, its rows checked: they give back the block's bytes; the
// character column holds no control byte, so a block can never break the
// log's lines.
std::string CheckedDump(size_t size) {
    const std::string text = DumpBlockText(block, static_cast<uint32_t>(size));
    const std::string_view all = text;
    size_t at = all.find('\n', 1) + 1;
    FUZZ_CHECK(all.compare(0, 27, "\n***  Dump  ***  Address:0x") == 0);
    for (size_t offset = 0; offset < size; offset += 16) {
        const size_t end = all.find('\n', at);
        const std::string_view row = all.substr(at, end - at);
        at = end + 1;
        char label[16];
        const size_t labelSize = snprintf(label, sizeof label, "%04zX:", offset);
        FUZZ_CHECK(row.compare(0, labelSize, label) == 0);
        const std::string_view bytes = row.substr(labelSize, 48);
        FUZZ_CHECK(bytes.size() == 48);
        for (size_t j = 0; j < 16; ++j) {
            const char high = bytes[3 * j], low = bytes[3 * j + 1];
            if (offset + j < size)
                FUZZ_CHECK(HexDigit(high) >= 0 && HexDigit(low) >= 0 &&
                           (HexDigit(high) << 4 | HexDigit(low)) == block[offset + j] && bytes[3 * j + 2] == ' ');
            else
                FUZZ_CHECK(high == ' ' && low == ' ' && bytes[3 * j + 2] == ' ');
        }
        const std::string_view column = row.substr(labelSize + 48 + 2);
        FUZZ_CHECK(column.size() == 16 || column.size() == 17);
        for (unsigned char b : column) FUZZ_CHECK(b >= 0x20 && b != 0x7F);
    }
    FUZZ_CHECK(all.substr(at) == "\n");
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = (memfs::Use(), plat::localTime = Clock, true);
    (void)ready;
    FuzzedDataProvider input(data, size);
    Call c;
    c.which = input.ConsumeIntegralInRange(0, 4);
    c.kind = input.ConsumeIntegralInRange(-1, 3);
    c.code = input.ConsumeBool() ? input.ConsumeIntegral<uint32_t>() : 0;
    c.line = input.ConsumeIntegral<unsigned>();
    c.value = input.ConsumeIntegral<int>();
    c.noName = input.ConsumeBool();
    const int level = input.ConsumeIntegralInRange(-1, 2);
    const int generations = input.ConsumeIntegralInRange(1, 4);
    const uint32_t limit = input.ConsumeIntegralInRange<uint32_t>(1, 2048);
    const uint32_t written = input.ConsumeIntegralInRange<uint32_t>(0, limit - 1);
    c.first = input.ConsumeRandomLengthString(1500).c_str();
    c.second = input.ConsumeRandomLengthString(1500).c_str();
    c.source = input.ConsumeRandomLengthString(1500).c_str();
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    c.blockSize = std::min(bytes.size(), BLOCK_MAX);
    memcpy(block, bytes.data(), c.blockSize);
    const std::string dump = CheckedDump(c.blockSize);

    // The files as they stand before, and as the record and a rotation must leave them.
    std::map<std::string, std::string> before;
    for (int i = 0; i < generations; ++i) before[GenerationPath(i)] = "generation " + std::to_string(i) + "\r\n";
    std::map<std::string, std::string> after = before;
    const bool writes = c.kind <= level;
    const std::string record = writes ? Expected(c, dump) : "";
    after[LOG_PATH] += Crlf(record);
    const bool rotates = writes && written + record.size() >= limit;
    if (rotates) {
        after.erase(GenerationPath(generations - 1));
        for (int i = generations - 2; i >= 0; --i) {
            after[GenerationPath(i + 1)] = after[GenerationPath(i)];
            after.erase(GenerationPath(i));
        }
    }

    for (char filler : {'A', 'B'}) {
        memfs::files = before;
        ScrivResetState();
        scrivState.initialised = true;
        snprintf(scrivState.logPath, sizeof scrivState.logPath, "%s", LOG_PATH);
        scrivState.logLevel = level;
        scrivState.generations = generations;
        scrivState.sizeLimit = limit;
        scrivState.writtenCount = written;
        plat::SetLastErrorCode(4321);
        const int result = Make(c, filler);
        FUZZ_CHECK(result == (writes ? (rotates ? 0 : 1) : 0));
        FUZZ_CHECK(memfs::files == after);
        FUZZ_CHECK(scrivState.writtenCount == (rotates ? 0 : writes ? written + record.size() : written));
        if (c.which != 4) FUZZ_CHECK(plat::GetLastErrorCode() == 4321);  // kept by all but ScrivFree
    }
    return 0;
}
