#include "ui/MarkCounts.h"

#include "resources/resource.h"

std::string MarkCountsText(const Session& session) {
    if (session.loadedLogPath[0] == '\0') return "";
    int main = 0, sub = 0;
    for (int i = 0; i < MAX_POSTS; ++i) {
        main += session.posts[i].mainCheck != 0;
        sub += session.posts[i].subCheck != 0;
    }
    return "メイン " + std::to_string(main) + "件 / サブ " + std::to_string(sub) + "件";
}

void ShowMarkCounts(const Session& session, DialogPort& dialog) {
    dialog.SetText(IDC_MARK_COUNTS, MarkCountsText(session).c_str());
}
