#include "ui/KeptMarks.h"

#include <cstring>

#include "ui/TargetLists.h"

namespace {

const char QUESTION_DISCARD[] = "チェックした内容が保存されていません。破棄してよろしいですか？";
const char QUESTION_DISCARD_CAPTION[] = "確認";

// Zero at start: lists without rows, as before any load. Static: too large
// for the stack of a command.
ListImages kept, shown;

}  // namespace

void KeepListMarks(DialogPort& dialog) { ReadListImages(dialog, kept); }

bool MayDiscardListMarks(DialogPort& dialog) {
    ReadListImages(dialog, shown);
    return memcmp(&shown, &kept, sizeof kept) == 0 ||
           dialog.AskYesNo(QUESTION_DISCARD, QUESTION_DISCARD_CAPTION, DialogPort::Icon::Warning);
}
