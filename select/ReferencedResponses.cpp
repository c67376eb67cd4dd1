#include "select/ReferencedResponses.h"

#include <cstring>

#include "resources/resource.h"
#include "select/DecimalNumber.h"
#include "select/SelectTexts.h"
#include "settings/ProgramIni.h"
#include "ui/TargetLists.h"

namespace {

// Bodies hold HTML: an anchor ">>12" is stored escaped.
const char ANCHOR[] = "&gt;&gt;";
const size_t ANCHOR_LENGTH = sizeof ANCHOR - 1;

}  // namespace

bool ExtractReferencedResponses(Session& session, DialogPort& dialog) {
    dialog.SetText(IDC_STATUS, "");
    if (!RequireControl(dialog, IDC_MAIN_LIST, __LINE__) || !RequireControl(dialog, IDC_SUB_LIST, __LINE__))
        return false;

    PostTable& posts = session.posts;
    for (int i = 0; i < MAX_POSTS; ++i) {
        if (!posts[i].mainCheck) continue;
        // Read for every marked post: the program keeps no copy of a setting.
        if (ReadIniInt(session.iniPath, SETTING_SUBCHECK) == 1) SetMark(dialog, posts, IDC_SUB_LIST, i, true);

        // Only the first number behind an opening counts ("12-15" takes 12), and
        // the search goes on right behind the opening, not behind the number.
        for (const char* at = strstr(posts[i].body, ANCHOR); at; at = strstr(at + ANCHOR_LENGTH, ANCHOR)) {
            int32_t number = 0;
            if (!ParseDecimal(at + ANCHOR_LENGTH, number) || number < 1 || number > MAX_POSTS) continue;
            SetMark(dialog, posts, IDC_SUB_LIST, number - 1, true);
        }
    }
    dialog.SetText(IDC_STATUS, STATUS_REFERENCED_DONE);
    return true;
}
