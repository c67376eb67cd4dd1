// Common ground for the tests of the commands that work on a loaded thread:
// a thread log loaded by the load command into the post table and a main
// dialog in memory, the program INI and the log in a fresh folder, and the
// log's records in a form that tests can compare.
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
        EXPECT_EQ(LoadCommand(dialog_), 1);
        dialog_.texts.erase(IDC_STATUS);
        return path;
    }

    // The log's records, each "KIND|item|item": an error record's position
    // without its line number ("Harvo.cpp 12行目 " as "Harvo.cpp") and the
    // system's text for an error code left out, as it differs by platform.
    std::vector<std::string> Records() const {
        std::vector<std::string> records;
        const std::string log = Log();
        for (size_t pos = 0; pos < log.size();) {
            size_t end = log.find("\r\n", pos);
            if (end == std::string::npos) end = log.size();
            std::string line = log.substr(pos, end - pos);
            pos = end + 2;
            if (line.rfind(kStamp, 0) == 0) {
                records.push_back(line.find("ERROR") != std::string::npos ? "ERROR" : "TRACE");
            } else if (line.size() > kIndent.size() && !records.empty()) {
                line.erase(0, kIndent.size());
                if (line.rfind("※ GetLastError", 0) != 0 && line.rfind("※ ", 0) == 0) continue;
                const std::string lineMark = "行目 ";
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
};
