// Reading a thread log of 1002 lines and about 10 MB into the post table,
// against a plain read of the same file (fopen, one fread of the whole file
// into a buffer made beforehand, fclose), measured in one run:
//   cmake --build --preset native && build/native/bin/threadlog_bench
// The file stays in the page cache, so the plain read is the floor of getting
// the bytes into memory; ReadThreadLog's time divided by PlainRead's is what
// collecting lines, zeroing records and splitting fields cost on top of it.
// The aim is a ratio of at most 2. The library logs at its default level, as
// it does for users: one trace record per read, no debug records.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "scriv/Scriv.h"
#include "threadlog/ThreadLogReader.h"

namespace {

// Lines of close to 10 KB, each below the 10239 bytes at which a line is dropped.
std::string PostLine(int i) {
    std::string line = i % 3 ? "名無しさん＠お腹いっぱい。" : "コテハン </b>◆AbCdEfGhIj <b>";
    line += "<>sage<>2013/09/19(木) 05:05:23.77 ID:TZ0akNcn0 BE:95537333-2BP(111)<> ";
    const size_t bodyLength = 9500 + (i * 37) % 600;
    for (int n = 0; line.size() < bodyLength; ++n)
        line += "&gt;&gt;" + std::to_string((i + n) % 1000 + 1) + " <br> それは違うと思うけどな。 <br> ";
    line += " <>";
    if (i == 0) line += "ベンチマーク用のスレッド Part 1";
    return line + "\n";
}

const std::string& LogFile() {
    static const std::string path = [] {
        const std::string p = BenchFile("1379534723.dat");
        FILE* f = fopen(p.c_str(), "wb");
        for (int i = 0; i < MAX_READ_LINES; ++i) fputs(PostLine(i).c_str(), f);
        fclose(f);
        return p;
    }();
    return path;
}

void ReadThreadLogFile(benchmark::State& state) {
    InitBenchLog();
    const std::string& path = LogFile();
    for (auto _ : state) {
        if (ReadThreadLog(path.c_str()) != 1) state.SkipWithError("ReadThreadLog failed");
        benchmark::DoNotOptimize(postTable);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(path)));
}

void PlainRead(benchmark::State& state) {
    const std::string& path = LogFile();
    std::vector<char> buffer(std::filesystem::file_size(path));
    for (auto _ : state) {
        FILE* f = fopen(path.c_str(), "rb");
        const size_t got = fread(buffer.data(), 1, buffer.size(), f);
        fclose(f);
        if (got != buffer.size()) state.SkipWithError("short read");
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(buffer.size()));
}

}  // namespace

BENCHMARK(PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadThreadLogFile)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
