// The marks of both lists as they were last kept: after a load, after a
// conversion that wrote the page, after a check file load that applied marks.
// Before marks are thrown away (a load, the program's close) the user is
// asked when the lists show other marks.
#pragma once

#include "ui/DialogPort.h"

// Keeps what the lists show now (before any load: lists without rows).
void KeepListMarks(DialogPort& dialog);

// True to go on: the lists show the kept marks, or the user answered Yes to
// "チェックした内容が保存されていません。破棄してよろしいですか？".
bool MayDiscardListMarks(DialogPort& dialog);
