#include "ui/KeptMarks.h"

#include "posts/PostTable.h"
#include "resources/resource.h"
#include "ui/TargetLists.h"

namespace {

const char QUESTION_DISCARD[] = "チェックした内容が保存されていません。破棄してよろしいですか？";
const char QUESTION_DISCARD_CAPTION[] = "確認";

const int LISTS[] = {IDC_MAIN_LIST, IDC_SUB_LIST};

// Row i of list k; -1 for a row that does not exist, as at start.
int keptMarks[2][MAX_POSTS];
bool keptOnce = false;

bool ListsShowKeptMarks(DialogPort& dialog) {
    for (int k = 0; k < 2; ++k)
        for (int i = 0; i < MAX_POSTS; ++i)
            if (MarkOfStateImage(dialog.RowStateImage(LISTS[k], i)) != (keptOnce ? keptMarks[k][i] : -1)) return false;
    return true;
}

}  // namespace

void KeepListMarks(DialogPort& dialog) {
    for (int k = 0; k < 2; ++k)
        for (int i = 0; i < MAX_POSTS; ++i) keptMarks[k][i] = MarkOfStateImage(dialog.RowStateImage(LISTS[k], i));
    keptOnce = true;
}

bool MayDiscardListMarks(DialogPort& dialog) {
    return ListsShowKeptMarks(dialog) ||
           dialog.AskYesNo(QUESTION_DISCARD, QUESTION_DISCARD_CAPTION, DialogPort::Icon::Warning);
}
