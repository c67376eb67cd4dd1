// Trace records written through Scriv into a local file, against the floor
// of the same bytes written by the same file calls, measured in one run:
//   cmake --build --preset native && build/native/bin/scriv_bench
// A record takes two openings of the log: one appends its header line, the
// next its body. The floor (ScrivFloor) makes exactly those calls through
// the platform seam Scriv uses (plat::FileOpen to append, one plat::FileWrite,
// plat::FileClose, twice per record) with bytes made beforehand; like the
// log, its file starts afresh after about 10 MB. ScrivTraceRecords' time over
// the floor's is what stamping, formatting and counting a record cost on top
// of its file calls. The target is a ratio of the medians of at most 1.2.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/BenchSupport.h"
#include "bench/FloorMain.h"
#include "platform/Platform.h"
#include "scriv/Scriv.h"

namespace {

const char FIRST[] = "datファイル";
const char SECOND[] = "C:\\Users\\someone\\logs\\1234567890.dat";

void ScrivTraceRecords(benchmark::State& state) {
    InitBenchLog("MAXSIZE=10240\r\nGENERAL=2\r\n");
    for (auto _ : state) ScrivEx(1, 0, FIRST, SECOND);
    state.SetItemsProcessed(state.iterations());
}

// Appends bytes to the file at path in one opening.
bool Append(const std::string& path, const std::string& bytes) {
    plat::File* f = plat::FileOpen(path.c_str(), plat::FileMode::Append);
    if (!f) return false;
    const bool written = plat::FileWrite(f, bytes.data(), bytes.size());
    return plat::FileClose(f) && written;
}

// The bytes of a record above: header and body, each in its own opening.
void ScrivFloor(benchmark::State& state) {
    const std::string path = BenchFile("plain.log");
    const std::string header = "[2026/12/07 08:09:10-123] === TRACE === \r\n";
    const std::string body = std::string(26, ' ') + FIRST + "\r\n" + std::string(26, ' ') + SECOND + "\r\n\r\n";
    size_t written = 0;
    for (auto _ : state) {
        if (!Append(path, header) || !Append(path, body)) state.SkipWithError("append failed");
        written += header.size() + body.size();
        if (written > 10u << 20) {  // as bounded as the log
            plat::FileRemove(path.c_str());
            written = 0;
        }
    }
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(ScrivFloor);
BENCHMARK(ScrivTraceRecords);

int main(int argc, char** argv) { return RunAgainstFloors(argc, argv, {{"ScrivTraceRecords", "ScrivFloor", 1.2}}); }
