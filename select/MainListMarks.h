// The common course of the menu "選択"'s commands: they only add marks, to the
// main target list alone, and say how many they added.
#pragma once

#include <string>

#include "posts/Session.h"
#include "resources/resource.h"
#include "ui/DialogPort.h"
#include "ui/TargetLists.h"

// Marks in the main list every unmarked post for which wanted(row) holds and
// shows "<done>（N件）", N the posts newly marked. False, with nothing
// changed, when the main list is missing.
template <class Wanted>
bool MarkMainPosts(Session& session, DialogPort& dialog, const char* done, Wanted wanted) {
    dialog.SetText(IDC_STATUS, "");
    if (!RequireControl(dialog, IDC_MAIN_LIST, __LINE__)) return false;
    int added = 0;
    for (int i = 0; i < MAX_POSTS; ++i) {
        if (session.posts[i].mainCheck || !wanted(i)) continue;
        SetAndShowMark(dialog, session.posts, IDC_MAIN_LIST, i, true);
        ++added;
    }
    dialog.SetText(IDC_STATUS, (std::string(done) + "（" + std::to_string(added) + "件）").c_str());
    return true;
}
