// Reading a thread log of 1002 lines and about 10 MB into the post table,
// against the floor of that work, measured in the same run:
//   cmake --build --preset native && build/native/bin/threadlog_bench
// The floor (ReadFloor) is the two things a load cannot do without: reading
// the file in 64 KiB chunks through the same plat:: calls the reader uses
// (FileOpen, FileRead, FileClose), and writing the texts a load leaves in the
// table (each record's line, name, mail, dateId, body and title, cut to their
// widths) into their places with memcpy, straight from the chunk that holds
// them, over the same texts the previous iteration left there. The file stays
// in the page cache. ReadThreadLog's time over the floor's is what finding
// the lines and fields, and zeroing what old texts leave, cost on top.
// The target is a ratio of the medians of at most 1.3. The library logs at
// its default level, as it does for users: one trace record per read, no
// debug records.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "bench/FloorMain.h"
#include "platform/Platform.h"
#include "posts/PostTable.h"
#include "scriv/Scriv.h"
#include "threadlog/ThreadLogReader.h"

namespace {

PostTable& postTable = StaticPostTable();

const size_t CHUNK_SIZE = 64 * 1024;  // the reader's

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

size_t FileSize() { return static_cast<size_t>(std::filesystem::file_size(LogFile())); }

void ReadThreadLogFile(benchmark::State& state) {
    InitBenchLog();
    const std::string& path = LogFile();
    for (auto _ : state) {
        if (ReadThreadLog(postTable, path.c_str()) != 1) state.SkipWithError("ReadThreadLog failed");
        benchmark::DoNotOptimize(postTable);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(FileSize()));
}

// A text of the table and where its bytes lie in the file.
struct Piece {
    size_t offset;  // in the file
    size_t length;
    char* field;
};

// The texts a load of the file leaves in the table, in the order of their
// offsets. Each is found in the file behind the one before it on its line.
std::vector<Piece> PiecesOfALoad() {
    const std::string& path = LogFile();
    ClearPostTable(postTable);
    ReadThreadLog(postTable, path.c_str());
    std::string bytes;
    plat::ReadWholeFile(path.c_str(), bytes);
    std::vector<Piece> pieces;
    size_t lineStart = 0;
    for (int i = 0; i < MAX_READ_LINES && lineStart < bytes.size(); ++i) {
        PostRecord& r = postTable[i];
        size_t from = lineStart;
        for (char* field : {r.line, r.name, r.mail, r.dateId, r.body, r.title}) {
            const size_t length = strlen(field);
            if (length == 0) continue;
            const size_t at = bytes.find(field, from, length);
            pieces.push_back({at, length, field});
            if (field != r.line) from = at + length;
        }
        lineStart = bytes.find('\n', lineStart) + 1;
    }
    std::stable_sort(pieces.begin(), pieces.end(),
                     [](const Piece& a, const Piece& b) { return a.offset < b.offset; });
    return pieces;
}

// Copies the part of each piece that lies in the chunk at offset base; first
// is the first piece not wholly copied yet.
void CopyPieces(const std::vector<Piece>& pieces, size_t& first, const char* chunk, size_t base, size_t got) {
    const size_t end = base + got;
    for (size_t k = first; k < pieces.size() && pieces[k].offset < end; ++k) {
        const Piece& p = pieces[k];
        const size_t from = std::max(p.offset, base), to = std::min(p.offset + p.length, end);
        if (from < to) memcpy(p.field + (from - p.offset), chunk + (from - base), to - from);
    }
    while (first < pieces.size() && pieces[first].offset + pieces[first].length <= end) ++first;
}

void ReadFloor(benchmark::State& state) {
    const std::string& path = LogFile();
    const std::vector<Piece> pieces = PiecesOfALoad();
    std::vector<PostRecord> loaded(postTable.records, postTable.records + MAX_READ_LINES);
    std::vector<char> chunk(CHUNK_SIZE);
    for (auto _ : state) {
        plat::File* file = plat::FileOpen(path.c_str(), plat::FileMode::Read);
        size_t got, base = 0, first = 0;
        while ((got = plat::FileRead(file, chunk.data(), chunk.size())) != 0 && got != plat::READ_FAILED) {
            CopyPieces(pieces, first, chunk.data(), base, got);
            base += got;
        }
        plat::FileClose(file);
        if (base != FileSize()) state.SkipWithError("short read");
        benchmark::DoNotOptimize(postTable);
    }
    // The floor leaves the table as a load does.
    if (memcmp(loaded.data(), postTable.records, loaded.size() * sizeof loaded[0]) != 0)
        state.SkipWithError("the floor's table differs from a load's");
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(FileSize()));
}

}  // namespace

BENCHMARK(ReadFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadThreadLogFile)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunAgainstFloors(argc, argv, {{"ReadThreadLogFile", "ReadFloor", 1.3}}); }
