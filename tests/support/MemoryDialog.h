// The main dialog in memory, for tests of the commands: texts of controls,
// list rows with their cells and check boxes, a log of questions asked.
#pragma once

#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "ui/DialogPort.h"

class MemoryDialog : public DialogPort {
public:
    struct Row {
        std::vector<std::string> cells;
        bool ticked = false;
    };
    struct List {
        int checkListCalls = 0;  // how often it was made a check list
        std::vector<std::pair<std::string, int>> columns;  // header, width
        std::vector<Row> rows;
        bool redraw = true;
        std::vector<int> selected;  // rows, as a test selects them
    };

    static const uint32_t CONTROL_ID_NOT_FOUND = 1421;

    // Every control of the main dialog is there until a test removes it.
    void Remove(int id) { removed_.insert(id); }

    bool HasControl(int id) override {
        if (!removed_.count(id)) return true;
        plat::SetLastErrorCode(CONTROL_ID_NOT_FOUND);
        return false;
    }
    void GetText(int id, char* out, size_t size) override {
        const std::string& text = texts[id];
        const size_t n = text.size() < size ? text.size() : size - 1;
        memcpy(out, text.data(), n);
        out[n] = '\0';
    }
    void SetText(int id, const char* text) override { texts[id] = text; }

    void ShowAsCheckList(int id) override { ++lists[id].checkListCalls; }
    void InsertListColumn(int id, int column, const char* header, int width) override {
        auto& columns = lists[id].columns;
        columns.insert(columns.begin() + column, {header, width});
    }
    void DeleteAllRows(int id) override { lists[id].rows.clear(); }
    void InsertRow(int id, int row, const char* text) override {
        auto& rows = lists[id].rows;
        Row r;  // a cell per column, five for a list without columns
        r.cells.assign(lists[id].columns.empty() ? 5 : lists[id].columns.size(), "");
        r.cells[0] = text;
        rows.insert(rows.begin() + row, r);
    }
    void SetCell(int id, int row, int column, const char* text) override {
        auto& cells = lists[id].rows.at(static_cast<size_t>(row)).cells;
        if (static_cast<size_t>(column) >= cells.size()) cells.resize(static_cast<size_t>(column) + 1);
        cells[static_cast<size_t>(column)] = text;
    }
    void ShowRowTicked(int id, int row, bool ticked) override {
        auto& rows = lists[id].rows;
        if (row >= 0 && static_cast<size_t>(row) < rows.size()) rows[static_cast<size_t>(row)].ticked = ticked;
    }
    // Whether the row exists and shows its check box ticked.
    bool ShowsTicked(int id, int row) {
        if (!lists.count(id)) return false;  // reading adds no list
        const auto& rows = lists[id].rows;
        return row >= 0 && static_cast<size_t>(row) < rows.size() && rows[static_cast<size_t>(row)].ticked;
    }
    void SetListRedraw(int id, bool on) override { lists[id].redraw = on; }
    void ShowListTop(int) override {}  // no scrolling in memory
    std::vector<int> SelectedRows(int id) override { return lists[id].selected; }
    void RepaintList(int) override {}  // the table holds the emphasis

    // Questions are answered from answers, front first; No when none is left.
    bool AskYesNo(const char* text, const char* caption, Icon icon, Default button) override {
        questions.push_back({text, caption, icon, button});
        if (answers.empty()) return false;
        const bool yes = answers.front();
        answers.erase(answers.begin());
        return yes;
    }

    // The keyword question answers keyword (UTF-8), or キャンセル without one.
    bool AskKeyword(std::string& typed) override {
        if (keyword) typed = *keyword;
        return keyword.has_value();
    }

    // The next chooser yields chosenPath; an empty one ends it without a file,
    // with chooserError as the last-error value.
    bool ChooseFile(Chooser kind, char* path, size_t size) override {
        choosers.push_back(kind);
        proposedNames.push_back(std::string(path, strnlen(path, size)));
        if (chosenPath.empty()) {
            plat::SetLastErrorCode(chooserError);
            return false;
        }
        snprintf(path, size, "%s", chosenPath.c_str());
        return true;
    }

    // Records the path; fails with shellError when it is not 0.
    bool OpenWithShell(const char* path) override {
        opened.push_back(path);
        plat::SetLastErrorCode(shellError);
        return shellError == 0;
    }

    // Records the text; fails with clipboardError when it is not 0.
    bool CopyText(const char* utf8) override {
        plat::SetLastErrorCode(clipboardError);
        if (clipboardError == 0) copied.push_back(utf8);
        return clipboardError == 0;
    }

    std::map<int, std::string> texts;
    std::map<int, List> lists;
    struct Question {
        std::string text, caption;
        Icon icon;
        Default button;
    };
    std::vector<Question> questions;
    std::vector<bool> answers;
    std::optional<std::string> keyword;
    std::vector<Chooser> choosers;  // the kinds of file asked for, in order
    std::vector<std::string> proposedNames;  // the name each chooser started with
    std::string chosenPath;
    uint32_t chooserError = 0;
    std::vector<std::string> opened;  // by the shell
    uint32_t shellError = 0;
    std::vector<std::string> copied;  // to the clipboard, in order
    uint32_t clipboardError = 0;

private:
    std::set<int> removed_;
};
