// Trace records per second into a local file, against the floor of the same
// bytes appended by a plain fopen / fputs / fclose loop, measured in one run.
//   build/native/bin/scriv_bench
// The ratio of the two times is the library's cost over the bare appends.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/BenchSupport.h"
#include "scriv/Scriv.h"

namespace {

void ScrivTraceRecords(benchmark::State& state) {
    InitBenchLog("MAXSIZE=10240\r\nGENERAL=2\r\n");
    for (auto _ : state) ScrivEx(1, 0, "datファイル", "C:\\Users\\someone\\logs\\1234567890.dat");
    state.SetItemsProcessed(state.iterations());
}

// The same bytes as a record above: header and body, each in its own opening.
void PlainAppends(benchmark::State& state) {
    const std::string path = BenchFile("plain.log");
    const std::string header = "[2026/12/07 08:09:10-123] === TRACE === \r\n";
    const std::string body = std::string(26, ' ') + "datファイル\r\n" + std::string(26, ' ') +
                             "C:\\Users\\someone\\logs\\1234567890.dat\r\n\r\n";
    long long written = 0;
    for (auto _ : state) {
        for (const std::string* piece : {&header, &body}) {
            FILE* f = fopen(path.c_str(), "ab");
            fputs(piece->c_str(), f);
            fclose(f);
        }
        written += static_cast<long long>(header.size() + body.size());
        if (written > 10 << 20) {  // keep the file as bounded as the log is
            remove(path.c_str());
            written = 0;
        }
    }
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(PlainAppends);
BENCHMARK(ScrivTraceRecords);
BENCHMARK_MAIN();
