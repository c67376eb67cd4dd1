#include "select/Answers.h"

#include <algorithm>
#include <string>

#include "resources/resource.h"
#include "select/MainListMarks.h"
#include "select/SelectTexts.h"
#include "settings/ProgramIni.h"
#include "ui/TargetLists.h"

void CountAnswers(const PostTable& posts, AnchorRule rule, int (&answers)[MAX_POSTS]) {
    std::fill(answers, answers + MAX_POSTS, 0);
    int lastAnswerer[MAX_POSTS];  // a post names another as often as it likes: it counts once
    std::fill(lastAnswerer, lastAnswerer + MAX_POSTS, -1);
    for (int i = 0; i < MAX_POSTS; ++i) {
        ForEachAnchor(
            posts[i].body,
            [&](int number) {
                const int target = number - 1;
                if (target == i || lastAnswerer[target] == i) return;
                lastAnswerer[target] = i;
                ++answers[target];
            },
            rule);
    }
}

void ShowAnswerCounts(Session& session, DialogPort& dialog, AnswerCells cells) {
    if (cells == AnswerCells::Every && session.loadedLogPath[0] == '\0') return;
    if (!RequireControl(dialog, IDC_MAIN_LIST, __LINE__)) return;
    int answers[MAX_POSTS];
    CountAnswers(session.posts, AnchorRuleOf(session.iniPath), answers);
    for (int i = 0; i < MAX_POSTS; ++i)
        if (answers[i] > 0 || cells == AnswerCells::Every)
            dialog.SetCell(IDC_MAIN_LIST, i, MAIN_ANSWERS_COLUMN, answers[i] > 0 ? std::to_string(answers[i]).c_str() : "");
}

bool SelectPopular(Session& session, DialogPort& dialog) {
    const int least = std::clamp(ReadIniInt(session.iniPath, SETTING_POPULAR), POPULAR_MIN, POPULAR_MAX);
    int answers[MAX_POSTS];
    CountAnswers(session.posts, AnchorRuleOf(session.iniPath), answers);
    return MarkMainPosts(session, dialog, STATUS_POPULAR_DONE, [&](int i) { return answers[i] >= least; });
}

bool SelectReplies(Session& session, DialogPort& dialog) {
    MarkSet before;
    TakeMarks(session.posts, before);
    const AnchorRule rule = AnchorRuleOf(session.iniPath);
    return MarkMainPosts(session, dialog, STATUS_REPLIES_DONE, [&](int i) {
        bool replies = false;
        ForEachAnchor(session.posts[i].body, [&](int number) { replies = replies || before.main[number - 1]; }, rule);
        return replies;
    });
}
