// The program as the portable tests see it: the logging library writing into a
// fresh folder, a session of its own (the program INI in that folder, an empty
// post table, no thread log loaded) and a main dialog in memory. With helpers
// to set a post, load a thread log as the user would and tick rows by hand.
#pragma once

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "posts/PostTable.h"
#include "posts/Session.h"
#include "resources/resource.h"
#include "settings/ProgramIni.h"
#include "tests/scriv/ScrivFixture.h"
#include "tests/support/MemoryDialog.h"
#include "threadlog/LoadCommand.h"
#include "ui/KeptMarks.h"
#include "ui/TargetLists.h"

class ProgramTest : public ScrivTest {
protected:
    // logKeys: the keys of the library INI's TRACE section (see ScrivTest::Init).
    explicit ProgramTest(std::string logKeys = "") : logKeys_(std::move(logKeys)) {}

    void SetUp() override {
        ScrivTest::SetUp();
        Init(logKeys_);
        ClearPostTable(postTable);
        snprintf(session_.iniPath, sizeof session_.iniPath, "%s", dir_.File("Harvo.ini").c_str());
        KeepMarks(session_);  // as at start
    }

    void WriteProgramIni(const std::string& bytes) { WriteBytes(session_.iniPath, bytes); }

    template <size_t N>
    static void Set(char (&field)[N], const std::string& text) {
        ASSERT_LT(text.size(), N);
        memcpy(field, text.c_str(), text.size() + 1);
    }

    // Writes the thread log into the folder and loads it as the user would.
    std::string Load(const std::string& bytes, const std::string& name = "1234.dat") {
        const std::string path = dir_.File(name);
        WriteBytes(path, bytes);
        dialog_.texts[IDC_LOG_PATH] = path;
        EXPECT_TRUE(LoadThreadLog(session_, dialog_));
        loadStatus_ = dialog_.texts[IDC_STATUS];
        dialog_.texts.erase(IDC_STATUS);
        return path;
    }

    // Both lists filled from the post table, as a load leaves them.
    void Fill() {
        FillMainList(dialog_, postTable);
        FillSubList(dialog_, postTable);
    }
    // Check boxes ticked or cleared by hand: the list shows it and tells the table.
    void Tick(int list, const std::vector<int>& postNumbers, bool ticked = true) {
        for (int n : postNumbers) {
            dialog_.ShowRowTicked(list, n - 1, ticked);
            TakeRowTick(postTable, list, n - 1, ticked);
        }
    }
    void TickAll(int list) {
        for (int n = 1; n <= MAX_POSTS; ++n) Tick(list, {n});
    }
    // The post numbers of the rows shown ticked, in order. Each must be marked
    // in the table, and no other: the list only shows the marks.
    std::vector<int> Ticked(int list) {
        std::vector<int> numbers;
        for (int i = 0; i < MAX_POSTS; ++i) {
            if (dialog_.ShowsTicked(list, i)) numbers.push_back(i + 1);
            if (!dialog_.lists[list].rows.empty()) {
                EXPECT_EQ(dialog_.ShowsTicked(list, i), MarkOf(postTable[i], list) != 0) << "row " << i;
            }
        }
        return numbers;
    }

    Session session_{StaticPostTable()};
    PostTable& postTable = session_.posts;
    MemoryDialog dialog_;
    std::string loadStatus_;  // what the last Load showed in the status line

private:
    std::string logKeys_;
};

using Posts = std::vector<int>;
