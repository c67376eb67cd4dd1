// The real main dialog, created in the test's process from its template as
// the program creates it, and the user's actions on it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/MainDialogWin.h"

class RealMainDialog {
public:
    RealMainDialog();   // hidden, as the program creates it, until shown
    ~RealMainDialog();  // destroyed, and the quit message that posts dropped
    RealMainDialog(const RealMainDialog&) = delete;
    RealMainDialog& operator=(const RealMainDialog&) = delete;

    HWND hwnd() const { return dialog_; }
    Session& session() { return state_.session; }
    std::wstring Text(int id) const;
    void SetText(int id, const std::string& shiftJis);
    // A button pressed or a menu item chosen; returns once its command has run.
    void Command(int id);

    // Files dragged from the shell and dropped on the dialog: a real HDROP
    // with wide names, handled before it returns.
    void Drop(const std::vector<std::string>& shiftJisPaths);

    int RowCount(int list) const;
    std::wstring Cell(int list, int row, int column) const;
    void Tick(int list, const std::vector<int>& postNumbers);
    std::vector<int> Ticked(int list) const;  // post numbers whose boxes are ticked

private:
    MainDialogState state_{StaticPostTable()};
    HWND dialog_;
};
