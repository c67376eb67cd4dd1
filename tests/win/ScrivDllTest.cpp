// Scriv.dll as the program binds it: every export reached by its ordinal.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/TestFiles.h"

namespace {

using InitLogFn = int (*)(const char*);
using TermLogFn = void (*)();
using ScrivFn = int (*)(int, unsigned, const char*, const char*, unsigned);
using ScrivExFn = int (*)(int, unsigned, const char*, const char*);
using ScrivIntFn = int (*)(int, unsigned, const char*, int);
using ScrivDumpFn = int (*)(int, const void*, unsigned);
using ScrivFreeFn = int (*)(int, const char*, ...);

class ScrivDll : public ::testing::Test {
protected:
    void SetUp() override {
        dll_ = LoadLibraryW(L"Scriv.dll");
        ASSERT_NE(dll_, nullptr) << "error " << GetLastError();
    }
    void TearDown() override {
        if (dll_) FreeLibrary(dll_);
    }
    template <typename Fn>
    Fn At(int ordinal) {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(dll_, MAKEINTRESOURCEA(ordinal))));
    }
    HMODULE dll_ = nullptr;
};

TEST_F(ScrivDll, ExportsStandAtTheirOrdinals) {
    const char* names[] = {"InitLog", "TermLog", "Scriv", "ScrivEx", "ScrivInt", "ScrivDump", "ScrivFree"};
    for (int ordinal = 1; ordinal <= 7; ++ordinal) {
        FARPROC byOrdinal = GetProcAddress(dll_, MAKEINTRESOURCEA(ordinal));
        ASSERT_NE(byOrdinal, nullptr) << ordinal;
        EXPECT_EQ(byOrdinal, GetProcAddress(dll_, names[ordinal - 1])) << names[ordinal - 1];
    }
    EXPECT_EQ(GetProcAddress(dll_, MAKEINTRESOURCEA(8)), nullptr);
}

TEST_F(ScrivDll, RecordsThroughOrdinalsReachTheLogFile) {
    TempDir dir;
    const std::string ini = dir.File("Scriv.ini");
    const std::string log = dir.File("trace.log");
    WriteBytes(ini, "[TRACE]\r\nLOGLEVEL=2\r\nPATH=" + log + "\r\n");

    ASSERT_EQ(At<InitLogFn>(1)(ini.c_str()), 1);
    SetLastError(4321);
    EXPECT_EQ(At<ScrivExFn>(4)(1, 0, "datファイル", "C:\\x.dat"), 1);
    EXPECT_EQ(GetLastError(), 4321u);
    EXPECT_EQ(At<ScrivFn>(3)(0, 2, "Error：GetDlgItem()", "Harvo", 117), 1);
    EXPECT_EQ(GetLastError(), 4321u);
    EXPECT_EQ(At<ScrivIntFn>(5)(1, 0, "ERROR:fread()", -1), 1);
    EXPECT_EQ(At<ScrivDumpFn>(6)(2, "AB", 2), 1);
    EXPECT_EQ(At<ScrivFreeFn>(7)(1, "%s=%d", "count", 3), 1);
    At<TermLogFn>(2)();
    EXPECT_EQ(At<ScrivExFn>(4)(3, 0, "filtered", nullptr), 0);

    const std::string bytes = ReadBytes(log);
    const std::string indent(26, ' ');
    for (const std::string& expected :
         {" === TRACE === \r\n" + indent + "datファイル\r\n" + indent + "C:\\x.dat\r\n\r\n",
          " 【  ERROR  】 \r\n" + indent + "Harvo 117行目 \r\n" + indent + "Error：GetDlgItem()\r\n" + indent +
              "※ GetLastError=0x00000002\r\n" + indent + "※ ",
          indent + "'ERROR:fread()' ---> -1\r\n\r\n",
          std::string(" ★★★ DEBUG ★★★ \r\n\r\n***  Dump  ***  Address:0x"),
          std::string("0000:41 42 "),
          std::string(" === TRACE === \r\n\r\ncount=3\r\n\r\n")})
        EXPECT_NE(bytes.find(expected), std::string::npos) << expected;
    EXPECT_EQ(bytes.find("filtered"), std::string::npos);
    // Every line end reaches the disk as CR LF.
    for (size_t i = bytes.find('\n'); i != std::string::npos; i = bytes.find('\n', i + 1))
        ASSERT_EQ(bytes[i - 1], '\r') << "at byte " << i;
}

// A generation held open without delete sharing cannot move; the rotation
// goes on with the others and the record reports the failure.
TEST_F(ScrivDll, RotationGoesOnPastAFileHeldOpen) {
    TempDir dir;
    const std::string ini = dir.File("Scriv.ini");
    const std::string log = dir.File("trace.log");
    WriteBytes(ini, "[TRACE]\r\nMAXSIZE=1\r\nPATH=" + log + "\r\n");
    ASSERT_EQ(At<InitLogFn>(1)(ini.c_str()), 1);
    WriteBytes(dir.File("trace01.log"), "held\r\n");
    FILE* held = fopen(dir.File("trace01.log").c_str(), "a");
    ASSERT_NE(held, nullptr);
    const std::string big(1100, 'x');
    EXPECT_EQ(At<ScrivExFn>(4)(1, 0, big.c_str(), nullptr), 1) << "a move failed";
    fclose(held);
    EXPECT_EQ(ReadBytes(dir.File("trace01.log")), "held\r\n");
    EXPECT_FALSE(PathExists(dir.File("trace02.log")));
    EXPECT_EQ(At<ScrivExFn>(4)(1, 0, "after", nullptr), 1);
    const std::string live = ReadBytes(log);
    EXPECT_NE(live.find(big), std::string::npos) << "the live file stayed where it was";
    EXPECT_NE(live.find("after"), std::string::npos);
}

}  // namespace
