#include "select/RangeClear.h"

#include "resources/resource.h"
#include "scriv/Scriv.h"
#include "select/DecimalNumber.h"
#include "select/SelectTexts.h"
#include "ui/TargetLists.h"

namespace {

const int RANGE_TEXT_SIZE = 256;  // each edit is read with room for 255 characters

// The post number typed into a range edit, or 0 when the edit is empty or its
// number lies outside 1 to MAX_POSTS (a number too large for 32 bits included).
int TypedPostNumber(DialogPort& dialog, int id) {
    char text[RANGE_TEXT_SIZE];
    dialog.GetText(id, text, sizeof text);
    int32_t number = 0;
    if (text[0] == '\0' || !ParseDecimal(text, number) || number < 1 || number > MAX_POSTS) return 0;
    return number;
}

}  // namespace

void ClearChecksInRange(Session& session, DialogPort& dialog) {
    dialog.SetText(IDC_STATUS, "");
    // The start is validated wholly before the end is read.
    const int start = TypedPostNumber(dialog, IDC_RANGE_START);
    if (start == 0) {
        dialog.SetText(IDC_STATUS, STATUS_RANGE_START_ERROR);
        return;
    }
    const int end = TypedPostNumber(dialog, IDC_RANGE_END);
    if (end == 0) {
        dialog.SetText(IDC_STATUS, STATUS_RANGE_END_ERROR);
        return;
    }
    if (start > end) {
        dialog.SetText(IDC_STATUS, STATUS_RANGE_ERROR);
        return;
    }
    if (!dialog.AskYesNo(QUESTION_CLEAR, QUESTION_CLEAR_CAPTION, DialogPort::Icon::None, DialogPort::Default::No)) {
        dialog.SetText(IDC_STATUS, STATUS_CLEAR_CANCELLED);
        ScrivEx(SCRIV_TRACE, 0, LOG_CLEAR_CANCELLED, nullptr);
        return;
    }
    // Every row of the range is shown cleared, whatever it showed.
    for (int row = start - 1; row < end; ++row) {
        SetAndShowMark(dialog, session.posts, IDC_MAIN_LIST, row, false);
        SetAndShowMark(dialog, session.posts, IDC_SUB_LIST, row, false);
    }
}
