// The Windows side of the platform seam. Paths and texts arrive as Shift_JIS
// and are converted with code page 932 for the W functions, so they work on a
// Windows whose ANSI code page is not 932.
#include <windows.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include "platform/Platform.h"
#include "platform/Sjis.h"

namespace plat {
namespace {

const UINT kShiftJis = 932;

std::wstring Wide(const char* text) {
    int n = MultiByteToWideChar(kShiftJis, 0, text, -1, nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(kShiftJis, 0, text, -1, &wide[0], n);
    wide.resize(static_cast<size_t>(n - 1));
    return wide;
}

// Converts to Shift_JIS into out (size bytes), never ending in half a character.
void Narrow(const wchar_t* text, char* out, size_t size) {
    if (size == 0) return;
    int n = WideCharToMultiByte(kShiftJis, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(n > 0 ? static_cast<size_t>(n) : 1, '\0');
    if (n > 0) WideCharToMultiByte(kShiftJis, 0, text, -1, &bytes[0], n, nullptr, nullptr);
    bytes.resize(strlen(bytes.c_str()));
    size_t keep = 0;
    for (size_t i = 0; i < bytes.size();) {
        size_t width = sjis::IsLead(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
        if (i + width > size - 1) break;
        i += width;
        keep = i;
    }
    memcpy(out, bytes.data(), keep);
    out[keep] = '\0';
}

FILE* Stream(File* f) { return reinterpret_cast<FILE*>(f); }

File* WinOpen(const char* path, FileMode mode) {
    const wchar_t* how = mode == FileMode::Read ? L"rb" : mode == FileMode::Write ? L"wb" : L"ab";
    return reinterpret_cast<File*>(_wfopen(Wide(path).c_str(), how));
}

size_t WinRead(File* f, void* buffer, size_t length) { return fread(buffer, 1, length, Stream(f)); }
bool WinWrite(File* f, const void* data, size_t length) {
    return fwrite(data, 1, length, Stream(f)) == length;
}
bool WinFlush(File* f) { return fflush(Stream(f)) == 0; }
bool WinClose(File* f) { return fclose(Stream(f)) == 0; }

bool WinExists(const char* path) {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(Wide(path).c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return false;
    FindClose(h);
    return true;
}

bool WinRemove(const char* path) { return DeleteFileW(Wide(path).c_str()) != 0; }

bool WinMove(const char* from, const char* to) {
    return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace

const FileOps systemFileOps = {WinOpen, WinRead, WinWrite, WinFlush,
                               WinClose, WinExists, WinRemove, WinMove};
FileOps fileOps = systemFileOps;

uint32_t GetLastErrorCode() { return GetLastError(); }
void SetLastErrorCode(uint32_t code) { SetLastError(code); }

bool ErrorText(uint32_t code, char* out, size_t size) {
    // The width mask 255 keeps the message on one line.
    wchar_t text[256];
    DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | 255, nullptr,
                             code, 0, text, 256, nullptr);
    if (n == 0) return false;
    Narrow(text, out, size);
    return true;
}

void ModulePath(char* out, size_t size) {
    wchar_t path[MAX_PATH + 1];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH + 1);
    path[n <= MAX_PATH ? n : MAX_PATH] = L'\0';
    Narrow(path, out, size);
}

LocalTime SystemLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

LocalTime (*localTime)() = SystemLocalTime;

}  // namespace plat
