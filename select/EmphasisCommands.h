// The emphasis commands (編集 → 強調 and the target lists' context menu): the
// colour, size, bold or AA of the posts of the rows selected in the target
// list that has or last had the focus.
#pragma once

#include "posts/Session.h"
#include "resources/resource.h"
#include "ui/DialogPort.h"

const int EMPHASIS_COMMANDS[] = {IDM_COLOUR_NONE,  IDM_COLOUR_RED,  IDM_COLOUR_BLUE, IDM_COLOUR_GREEN,
                                 IDM_COLOUR_ORANGE, IDM_COLOUR_PURPLE, IDM_SIZE_NORMAL, IDM_SIZE_LARGE,
                                 IDM_SIZE_LARGER,  IDM_BOLD,        IDM_AA,          IDM_PLAIN};

// Applies the command id (IDM_COLOUR_NONE to IDM_PLAIN) to the selected rows
// that hold a post and shows it in both lists. Bold and AA are toggles: on
// when the first such row's post lacks them, else off. False when no
// selected row holds a post.
bool Emphasise(Session& session, DialogPort& dialog, int id);
