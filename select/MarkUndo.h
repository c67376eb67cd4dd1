// One step of undo for the marks: both lists' check boxes and the post
// table's mainCheck and subCheck as they were before the last command that
// changed them. Hand ticks are not recorded; a load forgets the step.
#pragma once

#include "ui/DialogPort.h"

const char STATUS_UNDONE[] = "元に戻しました";

// Called around a command that sets marks: before it, the marks are taken;
// after it, when it changed any, they become the step to undo.
void BeforeMarkCommand(DialogPort& dialog);
void AfterMarkCommand(DialogPort& dialog);

bool CanUndo();
void ForgetUndo();

// Menu "元に戻す": puts the marks back and forgets the step; does nothing
// when there is none. Returns 1 when it restored marks.
int UndoMarks(DialogPort& dialog);
