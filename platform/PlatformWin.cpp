// The Windows side of the platform seam. Paths and texts arrive as Shift_JIS
// and are converted with code page 932 for the W functions, so they work on a
// Windows whose ANSI code page is not 932.
#include <windows.h>
#include <stdio.h>

#include <string>

#include "platform/Platform.h"
#include "platform/StdioFile.h"
#include "platform/TextWin.h"

namespace plat {
namespace {

File* WinOpen(const char* path, FileMode mode) {
    const wchar_t* how = mode == FileMode::Read ? L"rb" : mode == FileMode::Write ? L"wb" : L"ab";
    return reinterpret_cast<File*>(_wfopen(ToWide(path).c_str(), how));
}

bool WinExists(const char* path) {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(ToWide(path).c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return false;
    FindClose(h);
    return true;
}

bool WinRemove(const char* path) { return DeleteFileW(ToWide(path).c_str()) != 0; }

bool WinMove(const char* from, const char* to) {
    // Windows refuses to replace a read-only file; Wine replaces it. Refuse
    // it here, so that a file the user protected stays as it is everywhere.
    const std::wstring target = ToWide(to);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    return MoveFileExW(ToWide(from).c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace

const FileOps systemFileOps = {WinOpen, StdioRead, StdioWrite, StdioFlush,
                               StdioClose, WinExists, WinRemove, WinMove};
FileOps fileOps = systemFileOps;

uint32_t GetLastErrorCode() { return GetLastError(); }
void SetLastErrorCode(uint32_t code) { SetLastError(code); }

bool ErrorText(uint32_t code, char* out, size_t size) {
    // The width mask 255 keeps the message on one line.
    wchar_t text[256];
    DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | 255, nullptr,
                             code, 0, text, 256, nullptr);
    if (n == 0) return false;
    FromWide(text, out, size);
    return true;
}

bool FullPath(const char* path, char* out, size_t size) {
    const std::wstring wide = ToWide(path);
    const DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (length == 0) return false;
    std::wstring full(length, L'\0');
    if (GetFullPathNameW(wide.c_str(), length, &full[0], nullptr) >= length) return false;
    const int bytes = WideCharToMultiByte(SHIFT_JIS_CODE_PAGE, 0, full.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0 || static_cast<size_t>(bytes) > size) return false;
    FromWide(full.c_str(), out, size);
    return true;
}

void ModulePath(char* out, size_t size) {
    wchar_t path[MAX_PATH + 1];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH + 1);
    path[n <= MAX_PATH ? n : MAX_PATH] = L'\0';
    FromWide(path, out, size);
}

LocalTime SystemLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

LocalTime (*localTime)() = SystemLocalTime;

}  // namespace plat
