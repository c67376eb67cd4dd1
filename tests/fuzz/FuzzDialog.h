// The main dialog in memory for the targets that run commands: both lists
// hold MAX_POSTS rows, as after a load.
#pragma once

#include "resources/resource.h"
#include "tests/support/MemoryDialog.h"
#include "posts/PostTable.h"

inline MemoryDialog& LoadedDialog() {
    static MemoryDialog dialog = [] {
        MemoryDialog d;
        for (int id : {IDC_MAIN_LIST, IDC_SUB_LIST}) d.lists[id].rows.assign(MAX_POSTS, MemoryDialog::Row());
        return d;
    }();
    return dialog;
}
