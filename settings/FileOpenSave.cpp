#include "settings/FileOpenSave.h"

#include <cstring>

#include "platform/Platform.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "ui/SourceNames.h"

namespace {
const char LOG_CHOOSER_FAILED[] = "ERROR:FileOpenDlg()";
const char PAGE_MARK[] = ".htm";
}  // namespace

void LogChooserFailure(const char* sourceFile, unsigned line) {
    const uint32_t code = plat::GetLastErrorCode();
    if (code != 0) Scriv(SCRIV_ERROR, code, LOG_CHOOSER_FAILED, sourceFile, line);
}

namespace {

// Runs a chooser; a failure that is no plain cancel is logged.
bool Choose(DialogPort& dialog, DialogPort::Chooser kind, char (&path)[PATH_BUFFER_SIZE], unsigned line) {
    if (dialog.ChooseFile(kind, path, sizeof path)) return true;
    LogChooserFailure(SOURCE_FILE_OPEN_SAVE, line);
    return false;
}

}  // namespace

bool ChooseThreadLog(DialogPort& dialog) {
    char path[PATH_BUFFER_SIZE] = {};
    if (!Choose(dialog, DialogPort::Chooser::ThreadLog, path, __LINE__)) return false;
    dialog.SetText(IDC_LOG_PATH, path);
    return true;
}

bool ChooseOutputFile(DialogPort& dialog) {
    char path[PATH_BUFFER_SIZE] = {};
    if (!Choose(dialog, DialogPort::Chooser::Page, path, __LINE__)) return false;
    // The search is case-sensitive: "PAGE.HTM" gains ".html" too.
    if (!strstr(path, PAGE_MARK)) {
        // Cut short, the name would be that of another file: refuse it as the
        // chooser itself refuses a name too long for its buffer.
        if (strlen(path) + strlen(PAGE_ENDING) >= sizeof path) {
            plat::SetLastErrorCode(CHOOSER_NAME_TOO_LONG);
            LogChooserFailure(SOURCE_FILE_OPEN_SAVE, __LINE__);
            return false;
        }
        strcat(path, PAGE_ENDING);
    }
    dialog.SetText(IDC_OUTPUT_PATH, path);
    return true;
}
