#include "platform/SamePath.h"

#include <cstring>

#include "platform/Platform.h"
#include "platform/Sjis.h"

namespace {

unsigned char Folded(unsigned char c) {
    if (c == '/') return '\\';
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

}  // namespace

bool SameFullPath(const char* a, const char* b) {
    const auto* x = reinterpret_cast<const unsigned char*>(a);
    const auto* y = reinterpret_cast<const unsigned char*>(b);
    for (;; ++x, ++y) {
        // A double-byte character is compared as it stands: its trail byte
        // may look like a letter or a '\\'.
        if (sjis::IsLead(*x) && x[1] != '\0') {
            if (x[0] != y[0] || x[1] != y[1]) return false;
            ++x;
            ++y;
            continue;
        }
        if (Folded(*x) != Folded(*y)) return false;
        if (*x == '\0') return true;
    }
}

bool SamePath(const char* a, const char* b) {
    char fullA[PATH_BUFFER_SIZE * 2];
    char fullB[PATH_BUFFER_SIZE * 2];
    return plat::FullPath(a, fullA, sizeof fullA) && plat::FullPath(b, fullB, sizeof fullB) &&
           SameFullPath(fullA, fullB);
}

std::string FullPathAsShown(const char* path) {
    char full[PATH_BUFFER_SIZE * 2];
    return plat::FullPath(path, full, sizeof full) ? full : path;
}
