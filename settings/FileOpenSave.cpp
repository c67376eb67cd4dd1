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
const char PAGE_ENDING[] = ".html";
}  // namespace

void LogChooserFailure(const char* sourceFile, unsigned line) {
    const uint32_t code = plat::GetLastErrorCode();
    if (code != 0) Scriv(0, code, LOG_CHOOSER_FAILED, sourceFile, line);
}

int ChooseThreadLog(DialogPort& dialog) {
    memset(threadLogChooserPath, 0, sizeof threadLogChooserPath);
    if (!dialog.ChooseFile(DialogPort::Chooser::Open, THREAD_LOG_FILTER, threadLogChooserPath,
                           sizeof threadLogChooserPath)) {
        LogChooserFailure(SOURCE_FILE_OPEN_SAVE, __LINE__);
        return 0;
    }
    dialog.SetText(IDC_LOG_PATH, threadLogChooserPath);
    return 1;
}

int ChooseOutputFile(DialogPort& dialog) {
    memset(outputChooserPath, 0, sizeof outputChooserPath);
    if (!dialog.ChooseFile(DialogPort::Chooser::Save, OUTPUT_FILE_FILTER, outputChooserPath,
                           sizeof outputChooserPath)) {
        LogChooserFailure(SOURCE_FILE_OPEN_SAVE, __LINE__);
        return 0;
    }
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
