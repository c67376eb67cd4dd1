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

// MemoryDialog with the rows of both target lists at hand: their state images
// are read and set as MemoryDialog does, without finding the list in its map
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

    FUZZ_HARNESS int RowStateImage(int id, int row) override {
        const std::vector<Row>* rows = Rows(id);
        if (!rows) return MemoryDialog::RowStateImage(id, row);
        return row >= 0 && static_cast<size_t>(row) < rows->size() ? (*rows)[static_cast<size_t>(row)].stateImage : 0;
    }
    FUZZ_HARNESS void SetRowStateImage(int id, int row, int image) override {
        std::vector<Row>* rows = Rows(id);
        if (!rows) return MemoryDialog::SetRowStateImage(id, row, image);
        if (row >= 0 && static_cast<size_t>(row) < rows->size()) (*rows)[static_cast<size_t>(row)].stateImage = image;
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

// A row's check box, ticked or not.
FUZZ_HARNESS inline void Tick(LoadedListsDialog& dialog, int list, int row, bool ticked) {
    dialog.SetRowStateImage(list, row, ticked ? STATE_IMAGE_CHECKED : STATE_IMAGE_UNCHECKED);
}
// Whether a row's check box is ticked: state image CHECKED, not only marked.
FUZZ_HARNESS inline bool Ticked(LoadedListsDialog& dialog, int list, int row) {
    return dialog.RowStateImage(list, row) == STATE_IMAGE_CHECKED;
}
// A row's check box holds exactly ticked or not ticked (no other state image).
FUZZ_HARNESS inline bool Shows(LoadedListsDialog& dialog, int list, int row, bool ticked) {
    return dialog.RowStateImage(list, row) == (ticked ? STATE_IMAGE_CHECKED : STATE_IMAGE_UNCHECKED);
}
