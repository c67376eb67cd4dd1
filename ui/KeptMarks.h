// The marks of both lists as they were last kept: after a load, after a
// conversion that wrote the page, after a check file load that applied marks.
// Before marks are thrown away (a load, the program's close) the user is
// asked when the marks are no longer the kept ones.
#pragma once

#include "posts/Session.h"
#include "ui/DialogPort.h"

// Keeps the session's marks as they are now.
void KeepMarks(Session& session);

// True to go on: the marks are the kept ones, or the user answered Yes to
// "チェックした内容が保存されていません。破棄してよろしいですか？".
bool MayDiscardMarks(Session& session, DialogPort& dialog);
