#include "select/EmphasisCommands.h"

#include "posts/Emphasis.h"
#include "ui/TargetLists.h"

namespace {

uint8_t Toggled(uint8_t e, uint8_t bit, bool on) { return static_cast<uint8_t>(on ? e | bit : e & ~bit); }

}  // namespace

bool Emphasise(Session& session, DialogPort& dialog, int id) {
    if (session.emphasisList == 0) return false;
    PostTable& posts = session.posts;
    std::vector<int> rows;
    for (int row : dialog.SelectedRows(session.emphasisList))
        if (row >= 0 && row < MAX_POSTS && HoldsPost(posts[row])) rows.push_back(row);
    if (rows.empty()) return false;
    const uint8_t first = posts[rows.front()].emphasis;
    for (int row : rows) {
        uint8_t& e = posts[row].emphasis;
        if (id <= IDM_COLOUR_PURPLE)
            e = WithColour(e, id - IDM_COLOUR_NONE);
        else if (id <= IDM_SIZE_LARGER)
            e = WithSize(e, id - IDM_SIZE_NORMAL);
        else if (id == IDM_BOLD)
            e = Toggled(e, EMPHASIS_BOLD, !IsBold(first));
        else if (id == IDM_AA)
            e = Toggled(e, EMPHASIS_AA, !IsAa(first));
        else
            e = 0;
    }
    ShowEmphasis(dialog);
    return true;
}
