// Common ground for the thread log tests: the program fixture, with the
// logging library writing every kind of record.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/ProgramFixture.h"
#include "posts/PostTable.h"
#include "threadlog/ThreadLogReader.h"

inline bool IsZero(const PostRecord& record) {
    static const PostRecord zero{};
    return memcmp(&record, &zero, sizeof record) == 0;
}

// Every kind of record is logged, and the log does not rotate during a test.
class ThreadLogTest : public ProgramTest {
protected:
    ThreadLogTest() : ProgramTest("LOGLEVEL=2\r\nMAXSIZE=10240\r\n") {}

    std::string DatPath() const { return dir_.File("1234567890.dat"); }
    int Load(const std::string& bytes) {
        WriteBytes(DatPath(), bytes);
        return ReadThreadLog(postTable, DatPath().c_str());
    }
};
