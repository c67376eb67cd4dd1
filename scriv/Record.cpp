// The ordinary record: a header line, then up to four indented items.
#include <cstdio>
#include <cstring>

#include "platform/Platform.h"
#include "scriv/Scriv.h"
#include "scriv/LogFile.h"
#include "scriv/Rotation.h"
#include "scriv/ScrivState.h"

namespace {

const size_t INDENT = 26;  // one more than the width of the time stamp

// Restores the caller's last-error value however the record ends.
class LastErrorKept {
public:
    LastErrorKept() : saved_(plat::GetLastErrorCode()) {}
    ~LastErrorKept() { plat::SetLastErrorCode(saved_); }

private:
    uint32_t saved_;
};

int WriteRecord(int kind, const char* first, const char* second, uint32_t errorCode) {
    char codeLine[64] = "";
    char textLine[600] = "";
    if (errorCode != 0) {
        snprintf(codeLine, sizeof codeLine, "※ GetLastError=0x%08x", errorCode);
        char systemText[512];
        if (plat::ErrorText(errorCode, systemText, sizeof systemText))
            snprintf(textLine, sizeof textLine, "※ %s", systemText);
    }

    const uint32_t header = AppendHeader(kind);
    if (header == 0) return 1;

    // The first text follows the header's line end; every other item opens a line.
    std::string body;
    const char* items[] = {first, second, codeLine, textLine};
    for (size_t i = 0; i < 4; ++i) {
        if (!items[i] || !items[i][0]) continue;
        if (i > 0) body += '\n';
        body.append(INDENT, ' ');
        body += items[i];
    }
    body += "\n\n";
    const uint32_t appended = header + (AppendToLog(body) ? static_cast<uint32_t>(body.size()) : 0);
    return AccountAndRotate(appended);
}

}  // namespace

// A record below the level returns at once: it costs its caller no more than
// the comparison, and leaves the last-error value alone without keeping it.
extern "C" {

void TermLog(void) {}

int Scriv(int kind, unsigned int errorCode, const char* message, const char* sourceFile, unsigned int line) {
    if (!KindLogged(kind)) return 0;
    LastErrorKept kept;
    char position[SCRIV_TEXT_LIMIT] = "";
    if (sourceFile) snprintf(position, sizeof position, "%s %u行目 ", sourceFile, line);
    return WriteRecord(kind, position, message, errorCode);
}

int ScrivEx(int kind, unsigned int errorCode, const char* first, const char* second) {
    if (!KindLogged(kind)) return 0;
    LastErrorKept kept;
    return WriteRecord(kind, first, second, errorCode);
}

int ScrivInt(int kind, unsigned int errorCode, const char* name, int value) {
    if (!KindLogged(kind)) return 0;
    LastErrorKept kept;
    char text[SCRIV_TEXT_LIMIT];
    if (name)
        snprintf(text, sizeof text, "'%s' ---> %d", name, value);
    else
        snprintf(text, sizeof text, "データ = %d", value);
    return WriteRecord(kind, text, nullptr, errorCode);
}

}  // extern "C"
