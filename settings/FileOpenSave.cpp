#include "settings/FileOpenSave.h"

#include <cstring>

#include "platform/Platform.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "ui/SourceNames.h"

const char THREAD_LOG_FILTER[] = "dat files {*.dat}\0*.dat\0All files {*.*}\0*.*\0";
const char OUTPUT_FILE_FILTER[] = "HTML files {*.htm}\0*.htm;*.html\0All files {*.*}\0*.*\0";
const char CHECK_FILE_FILTER[] = "chk files {*.chk}\0*.chk\0All files {*.*}\0*.*\0";

char threadLogChooserPath[PATH_BUFFER_SIZE];
char outputChooserPath[PATH_BUFFER_SIZE];

namespace {
const char LOG_CHOOSER_FAILED[] = "ERROR:FileOpenDlg()";
const char PAGE_MARK[] = ".htm";
}  // namespace

void LogChooserFailure(const char* sourceFile, unsigned line) {
    const uint32_t code = plat::GetLastErrorCode();
    if (code != 0) Scriv(0, code, LOG_CHOOSER_FAILED, sourceFile, line);
}

namespace {

// Runs a chooser over its emptied buffer; a failure that is no plain cancel is logged.
bool Choose(DialogPort& dialog, DialogPort::Chooser kind, const char* filter, char (&path)[PATH_BUFFER_SIZE],
            unsigned line) {
    memset(path, 0, sizeof path);
    if (dialog.ChooseFile(kind, filter, path, sizeof path)) return true;
    LogChooserFailure(SOURCE_FILE_OPEN_SAVE, line);
    return false;
}

}  // namespace

int ChooseThreadLog(DialogPort& dialog) {
    if (!Choose(dialog, DialogPort::Chooser::Open, THREAD_LOG_FILTER, threadLogChooserPath, __LINE__)) return 0;
    dialog.SetText(IDC_LOG_PATH, threadLogChooserPath);
    return 1;
}

int ChooseOutputFile(DialogPort& dialog) {
    if (!Choose(dialog, DialogPort::Chooser::Save, OUTPUT_FILE_FILTER, outputChooserPath, __LINE__)) return 0;
    // The search is case-sensitive: "PAGE.HTM" gains ".html" too.
    if (!strstr(outputChooserPath, PAGE_MARK)) {
        // Cut short, the name would be that of another file: refuse it as the
        // chooser itself refuses a name too long for its buffer.
        if (strlen(outputChooserPath) + strlen(PAGE_ENDING) >= sizeof outputChooserPath) {
            plat::SetLastErrorCode(CHOOSER_NAME_TOO_LONG);
            LogChooserFailure(SOURCE_FILE_OPEN_SAVE, __LINE__);
            return 0;
        }
        strcat(outputChooserPath, PAGE_ENDING);
    }
    dialog.SetText(IDC_OUTPUT_PATH, outputChooserPath);
    return 1;
}
