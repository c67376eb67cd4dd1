// Common ground for the selection commands' tests: the logging library in a
// fresh folder, the program INI there too, an empty post table and a main
// dialog in memory.
#pragma once

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "settings/ProgramIni.h"
#include "tests/scriv/ScrivFixture.h"
#include "tests/support/MemoryDialog.h"
#include "posts/PostTable.h"
#include "ui/TargetLists.h"

class SelectTest : public ScrivTest {
protected:
    void SetUp() override {
        ScrivTest::SetUp();
        Init();
        ClearPostTable();
        snprintf(iniPath, sizeof iniPath, "%s", dir_.File("Harvo.ini").c_str());
    }
    void TearDown() override {
        ClearPostTable();
        iniPath[0] = '\0';
        ScrivTest::TearDown();
    }

    template <size_t N>
    static void Set(char (&field)[N], const std::string& text) {
        ASSERT_LT(text.size(), N);
        memcpy(field, text.c_str(), text.size() + 1);
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
    void WriteProgramIni(const std::string& bytes) { WriteBytes(iniPath, bytes); }

    MemoryDialog dialog_;
};

using Posts = std::vector<int>;
