// Writing the page of 1000 marked posts with bodies of about 4 KB (a page of
// about 4.3 MB) against a plain write of the same number of bytes (fopen, one
// fwrite of a buffer made beforehand, fclose), measured in one run:
//   cmake --build --preset native && build/native/bin/html_writer_bench
// Both files stay in the page cache, so the plain write is the floor of getting
// the bytes to the file; the writer's time divided by PlainWrite's is what
// putting the page together piece by piece, the temporary file and the move
// over the target cost on top of it. The aim is a ratio of at most 2.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "html/HtmlWriters.h"
#include "bench/BenchSupport.h"
#include "scriv/Scriv.h"
#include "posts/PostTable.h"

namespace {

void FillPostTable() {
    ClearPostTable();
    snprintf(postTable[0].title, sizeof postTable[0].title, "ベンチマーク用のスレッド Part 1");
    for (int i = 0; i < MAX_POSTS; ++i) {
        PostRecord& r = postTable[i];
        const char* name = i % 3 ? "名無しさん＠お腹いっぱい。" : "コテハン </b>◆AbCdEfGhIj <b>";
        snprintf(r.name, sizeof r.name, "%s", name);
        snprintf(r.mail, sizeof r.mail, "%s", i % 2 ? "sage" : "");
        snprintf(r.dateId, sizeof r.dateId, "2013/09/19(木) 05:05:%02d.77 ID:TZ0akNcn%d", i % 60, i % 7);
        std::string body;
        for (int n = 0; body.size() < 3900; ++n)
            body += "&gt;&gt;" + std::to_string((i + n) % 1000 + 1) + " <br> それは違うと思うけど。 <br> ";
        snprintf(r.body, sizeof r.body, "%s", body.c_str());
        r.mainCheck = 1;
    }
}

const std::string PAGE = BenchFile("page.html");

void WriteBodyColourPage(benchmark::State& state) {
    InitBenchLog();
    FillPostTable();
    for (auto _ : state)
        if (!WriteBodyColourHtml(PAGE.c_str(), "#FF0000", 1)) state.SkipWithError("the writer failed");
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(PAGE)));
}

void PlainWrite(benchmark::State& state) {
    FillPostTable();
    WriteBodyColourHtml(PAGE.c_str(), "#FF0000", 1);
    const std::vector<char> bytes(std::filesystem::file_size(PAGE), 'x');
    const std::string path = BenchFile("plain.html");
    for (auto _ : state) {
        FILE* f = fopen(path.c_str(), "wb");
        const size_t put = fwrite(bytes.data(), 1, bytes.size(), f);
        if (fclose(f) != 0 || put != bytes.size()) state.SkipWithError("short write");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

}  // namespace

BENCHMARK(PlainWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteBodyColourPage)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
