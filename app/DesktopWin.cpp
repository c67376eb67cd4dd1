#include "app/DesktopWin.h"

#include <shellapi.h>

#include <vector>

#include "app/DialogPortWin.h"
#include "app/MainCommands.h"
#include "platform/TextWin.h"

namespace {

// Wide enough that a path too long for the program is refused whole, never
// cut into the name of another file.
const size_t NAMED_PATH_SIZE = 4 * MAX_PATH;

std::vector<char> ShiftJisPath(const wchar_t* path) {
    std::vector<char> narrow(NAMED_PATH_SIZE);
    FromWide(path, narrow.data(), narrow.size());
    return narrow;
}

}  // namespace

void OpenCommandLine(HWND dialog) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments) return;
    if (count >= 2) {
        Win32DialogPort port(dialog);
        OpenNamedFile(port, ShiftJisPath(arguments[1]).data());
    }
    LocalFree(arguments);
}
