// Common ground for the logging library's tests: a fresh library state, a
// fixed clock, and a library INI in a fresh folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "scriv/Config.h"
#include "scriv/Rotation.h"
#include "scriv/Scriv.h"
#include "scriv/ScrivState.h"
#include "tests/support/TestFiles.h"

// The time stamp every record of these tests carries.
inline plat::LocalTime FixedTime() { return {2026, 12, 7, 8, 9, 10, 123}; }
const char STAMP[] = "[2026/12/07 08:09:10-123]";
const std::string INDENT(26, ' ');

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

    // The log's records as "KIND|item|item", items without their indent: an
    // error record's position without its line number ("Harvo.cpp 12行目 " as
    // "Harvo.cpp"), and the system's text for an error code left out, as it
    // differs by platform.
    std::vector<std::string> Records() const {
        std::vector<std::string> records;
        const std::string log = Log(), lineMark = "行目 ";
        for (size_t pos = 0; pos < log.size();) {
            size_t end = log.find("\r\n", pos);
            if (end == std::string::npos) end = log.size();
            std::string line = log.substr(pos, end - pos);
            pos = end + 2;
            if (line.rfind(STAMP, 0) == 0) {
                records.push_back(line.find("ERROR") != std::string::npos   ? "ERROR"
                                  : line.find("TRACE") != std::string::npos ? "TRACE"
                                                                            : "DEBUG");
            } else if (line.size() > INDENT.size() && !records.empty()) {
                line.erase(0, INDENT.size());
                if (line.rfind("※ GetLastError", 0) != 0 && line.rfind("※ ", 0) == 0) continue;
                if (line.size() > lineMark.size() &&
                    line.compare(line.size() - lineMark.size(), lineMark.size(), lineMark) == 0)
                    line.erase(line.find(' '));
                records.back() += "|" + line;
            }
        }
        return records;
    }
    bool Logged(const std::string& record) const {
        for (const std::string& r : Records())
            if (r == record) return true;
        return false;
    }
    // The code line of a record.
    static std::string Code(uint32_t code) {
        char text[32];
        snprintf(text, sizeof text, "※ GetLastError=0x%08x", code);
        return text;
    }

    std::string IniPath() const { return dir_.File("Scriv.ini"); }
    std::string LogPath() const { return dir_.File("trace.log"); }
    std::string Log() const { return ReadBytes(LogPath()); }

    TempDir dir_;
};

// The log file's bytes of a header line.
inline std::string HeaderLine(const std::string& marker) { return STAMP + marker + "\r\n"; }
