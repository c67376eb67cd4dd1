#include "settings/FileChoosersWin.h"

#include <commdlg.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/Win32Text.h"

namespace {

const char TITLE[] = "ファイルを選んでください。";

int RunChooser(HWND owner, char* path, size_t size, const char* filter, bool save) {
    // The filter's pieces each become wide text; the list keeps its double zero.
    std::wstring wideFilter;
    for (const char* piece = filter; *piece; piece += strlen(piece) + 1) {
        wideFilter += ToWide(piece);
        wideFilter += L'\0';
    }
    wideFilter += L'\0';
    const std::wstring title = ToWide(TITLE);
    std::vector<wchar_t> name(MAX_PATH, L'\0');

    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = wideFilter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrTitle = title.c_str();
    ofn.Flags = save ? OFN_FILEMUSTEXIST | OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen) {
        // The chooser says itself whether it failed; 0 is a plain cancel.
        SetLastError(CommDlgExtendedError());
        return 0;
    }
    FromWide(name.data(), path, size);
    return 1;
}

}  // namespace

int OpenFileChooser(HWND owner, char* path, size_t size, const char* filter) {
    return RunChooser(owner, path, size, filter, false);
}

int SaveFileChooser(HWND owner, char* path, size_t size, const char* filter) {
    return RunChooser(owner, path, size, filter, true);
}
