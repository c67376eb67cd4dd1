#include "select/MarkUndo.h"

#include "resources/resource.h"
#include "ui/TargetLists.h"

MarkCommandStep::~MarkCommandStep() {
    MarkSet after;
    TakeMarks(session_.posts, after);
    if (after == before_) return;
    session_.undoStep = before_;
    session_.canUndo = true;
}

bool UndoMarks(Session& session, DialogPort& dialog) {
    if (!session.canUndo) return false;
    for (int i = 0; i < MAX_POSTS; ++i) {
        SetMark(dialog, session.posts, IDC_MAIN_LIST, i, session.undoStep.main[i]);
        SetMark(dialog, session.posts, IDC_SUB_LIST, i, session.undoStep.sub[i]);
        session.posts[i].emphasis = session.undoStep.emphasis[i];
    }
    ShowEmphasis(dialog);
    session.canUndo = false;
    dialog.SetText(IDC_STATUS, STATUS_UNDONE);
    return true;
}
