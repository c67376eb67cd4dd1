// Path splitting; see PathSplit.h.
#include "platform/PathSplit.h"

#include <cstdio>
#include <cstring>

#include "platform/Sjis.h"

namespace {

// Copies length bytes and a terminator; false when they do not fit.
template <size_t N>
bool CopyPart(char (&part)[N], const char* from, size_t length) {
    if (length >= N) return false;
    std::memcpy(part, from, length);
    part[length] = '\0';
    return true;
}

}  // namespace

size_t FileNameStart(const char* path) {
    size_t start = 0;
    for (size_t i = 0; path[i] != '\0'; ++i) {
        if (sjis::IsLead(path[i]) && path[i + 1] != '\0')
            ++i;  // the trail byte is part of the character
        else if (path[i] == '\\' || path[i] == '/')
            start = i + 1;
    }
    return start;
}

size_t ExtensionStart(const char* path) {
    const size_t length = std::strlen(path);
    size_t dot = length;
    for (size_t i = FileNameStart(path); i < length; ++i) {
        if (sjis::IsLead(path[i]) && path[i + 1] != '\0')
            ++i;
        else if (path[i] == '.')
            dot = i;
    }
    return dot;
}

void SplitPath(const char* path, PathParts* parts) {
    const size_t driveLength = path[0] != '\0' && path[1] == ':' ? 2 : 0;
    const char* rest = path + driveLength;
    const size_t nameStart = FileNameStart(rest);
    const char* name = rest + nameStart;
    const size_t nameLength = std::strlen(name);
    const size_t dot = ExtensionStart(name);
    const bool fits = CopyPart(parts->drive, path, driveLength) &&
                      CopyPart(parts->dir, rest, nameStart) && CopyPart(parts->fname, name, dot) &&
                      CopyPart(parts->ext, name + dot, nameLength - dot);
    if (!fits) parts->drive[0] = parts->dir[0] = parts->fname[0] = parts->ext[0] = '\0';
}

bool ReplaceExtension(const char* path, const char* ending, char* out, size_t size) {
    PathParts parts;
    SplitPath(path, &parts);
    const size_t whole = std::strlen(parts.drive) + std::strlen(parts.dir) + std::strlen(parts.fname) +
                         std::strlen(parts.ext);
    const int n = whole == std::strlen(path)
                      ? std::snprintf(out, size, "%s%s%s%s", parts.drive, parts.dir, parts.fname, ending)
                      : -1;
    if (n >= 0 && static_cast<size_t>(n) < size) return true;
    if (size > 0) out[0] = '\0';
    return false;
}
