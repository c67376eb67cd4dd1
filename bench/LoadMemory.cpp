// Peak memory and wall time of loading a thread log as the load button does:
// ReadThreadLog, SplitNameAndDate, then both lists filled into a dialog kept
// in memory. Each load runs in a process of its own, forked from the same
// start as a baseline process that only touches the post table, so that the
// peak resident sizes (VmHWM) compare directly:
//   cmake --build --preset native && build/native/bin/load_memory [thread logs...]
// Without arguments it loads two files made for the purpose: a 100 MB thread
// log of one line without a line feed, and one of 1002 lines of close to 10 KB
// (about 10 MB), made in the benchmarks' folder and removed at the end. The
// aim is a peak of at most 25 MB.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "scriv/Scriv.h"
#include "tests/support/MemoryDialog.h"
#include "posts/PostTable.h"
#include "threadlog/ThreadLogReader.h"
#include "ui/TargetLists.h"

namespace {

PostTable& postTable = StaticPostTable();

namespace fs = std::filesystem;

// The peak resident size of this process so far, in kB.
long PeakKb() {
    FILE* f = fopen("/proc/self/status", "r");
    char line[256];
    long kb = -1;
    while (f && fgets(line, sizeof line, f))
        if (strncmp(line, "VmHWM:", 6) == 0) kb = atol(line + 6);
    if (f) fclose(f);
    return kb;
}

struct Measured {
    bool loaded;
    double ms;   // wall time of the load
    long peakKb; // the process's peak resident size at its end
};

// Runs body in a process of its own and returns what it measured.
Measured InChild(Measured (*body)(const char*), const char* argument) {
    int pipeEnds[2];
    Measured measured = {false, 0, -1};
    if (pipe(pipeEnds) != 0) return measured;
    fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        measured = body(argument);
        _exit(write(pipeEnds[1], &measured, sizeof measured) == sizeof measured ? 0 : 1);
    }
    close(pipeEnds[1]);
    if (child < 0 || read(pipeEnds[0], &measured, sizeof measured) != sizeof measured) measured.loaded = false;
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    return measured;
}

Measured Baseline(const char*) {
    ClearPostTable(postTable);  // every page of the table written once, as a load does
    return {true, 0, PeakKb()};
}

Measured Load(const char* path) {
    const auto start = std::chrono::steady_clock::now();
    MemoryDialog dialog;
    if (ReadThreadLog(postTable, path) != 1) return {false, 0, PeakKb()};
    SplitNamesAndDateIds(postTable);
    FillMainList(dialog, postTable);
    FillSubList(dialog, postTable);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return {true, ms, PeakKb()};
}

// Writes a file of count lines made by line(i), or of count bytes of 'x'
// without a line feed when line is null, through a small buffer.
void Make(const std::string& path, size_t count, std::string (*line)(int)) {
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return;
    if (line) {
        for (size_t i = 0; i < count; ++i) fputs(line(static_cast<int>(i)).c_str(), f);
    } else {
        const std::string block(64 * 1024, 'x');
        for (size_t left = count; left > 0; left -= std::min(left, block.size()))
            fwrite(block.data(), 1, std::min(left, block.size()), f);
    }
    fclose(f);
}

// A post of close to 10 KB, below the 10239 bytes at which a line is dropped.
std::string PostLine(int i) {
    std::string line = i % 3 ? "名無しさん" : "コテハン </b>◆AbCdEfGhIj <b>";
    line += "<>sage<>2013/09/19(木) 05:05:23.77 ID:TZ0akNcn0 BE:95537333-2BP(111)<> ";
    while (line.size() < 9500 + static_cast<size_t>(i * 37 % 600))
        line += "&gt;&gt;" + std::to_string(i % 1000 + 1) + " <br> それは違うと思うけどな。 <br> ";
    return line + " <>" + (i == 0 ? "スレッドのタイトル" : "") + "\n";
}

}  // namespace

int main(int argc, char** argv) {
    InitBenchLog();  // the default level: no debug records
    std::vector<std::string> paths(argv + 1, argv + argc), made;
    if (paths.empty()) {
        made = paths = {BenchFile("one-line-100MB.dat"), BenchFile("1002-lines-10MB.dat")};
        Make(paths[0], 100u << 20, nullptr);
        Make(paths[1], MAX_READ_LINES, PostLine);
    }
    const Measured base = InChild(Baseline, nullptr);
    printf("%-28s %10s %14s %9s\n", "", "wall time", "peak (VmHWM)", "/ base");
    printf("%-28s %10s %11.1f MB %9s\n", "the post table alone", "", base.peakKb / 1024.0, "1.00");
    for (const std::string& path : paths) {
        const Measured m = InChild(Load, path.c_str());
        const std::string name = fs::path(path).filename().string();
        if (!m.loaded) {
            printf("%-28s cannot be read\n", name.c_str());
            continue;
        }
        printf("%-28s %7.0f ms %11.1f MB %9.2f\n", name.c_str(), m.ms, m.peakKb / 1024.0,
               static_cast<double>(m.peakKb) / base.peakKb);
    }
    for (const std::string& path : made) remove(path.c_str());
    return 0;
}
