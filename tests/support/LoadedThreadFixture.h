// Common ground for the tests of the commands that work on a loaded thread:
// a thread log loaded by the load command into the post table and a main
// dialog in memory, the program INI and the log in a fresh folder.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "tests/select/SelectFixture.h"
#include "threadlog/LoadCommand.h"

class LoadedThreadTest : public SelectTest {
protected:
    void SetUp() override {
        SelectTest::SetUp();
        loadedLogPath[0] = '\0';
    }
    void TearDown() override {
        loadedLogPath[0] = '\0';
        SelectTest::TearDown();
    }

    // Writes the thread log into the folder and loads it as the user would.
    std::string Load(const std::string& bytes, const std::string& name = "1234.dat") {
        const std::string path = dir_.File(name);
        WriteBytes(path, bytes);
        dialog_.texts[IDC_LOG_PATH] = path;
        EXPECT_EQ(LoadThreadLog(dialog_), 1);
        dialog_.texts.erase(IDC_STATUS);
        return path;
    }
};
