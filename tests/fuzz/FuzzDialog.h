// The main dialog in memory for the targets that run commands: both lists
// hold MAX_POSTS rows, as after a load. The targets set and read the check
// boxes of rows only through Tick, Ticked and Shows here.
#pragma once

#include <vector>

#include "posts/PostTable.h"
#include "resources/resource.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/MemoryDialog.h"
#include "ui/TargetLists.h"

// MemoryDialog with the rows of both target lists at hand: their check boxes
// are shown as MemoryDialog shows them, without finding the list in its map
// first. The commands and the targets visit every row of both lists several
// times a run, and those look-ups were most of a run's time. The lists stay
// in the map (never cleared), so the rows found at the start stay valid.
class LoadedListsDialog : public MemoryDialog {
public:
    LoadedListsDialog() {
        for (int id : {IDC_MAIN_LIST, IDC_SUB_LIST}) lists[id].rows.assign(MAX_POSTS, Row());
        main_ = &lists[IDC_MAIN_LIST].rows;
        sub_ = &lists[IDC_SUB_LIST].rows;
    }
    LoadedListsDialog(const LoadedListsDialog&) = delete;
    LoadedListsDialog& operator=(const LoadedListsDialog&) = delete;

    FUZZ_HARNESS void ShowRowTicked(int id, int row, bool ticked) override {
        std::vector<Row>* rows = Rows(id);
        if (!rows) return MemoryDialog::ShowRowTicked(id, row, ticked);
        if (row >= 0 && static_cast<size_t>(row) < rows->size()) (*rows)[static_cast<size_t>(row)].ticked = ticked;
    }
    FUZZ_HARNESS bool Shown(int id, int row) {
        const std::vector<Row>* rows = Rows(id);
        return rows && row >= 0 && static_cast<size_t>(row) < rows->size() && (*rows)[static_cast<size_t>(row)].ticked;
    }

private:
    FUZZ_HARNESS std::vector<Row>* Rows(int id) {
        return id == IDC_MAIN_LIST ? main_ : id == IDC_SUB_LIST ? sub_ : nullptr;
    }
    std::vector<Row>* main_;
    std::vector<Row>* sub_;
};

inline LoadedListsDialog& LoadedDialog() {
    static LoadedListsDialog dialog;
    return dialog;
}

// A row's check box ticked or cleared by hand: shown, and taken by the table.
FUZZ_HARNESS inline void Tick(LoadedListsDialog& dialog, int list, int row, bool ticked) {
    dialog.ShowRowTicked(list, row, ticked);
    TakeRowTick(FuzzSession().posts, list, row, ticked);
}
// Whether a row's check box is shown ticked.
FUZZ_HARNESS inline bool Ticked(LoadedListsDialog& dialog, int list, int row) { return dialog.Shown(list, row); }
// A row's check box shows exactly ticked or not ticked.
FUZZ_HARNESS inline bool Shows(LoadedListsDialog& dialog, int list, int row, bool ticked) {
    return dialog.Shown(list, row) == ticked;
}
