// Common ground for the logging library's tests: a fresh library state, a
// fixed clock, and a library INI in a fresh folder.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/Platform.h"
#include "scriv/Scriv.h"
#include "scriv/ScrivState.h"
#include "tests/support/TestFiles.h"

// The time stamp every record of these tests carries.
inline plat::LocalTime FixedTime() { return {2026, 12, 7, 8, 9, 10, 123}; }
const char kStamp[] = "[2026/12/07 08:09:10-123]";
const std::string kIndent(26, ' ');

class ScrivTest : public ::testing::Test {
protected:
    void SetUp() override {
        ScrivResetState();
        plat::localTime = FixedTime;
    }
    void TearDown() override {
        ScrivResetState();
        plat::localTime = plat::SystemLocalTime;
    }

    // Writes a library INI with the given keys of section TRACE (and PATH
    // pointing into the folder unless the keys name one), then initialises.
    void Init(const std::string& keys = "") {
        std::string body = "[TRACE]\r\n" + keys;
        if (keys.find("PATH=") == std::string::npos) body += "PATH=" + LogPath() + "\r\n";
        WriteBytes(IniPath(), body);
        InitLog(IniPath().c_str());
    }

    std::string IniPath() const { return dir_.File("Scriv.ini"); }
    std::string LogPath() const { return dir_.File("trace.log"); }
    std::string Log() const { return ReadBytes(LogPath()); }

    TempDir dir_;
};

// The log file's bytes of a header line.
inline std::string HeaderLine(const std::string& marker) { return kStamp + marker + "\r\n"; }
