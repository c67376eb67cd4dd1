#include "select/MarkUndo.h"

#include <cstdint>
#include <cstring>

#include "posts/PostTable.h"
#include "resources/resource.h"
#include "ui/TargetLists.h"

namespace {

struct Marks {
    ListImages images;
    int32_t mainCheck[MAX_POSTS];
    int32_t subCheck[MAX_POSTS];
};

Marks before, after, step;  // static: too large for the stack of a command
bool stepKept = false;

void Take(DialogPort& dialog, Marks& marks) {
    ReadListImages(dialog, marks.images);
    for (int i = 0; i < MAX_POSTS; ++i) {
        marks.mainCheck[i] = postTable[i].mainCheck;
        marks.subCheck[i] = postTable[i].subCheck;
    }
}

// A row that does not exist (image 0) has nothing to put back.
void Restore(DialogPort& dialog, int list, const int (&images)[MAX_POSTS]) {
    for (int i = 0; i < MAX_POSTS; ++i)
        if (images[i] != 0 && dialog.RowStateImage(list, i) != images[i]) dialog.SetRowStateImage(list, i, images[i]);
}

}  // namespace

void BeforeMarkCommand(DialogPort& dialog) { Take(dialog, before); }

// Kept only when the command changed something: one that did nothing (a
// question answered No, a refused file) leaves the earlier step in place.
void AfterMarkCommand(DialogPort& dialog) {
    Take(dialog, after);
    if (memcmp(&before, &after, sizeof after) == 0) return;
    step = before;
    stepKept = true;
}

bool CanUndo() { return stepKept; }

void ForgetUndo() { stepKept = false; }

int UndoMarks(DialogPort& dialog) {
    if (!stepKept) return 0;
    Restore(dialog, IDC_MAIN_LIST, step.images.main);
    Restore(dialog, IDC_SUB_LIST, step.images.sub);
    for (int i = 0; i < MAX_POSTS; ++i) {
        postTable[i].mainCheck = step.mainCheck[i];
        postTable[i].subCheck = step.subCheck[i];
    }
    stepKept = false;
    dialog.SetText(IDC_STATUS, STATUS_UNDONE);
    return 1;
}
