// What the benchmarks share: a folder of their own and a log in it.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

#include "scriv/Scriv.h"

// The benchmarks' folder under the system's temporary folder, made on first use.
inline const std::filesystem::path& BenchFolder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::path p = std::filesystem::temp_directory_path() / "harvo-bench";
        std::filesystem::create_directories(p);
        return p;
    }();
    return folder;
}

inline std::string BenchFile(const char* name) { return (BenchFolder() / name).string(); }

// Points the logging library at trace.log in that folder; keys are further
// lines of its section, each ending in CR LF.
inline void InitBenchLog(const char* keys = "") {
    const std::string ini = BenchFile("Scriv.ini");
    FILE* f = fopen(ini.c_str(), "wb");
    fprintf(f, "[TRACE]\r\n%sPATH=%s\r\n", keys, BenchFile("trace.log").c_str());
    fclose(f);
    InitLog(ini.c_str());
}
