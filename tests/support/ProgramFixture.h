// The program as the portable tests see it: the logging library writing into a
// fresh folder, the program INI there too, an empty post table, no thread log
// loaded and a main dialog in memory; all put back afterwards. With helpers to
// set a post, load a thread log as the user would and tick rows.
#pragma once

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "posts/PostTable.h"
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
        ClearPostTable();
        memset(loadedLogPath, 0, sizeof loadedLogPath);
        strcpy(savedIniPath_, iniPath);
        snprintf(iniPath, sizeof iniPath, "%s", dir_.File("Harvo.ini").c_str());
        KeepListMarks(dialog_);  // a fresh dialog, as at start
    }
    void TearDown() override {
        strcpy(iniPath, savedIniPath_);
        memset(loadedLogPath, 0, sizeof loadedLogPath);
        ClearPostTable();
        ScrivTest::TearDown();
    }

    void WriteProgramIni(const std::string& bytes) { WriteBytes(iniPath, bytes); }

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
        EXPECT_EQ(LoadThreadLog(dialog_), 1);
        loadStatus_ = dialog_.texts[IDC_STATUS];
        dialog_.texts.erase(IDC_STATUS);
        return path;
    }

    // Both lists filled from the post table, as a load leaves them.
    void Fill() {
        FillMainList(dialog_);
        FillSubList(dialog_);
    }
    void Tick(int list, std::initializer_list<int> postNumbers) {
        for (int n : postNumbers) dialog_.SetRowStateImage(list, n - 1, STATE_IMAGE_CHECKED);
    }
    void TickAll(int list) {
        for (int n = 1; n <= MAX_POSTS; ++n) dialog_.SetRowStateImage(list, n - 1, STATE_IMAGE_CHECKED);
    }
    // The post numbers of the ticked rows, in order.
    std::vector<int> Ticked(int list) {
        std::vector<int> numbers;
        for (int i = 0; i < MAX_POSTS; ++i)
            if (dialog_.RowStateImage(list, i) == STATE_IMAGE_CHECKED) numbers.push_back(i + 1);
        return numbers;
    }

    MemoryDialog dialog_;
    std::string loadStatus_;  // what the last Load showed in the status line

private:
    std::string logKeys_;
    char savedIniPath_[PATH_BUFFER_SIZE];
};

using Posts = std::vector<int>;
