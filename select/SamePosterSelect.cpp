#include "select/SamePosterSelect.h"

#include <cstring>

#include "resources/resource.h"
#include "select/SelectTexts.h"
#include "posts/PostTable.h"
#include "ui/TargetLists.h"

namespace {

using PostField = char (PostRecord::*)[256];

int SelectSamePoster(DialogPort& dialog, PostField field, const char* closingText) {
    dialog.SetText(IDC_STATUS, "");
    if (!FindControl(dialog, IDC_MAIN_LIST, __LINE__)) return 0;

    // On the real list every read and write is a window message: each row's
    // state is read once, kept here as the pass changes it, and a row is
    // written only when it turns from not ticked to ticked.
    int state[MAX_POSTS];
    for (int i = 0; i < MAX_POSTS; ++i) state[i] = dialog.RowStateImage(IDC_MAIN_LIST, i);

    // Rows ticked during the pass are visited later as sources too; they carry
    // the same text, so the result is that of the marks before the command.
    for (int i = 0; i < MAX_POSTS; ++i) {
        const char* text = postTable[i].*field;
        if (text[0] == '\0' || !IsMarked(state[i])) continue;
        for (int j = 0; j < MAX_POSTS; ++j) {
            if (state[j] == STATE_IMAGE_CHECKED || strcmp(postTable[j].*field, text) != 0) continue;
            dialog.SetRowStateImage(IDC_MAIN_LIST, j, STATE_IMAGE_CHECKED);
            state[j] = STATE_IMAGE_CHECKED;
        }
    }
    dialog.SetText(IDC_STATUS, closingText);
    return 1;
}

}  // namespace

int SelectSameTrip(DialogPort& dialog) { return SelectSamePoster(dialog, &PostRecord::trip, STATUS_SAME_TRIP_DONE); }

int SelectSameId(DialogPort& dialog) { return SelectSamePoster(dialog, &PostRecord::id, STATUS_SAME_ID_DONE); }
