#include "ui/MainDialog.h"

#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "settings/ProgramIni.h"
#include "threadlog/LoadCommand.h"
#include "ui/TargetLists.h"

namespace {

struct Command {
    int id;
    int (*handler)(DialogPort&);
};

// The results of the handlers are ignored: each reports in the status line and the log.
const Command COMMANDS[] = {
    {IDC_LOAD, LoadCommand},
};

}  // namespace

int InitMainDialog(DialogPort& dialog) {
    ProgramIniPath(iniPath, sizeof iniPath);
    ScrivEx(1, 0, "iniファイルパス", iniPath);
    SetListStyles(dialog);
    SetListColumns(dialog);
    return 1;
}

bool RunCommand(DialogPort& dialog, int id) {
    for (const Command& command : COMMANDS) {
        if (command.id == id) {
            command.handler(dialog);
            return true;
        }
    }
    return false;
}
