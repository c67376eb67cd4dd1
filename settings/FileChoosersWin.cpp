#include "settings/FileChoosersWin.h"

#include <cderr.h>
#include <commdlg.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/TextWin.h"
#include "settings/FileOpenSave.h"

namespace {

const char TITLE[] = "ファイルを選んでください。";

// Pairs of description and pattern, each zero-terminated, closed by a second zero.
const char THREAD_LOG_FILTER[] = "dat files {*.dat}\0*.dat\0All files {*.*}\0*.*\0";
const char PAGE_FILTER[] = "HTML files {*.htm}\0*.htm;*.html\0All files {*.*}\0*.*\0";
const char CHECK_FILE_FILTER[] = "chk files {*.chk}\0*.chk\0All files {*.*}\0*.*\0";
static_assert(FNERR_BUFFERTOOSMALL == CHOOSER_NAME_TOO_LONG, "one code for a name too long");

}  // namespace

bool RunFileChooser(HWND owner, DialogPort::Chooser kind, char* path, size_t size) {
    const bool save = kind == DialogPort::Chooser::Page;
    const char* filter = kind == DialogPort::Chooser::ThreadLog ? THREAD_LOG_FILTER
                         : save                                 ? PAGE_FILTER
                                                                : CHECK_FILE_FILTER;
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
    // A page is usually a new file: the save chooser asks for an existing
    // folder only, and asks before it lets an existing file be named.
    // The process's current folder stays put: a relative log path in
    // Scriv.ini must not follow the user's browsing.
    ofn.Flags = (save ? OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_HIDEREADONLY) |
                OFN_NOCHANGEDIR;
    const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen) {
        // The chooser says itself whether it failed; 0 is a plain cancel.
        SetLastError(CommDlgExtendedError());
        return false;
    }
    // The program keeps paths in Shift_JIS. A name with a character that code
    // page lacks would come back as another file's name; and a name of
    // MAX_PATH characters can take twice as many bytes: refuse either rather
    // than hand on a name that is not the one chosen.
    BOOL lossy = FALSE;
    const int bytes =
        WideCharToMultiByte(SHIFT_JIS_CODE_PAGE, WC_NO_BEST_FIT_CHARS, name.data(), -1, nullptr, 0, nullptr, &lossy);
    if (lossy || bytes <= 0) {
        SetLastError(FNERR_INVALIDFILENAME);
        return false;
    }
    if (static_cast<size_t>(bytes) > size) {
        SetLastError(FNERR_BUFFERTOOSMALL);
        return false;
    }
    FromWide(name.data(), path, size);
    return true;
}
