#include "select/ReferencedResponses.h"

#include <cstring>

#include "resources/resource.h"
#include "select/DecimalNumber.h"
#include "select/SelectTexts.h"
#include "settings/ProgramIni.h"
#include "posts/PostTable.h"
#include "ui/TargetLists.h"

namespace {

// Bodies hold HTML: an anchor ">>12" is stored escaped.
const char ANCHOR[] = "&gt;&gt;";
const size_t ANCHOR_LENGTH = sizeof ANCHOR - 1;

// The sub rows this run has ticked: a row many posts refer to is written once.
class SubTicks {
public:
    explicit SubTicks(DialogPort& dialog) : dialog_(dialog) {}
    void Tick(int row) {
        if (ticked_[row]) return;
        dialog_.SetRowStateImage(IDC_SUB_LIST, row, STATE_IMAGE_CHECKED);
        ticked_[row] = true;
    }

private:
    DialogPort& dialog_;
    bool ticked_[MAX_POSTS] = {};
};

}  // namespace

int ExtractReferencedResponses(DialogPort& dialog) {
    dialog.SetText(IDC_STATUS, "");
    if (!FindControl(dialog, IDC_MAIN_LIST, __LINE__) || !FindControl(dialog, IDC_SUB_LIST, __LINE__)) return 0;

    SubTicks sub(dialog);
    for (int i = 0; i < MAX_POSTS; ++i) {
        if (!IsMarked(dialog.RowStateImage(IDC_MAIN_LIST, i))) continue;
        postTable[i].mainCheck = 1;
        // Read for every marked row: the program keeps no copy of a setting.
        if (ReadIniInt(SETTING_SUBCHECK) == 1) sub.Tick(i);

        // Only the first number behind an opening counts ("12-15" takes 12), and
        // the search goes on right behind the opening, not behind the number.
        for (const char* at = strstr(postTable[i].body, ANCHOR); at; at = strstr(at + ANCHOR_LENGTH, ANCHOR)) {
            int32_t number = 0;
            if (!ParseDecimal(at + ANCHOR_LENGTH, number) || number < 1 || number > MAX_POSTS) continue;
            sub.Tick(number - 1);
            postTable[number - 1].subCheck = 1;
        }
    }
    dialog.SetText(IDC_STATUS, STATUS_REFERENCED_DONE);
    return 1;
}
