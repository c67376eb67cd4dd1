// What the commands need of the main dialog, and nothing more. The Win32
// layer implements it over the real controls; tests implement it in memory.
// Texts are Shift_JIS; controls are named by their ids (resources/resource.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class DialogPort {
public:
    virtual ~DialogPort() = default;

    // Whether the dialog holds the control; when it does not, the system's
    // last-error value says why.
    virtual bool HasControl(int id) = 0;

    // The control's text, cut to size - 1 bytes (never half a double-byte character).
    virtual void GetText(int id, char* out, size_t size) = 0;
    virtual void SetText(int id, const char* text) = 0;

    // List views in report view, with check boxes (their look is the
    // implementation's). A tick by hand in a list is reported to the
    // commands through TakeRowTick (ui/TargetLists.h), never read back.
    virtual void ShowAsCheckList(int id) = 0;
    virtual void InsertListColumn(int id, int column, const char* header, int width) = 0;
    virtual void DeleteAllRows(int id) = 0;
    virtual void InsertRow(int id, int row, const char* text) = 0;
    virtual void SetCell(int id, int row, int column, const char* text) = 0;
    // Shows the row's check box ticked or not; a row that does not exist stays so.
    virtual void ShowRowTicked(int id, int row, bool ticked) = 0;
    // Drawing suspended while a list is refilled, then resumed and repainted.
    virtual void SetListRedraw(int id, bool on) = 0;
    // Row 0 scrolled into view at the top, no row selected or focused.
    virtual void ShowListTop(int id) = 0;
    // The rows selected in a list, in ascending order.
    virtual std::vector<int> SelectedRows(int id) = 0;
    // Every row drawn again from the table (its emphasis: colour, bold).
    virtual void RepaintList(int id) = 0;

    // A modal question owned by the dialog, buttons Yes and No, with the icon
    // and the default button given. True for Yes.
    enum class Icon { None, Warning };
    enum class Default { No, Yes };
    virtual bool AskYesNo(const char* text, const char* caption, Icon icon, Default button) = 0;

    // The keyword question "キーワード選択", modal, owned by the dialog: true
    // with the text typed, in UTF-8, for OK; false for キャンセル.
    virtual bool AskKeyword(std::string& keyword) = 0;

    // The system's file chooser owned by the dialog, starting with no name,
    // for the kind of file given: an open chooser for a thread log or a check
    // file, a save chooser for the page. True with the chosen full path in
    // path; false when none was chosen, with the last-error value 0 for a
    // plain cancel and the failure's code otherwise (a path longer than
    // size - 1 bytes is such a failure, never cut short).
    enum class Chooser { ThreadLog, Page, CheckFile };
    virtual bool ChooseFile(Chooser kind, char* path, size_t size) = 0;

    // Opens the file with the program the user has chosen for it (the shell's
    // "open"); false, with the last-error value set, when that failed.
    virtual bool OpenWithShell(const char* path) = 0;

    // Puts text (UTF-8, unlike the other texts) on the system's clipboard as
    // Unicode text in place of what it held; false, with the last-error value
    // set, when the clipboard could not be taken.
    virtual bool CopyText(const char* utf8) = 0;
};
