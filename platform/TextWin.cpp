#include "platform/TextWin.h"

#include <windows.h>

#include <cstring>

#include "platform/Sjis.h"

namespace {
}

std::wstring ToWide(const char* text) {
    const int n = MultiByteToWideChar(SHIFT_JIS_CODE_PAGE, 0, text, -1, nullptr, 0);
    if (n <= 1) return std::wstring();
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(SHIFT_JIS_CODE_PAGE, 0, text, -1, &wide[0], n);
    wide.resize(static_cast<size_t>(n - 1));
    return wide;
}

void FromWide(const wchar_t* text, char* out, size_t size) {
    if (size == 0) return;
    const int n = WideCharToMultiByte(SHIFT_JIS_CODE_PAGE, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(n > 0 ? static_cast<size_t>(n) : 1, '\0');
    if (n > 0) WideCharToMultiByte(SHIFT_JIS_CODE_PAGE, 0, text, -1, &bytes[0], n, nullptr, nullptr);
    bytes.resize(strlen(bytes.c_str()));
    size_t keep = 0;
    for (size_t i = 0; i < bytes.size();) {
        const size_t width = sjis::IsLead(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
        if (i + width > size - 1) break;
        i += width;
        keep = i;
    }
    memcpy(out, bytes.data(), keep);
    out[keep] = '\0';
}

std::wstring Utf8ToWide(const std::string& text) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(n > 0 ? static_cast<size_t>(n) : 0, L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    return wide;
}
