#include "settings/VersionWin.h"

#include <cstdlib>

#include "platform/TextWin.h"
#include "scriv/Scriv.h"
#include "settings/SettingsTexts.h"
#include "settings/VersionText.h"
#include "ui/SourceNames.h"

namespace {
const int VERSION_TEXT_SIZE = 256;
const DWORD SPARE_BYTES = 64;  // allocated beyond the size the system asks for
}  // namespace

int ShowVersion(HWND owner) {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return ShowFileVersion(owner, path);
}

int ShowFileVersion(HWND owner, const wchar_t* path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    if (size == 0) {
        Scriv(SCRIV_ERROR, GetLastError(), LOG_VERSION_SIZE_FAILED, SOURCE_VERSION, __LINE__);
        return 0;
    }
    char text[VERSION_TEXT_SIZE] = "";
    int shown = 0;
    void* block = malloc(size + SPARE_BYTES);
    if (!block) {
        Scriv(SCRIV_ERROR, GetLastError(), LOG_VERSION_MEMORY_FAILED, SOURCE_VERSION, __LINE__);
    } else if (!GetFileVersionInfoW(path, 0, size, block)) {
        Scriv(SCRIV_ERROR, GetLastError(), LOG_VERSION_READ_FAILED, SOURCE_VERSION, __LINE__);
    } else {
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        if (VerQueryValueW(block, L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
            FormatVersionText(fixed->dwFileVersionMS, fixed->dwFileVersionLS, text, sizeof text);
            shown = 1;
        }
    }
    free(block);
    MessageBoxW(owner, ToWide(text).c_str(), ToWide(VERSION_CAPTION).c_str(), MB_OK);
    return shown;
}
