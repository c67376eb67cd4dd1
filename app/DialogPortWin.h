// The dialog port over the real controls of a Win32 dialog.
#pragma once

#include <windows.h>

#include "ui/DialogPort.h"

class Win32DialogPort : public DialogPort {
public:
    explicit Win32DialogPort(HWND dialog) : dialog_(dialog) {}

    bool HasControl(int id) override;
    void GetText(int id, char* out, size_t size) override;
    void SetText(int id, const char* text) override;
    void ShowAsCheckList(int id) override;
    void InsertListColumn(int id, int column, const char* header, int width) override;
    void DeleteAllRows(int id) override;
    void InsertRow(int id, int row, const char* text) override;
    void SetCell(int id, int row, int column, const char* text) override;
    void ShowRowTicked(int id, int row, bool ticked) override;
    void SetListRedraw(int id, bool on) override;
    void ShowListTop(int id) override;
    std::vector<int> SelectedRows(int id) override;
    void RepaintList(int id) override;
    bool AskYesNo(const char* text, const char* caption, Icon icon, Default button) override;
    bool AskKeyword(std::string& keyword) override;
    bool ChooseFile(Chooser kind, char* path, size_t size) override;
    bool OpenWithShell(const char* path) override;
    bool CopyText(const char* utf8) override;

private:
    LRESULT Send(int id, UINT message, WPARAM wParam, LPARAM lParam);
    HWND dialog_;
    // The controls looked up last. A port lives for one command, while the
    // dialog's controls stay; under Wine every GetDlgItem asks the server for
    // the dialog's children, which made a list's fill cost nine times its rows.
    struct Known {
        int id;
        HWND window;
    };
    Known known_[4] = {};
    int nextKnown_ = 0;
};
