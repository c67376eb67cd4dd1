// Common ground for the thread log tests: the logging library writing every
// kind of record into a fresh folder, and an empty post table.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "tests/scriv/ScrivFixture.h"
#include "posts/PostTable.h"
#include "threadlog/ThreadLogReader.h"

inline bool IsZero(const PostRecord& record) {
    static const PostRecord zero{};
    return memcmp(&record, &zero, sizeof record) == 0;
}

class ThreadLogTest : public ScrivTest {
protected:
    void SetUp() override {
        ScrivTest::SetUp();
        Init("LOGLEVEL=2\r\nMAXSIZE=10240\r\n");
        ClearPostTable();
    }
    void TearDown() override {
        ClearPostTable();
        ScrivTest::TearDown();
    }

    std::string DatPath() const { return dir_.File("1234567890.dat"); }
    int Load(const std::string& bytes) {
        WriteBytes(DatPath(), bytes);
        return ReadThreadLog(DatPath().c_str());
    }
};
