// The main dialog in memory, for tests of the commands: texts of controls,
// list rows with their cells and state images, a log of questions asked.
#pragma once

#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "ui/DialogPort.h"

class MemoryDialog : public DialogPort {
public:
    struct Row {
        std::vector<std::string> cells;
        int stateImage = 1;
    };
    struct List {
        uint32_t extendedStyle = 0;
        std::vector<std::pair<std::string, int>> columns;  // header, width
        std::vector<Row> rows;
        bool redraw = true;
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

    uint32_t ListExtendedStyle(int id) override { return lists[id].extendedStyle; }
    void SetListExtendedStyle(int id, uint32_t style) override { lists[id].extendedStyle = style; }
    void InsertListColumn(int id, int column, const char* header, int width) override {
        auto& columns = lists[id].columns;
        columns.insert(columns.begin() + column, {header, width});
    }
    void DeleteAllRows(int id) override { lists[id].rows.clear(); }
    void InsertRow(int id, int row, const char* text) override {
        auto& rows = lists[id].rows;
        Row r;
        r.cells.assign(5, "");
        r.cells[0] = text;
        rows.insert(rows.begin() + row, r);
    }
    void SetCell(int id, int row, int column, const char* text) override {
        lists[id].rows.at(static_cast<size_t>(row)).cells.at(static_cast<size_t>(column)) = text;
    }
    int RowStateImage(int id, int row) override {
        if (!lists.count(id)) return 0;  // reading adds no list
        const auto& rows = lists[id].rows;
        return row >= 0 && static_cast<size_t>(row) < rows.size() ? rows[static_cast<size_t>(row)].stateImage : 0;
    }
    void SetRowStateImage(int id, int row, int image) override {
        auto& rows = lists[id].rows;
        if (row >= 0 && static_cast<size_t>(row) < rows.size()) rows[static_cast<size_t>(row)].stateImage = image;
    }
    void SetListRedraw(int id, bool on) override { lists[id].redraw = on; }
    void ShowListTop(int) override {}  // no scrolling nor selection in memory

    // Questions are answered from answers, front first; No when none is left.
    bool AskYesNo(const char* text, const char* caption, Icon icon) override {
        questions.push_back({text, caption, icon});
        if (answers.empty()) return false;
        const bool yes = answers.front();
        answers.erase(answers.begin());
        return yes;
    }

    // The next chooser yields chosenPath; an empty one ends it without a file,
    // with chooserError as the last-error value.
    bool ChooseFile(Chooser kind, const char* filter, char* path, size_t size) override {
        std::string pairs;
        for (const char* p = filter; *p; p += strlen(p) + 1) pairs += std::string(p) + "|";
        choosers.push_back({kind, pairs});
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

    std::map<int, std::string> texts;
    std::map<int, List> lists;
    struct Question {
        std::string text, caption;
        Icon icon;
    };
    std::vector<Question> questions;
    std::vector<bool> answers;
    std::vector<std::pair<Chooser, std::string>> choosers;  // kind, filter pairs joined by '|'
    std::string chosenPath;
    uint32_t chooserError = 0;
    std::vector<std::string> opened;  // by the shell
    uint32_t shellError = 0;

private:
    std::set<int> removed_;
};
