#include "select/SamePosterSelect.h"

#include <cstring>

#include "resources/resource.h"
#include "select/MainListMarks.h"
#include "select/SelectTexts.h"
#include "ui/TargetLists.h"

namespace {

using PostField = char (PostRecord::*)[256];

bool SelectSamePoster(Session& session, DialogPort& dialog, PostField field, const char* closingText) {
    dialog.SetText(IDC_STATUS, "");
    if (!RequireControl(dialog, IDC_MAIN_LIST, __LINE__)) return false;

    // Posts marked during the pass are visited later as sources too; they carry
    // the same text, so the result is that of the marks before the command.
    PostTable& posts = session.posts;
    for (int i = 0; i < MAX_POSTS; ++i) {
        const char* text = posts[i].*field;
        if (text[0] == '\0' || !posts[i].mainCheck) continue;
        for (int j = 0; j < MAX_POSTS; ++j)
            if (!posts[j].mainCheck && strcmp(posts[j].*field, text) == 0)
                SetAndShowMark(dialog, posts, IDC_MAIN_LIST, j, true);
    }
    dialog.SetText(IDC_STATUS, closingText);
    return true;
}

}  // namespace

bool SelectSameTrip(Session& session, DialogPort& dialog) {
    return SelectSamePoster(session, dialog, &PostRecord::trip, STATUS_SAME_TRIP_DONE);
}

bool SelectSameId(Session& session, DialogPort& dialog) {
    return SelectSamePoster(session, dialog, &PostRecord::id, STATUS_SAME_ID_DONE);
}

bool SelectThreadStarter(Session& session, DialogPort& dialog) {
    const char* starter = session.posts[0].id;
    if (starter[0] == '\0') {
        dialog.SetText(IDC_STATUS, STATUS_STARTER_NO_ID);
        return false;
    }
    return MarkMainPosts(session, dialog, STATUS_STARTER_DONE,
                         [&](int i) { return strcmp(session.posts[i].id, starter) == 0; });
}
