#include "select/ReferencedResponses.h"

#include <cstring>

#include "resources/resource.h"
#include "select/Anchors.h"
#include "select/SelectTexts.h"
#include "settings/ProgramIni.h"
#include "ui/TargetLists.h"

bool ExtractReferencedResponses(Session& session, DialogPort& dialog) {
    dialog.SetText(IDC_STATUS, "");
    if (!RequireControl(dialog, IDC_MAIN_LIST, __LINE__) || !RequireControl(dialog, IDC_SUB_LIST, __LINE__))
        return false;

    PostTable& posts = session.posts;
    const AnchorRule rule = AnchorRuleOf(session.iniPath);
    for (int i = 0; i < MAX_POSTS; ++i) {
        if (!posts[i].mainCheck) continue;
        // Read for every marked post: the program keeps no copy of a setting.
        if (ReadIniInt(session.iniPath, SETTING_SUBCHECK) == 1) SetMark(dialog, posts, IDC_SUB_LIST, i, true);

        ForEachAnchor(posts[i].body, [&](int number) { SetMark(dialog, posts, IDC_SUB_LIST, number - 1, true); }, rule);
    }
    dialog.SetText(IDC_STATUS, STATUS_REFERENCED_DONE);
    return true;
}
