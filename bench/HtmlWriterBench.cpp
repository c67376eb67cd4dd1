// Writing the page of 1000 marked posts with bodies of about 4 KB (a page of
// about 4.3 MB) in each of the three output modes, each against the floor of
// its own page, measured in the same run:
//   cmake --build --preset native && build/native/bin/html_writer_bench
// A floor (BodyColourFloor, NameColourFloor, StyleSheetFloor) writes the
// bytes of its mode's page, made beforehand, through the steps every writer
// takes to save a page (plat::ReplacingFile: the temporary file beside the
// page, written in 64 KiB pieces, flushed, closed and moved over the page).
// Both files stay in the page cache. A writer's time over its floor's is
// what putting the page together piece by piece costs on top of saving it.
// The target is a ratio of the medians of at most 1.3 for each mode.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench/BenchSupport.h"
#include "bench/FloorMain.h"
#include "html/HtmlWriters.h"
#include "platform/Platform.h"
#include "platform/ReplacingFile.h"
#include "posts/PostTable.h"
#include "scriv/Scriv.h"

namespace {

PostTable& postTable = StaticPostTable();

const size_t PIECE_SIZE = 64 * 1024;  // what a page writes at a time

void FillPostTable() {
    ClearPostTable(postTable);
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
    NumberIdGroups(postTable, true);
}

int WriteBodyColour(const char* path) { return WriteBodyColourHtml(postTable, path, "#FF0000", 1); }
int WriteNameColour(const char* path) { return WriteNameColourHtml(postTable, path, "#FF0000", 1); }
int WriteStyleSheet(const char* path) { return WriteStyleSheetHtml(postTable, path, {"", 0, true}, 1); }

void Writer(benchmark::State& state, int (*write)(const char*), const char* page) {
    InitBenchLog();
    FillPostTable();
    const std::string path = BenchFile(page);
    for (auto _ : state)
        if (!write(path.c_str())) state.SkipWithError("the writer failed");
    std::string bytes;
    plat::ReadWholeFile(path.c_str(), bytes);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

// The same page's bytes saved as a writer saves them.
void Floor(benchmark::State& state, int (*write)(const char*), const char* page) {
    InitBenchLog();
    FillPostTable();
    const std::string path = BenchFile(page);
    std::string bytes;
    if (!write(path.c_str()) || !plat::ReadWholeFile(path.c_str(), bytes)) state.SkipWithError("no page");
    for (auto _ : state) {
        plat::ReplacingFile file(path.c_str());
        bool ok = file.IsOpen();
        for (size_t at = 0; ok && at < bytes.size(); at += PIECE_SIZE)
            ok = file.Write(bytes.data() + at, std::min(PIECE_SIZE, bytes.size() - at));
        if (!ok || !file.Commit()) state.SkipWithError("the page was not saved");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

}  // namespace

BENCHMARK_CAPTURE(Floor, BodyColourFloor, WriteBodyColour, "body.html")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Writer, BodyColour, WriteBodyColour, "body.html")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Floor, NameColourFloor, WriteNameColour, "name.html")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Writer, NameColour, WriteNameColour, "name.html")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Floor, StyleSheetFloor, WriteStyleSheet, "style.html")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Writer, StyleSheet, WriteStyleSheet, "style.html")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return RunAgainstFloors(argc, argv,
                            {{"Writer/BodyColour", "Floor/BodyColourFloor", 1.3},
                             {"Writer/NameColour", "Floor/NameColourFloor", 1.3},
                             {"Writer/StyleSheet", "Floor/StyleSheetFloor", 1.3}});
}
