// Files and folders for tests: a fresh folder per test, whole-file reads and writes.
#pragma once

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // A name inside the folder, with the platform's separator.
    std::string File(const std::string& name) const;

private:
    std::string path_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
bool PathExists(const std::string& path);
void MakeDir(const std::string& path);
// The folder of the running test program, with its trailing separator.
std::string ProgramDir();
// The folder of the real thread logs beside the checkout, with its trailing
// separator; empty when it is not there.
std::string RealThreadLogFolder();
// Whether the tests run under CI (CI=true), where the real thread logs must be there.
bool RunningUnderCi();
// At the start of a test that reads the real thread logs: without them the
// test is skipped on a developer's machine and fails under CI.
#define REQUIRE_REAL_THREAD_LOGS()                                                                        \
    do {                                                                                                   \
        if (!RealThreadLogFolder().empty()) break;                                                         \
        if (RunningUnderCi()) FAIL() << "the real thread logs are missing: ../shared/data/real";           \
        GTEST_SKIP() << "no real thread logs beside the checkout";                                         \
    } while (0)
