// Appending to the log file: one opening per piece, line ends as CR LF.
#include <algorithm>
#include <cstdio>

#include "platform/Platform.h"
#include "scriv/Scriv.h"
#include "scriv/LogFile.h"
#include "scriv/ScrivState.h"

const char* LogFilePath() {
    if (!scrivState.initialised) InitLog(nullptr);
    return scrivState.logPath;
}

bool AppendToLog(const std::string& text) {
    const char* path = LogFilePath();
    if (path[0] == '\0') return false;
    // Written as a text-mode stream writes it, so every build puts the same bytes on disk.
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (size_t at = 0; at < text.size();) {
        const size_t lineEnd = std::min(text.find('\n', at), text.size());
        bytes.append(text, at, lineEnd - at);
        if (lineEnd < text.size()) bytes += "\r\n";
        at = lineEnd + 1;
    }
    plat::File* f = plat::FileOpen(path, plat::FileMode::Append);
    if (!f) return false;
    bool ok = plat::FileWrite(f, bytes.data(), bytes.size());
    ok = plat::FileClose(f) && ok;
    return ok;
}

static const char* Marker(int kind) {
    switch (kind) {
        case 0: return " 【  ERROR  】 ";
        case 1: return " === TRACE === ";
        case 2: return " ★★★ DEBUG ★★★ ";
        default: return "";
    }
}

uint32_t AppendHeader(int kind) {
    const plat::LocalTime t = plat::localTime();
    char header[96];
    snprintf(header, sizeof header, "[%04d/%02d/%02d %02d:%02d:%02d-%03d]%s\n", t.year, t.month, t.day,
             t.hour, t.minute, t.second, t.millisecond, Marker(kind));
    const std::string line(header);
    return AppendToLog(line) ? static_cast<uint32_t>(line.size()) : 0;
}
