#include "ui/KeptMarks.h"

namespace {
const char QUESTION_DISCARD[] = "チェックした内容が保存されていません。破棄してよろしいですか？";
const char QUESTION_DISCARD_CAPTION[] = "確認";
}  // namespace

void KeepMarks(Session& session) { TakeMarks(session.posts, session.keptMarks); }

bool MayDiscardMarks(Session& session, DialogPort& dialog) {
    MarkSet now;
    TakeMarks(session.posts, now);
    return now == session.keptMarks ||
           dialog.AskYesNo(QUESTION_DISCARD, QUESTION_DISCARD_CAPTION, DialogPort::Icon::Warning, DialogPort::Default::No);
}
