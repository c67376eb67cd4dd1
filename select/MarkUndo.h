// One step of undo for the marks of both lists and the emphasis, as they were before the last
// command that changed them. Hand ticks are not recorded; a load forgets the step.
#pragma once

#include "posts/Session.h"
#include "ui/DialogPort.h"

const char STATUS_UNDONE[] = "元に戻しました";

// The marks before a mark command; after it, when it changed any, they become
// the step to undo (a command that changed nothing leaves the earlier step).
class MarkCommandStep {
public:
    explicit MarkCommandStep(Session& session) : session_(session) { TakeMarks(session.posts, before_); }
    ~MarkCommandStep();
    MarkCommandStep(const MarkCommandStep&) = delete;
    MarkCommandStep& operator=(const MarkCommandStep&) = delete;

private:
    Session& session_;
    MarkSet before_;
};

// Menu "元に戻す": puts the marks back, shows them and forgets the step; does
// nothing when there is none. True when it restored marks.
bool UndoMarks(Session& session, DialogPort& dialog);
