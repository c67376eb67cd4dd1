// What the fuzz targets share: files in memory behind the platform seam, a
// quiet or memory-bound log, a check that stops the run with a message, and
// the program's state the targets reach: the post table and the program INI.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <sys/mman.h>

#include "platform/Platform.h"
#include "posts/PostTable.h"
#include "posts/Session.h"
#include "scriv/ScrivState.h"
#include "settings/ProgramIni.h"

// A broken property ends the run like a crash does, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            abort();                                                                           \
        }                                                                                      \
    } while (0)

// The test doubles' own work on every row: without the check of the dynamic
// type at each use of a member, which would cost more than the rows
// themselves. (Coverage leaves tests/* out anyway.) The tool's calls into the
// doubles keep their checks.
#define FUZZ_HARNESS __attribute__((no_sanitize("vptr")))

// Whole files by path. A file opened for writing is created empty at once, as
// on disk; reads see the bytes as they were when the file was opened.
//
// The bytes of files go back to a few spare strings when a file is dropped, and
// the next file takes one: a run writes whole files (a rewritten thread log
// holds 1000 lines), and under the address sanitizer a new string of some KB
// mostly lands on fresh pages, each a page fault. The spare strings are the
// memory files' own, never the tool's.
namespace memfs {

inline std::map<std::string, std::string> files;

inline std::vector<std::string> spare;
const size_t SPARE_COUNT = 16;

inline void Give(std::string&& s) {
    if (s.capacity() > 64 && spare.size() < SPARE_COUNT) spare.push_back(std::move(s));
    s = std::string();
}
// s emptied, with room for n bytes: when it has too little, it trades places
// with the spare string that fits best (the smallest with room, else the
// largest); SIZE_MAX, for bytes still to come, asks for the largest.
inline void Room(std::string& s, size_t n) {
    s.clear();
    if (n != SIZE_MAX && s.capacity() >= n) return;
    std::string* best = nullptr;
    for (std::string& c : spare) {
        if (!best) {
            best = &c;
            continue;
        }
        const bool fits = c.capacity() >= n, bestFits = best->capacity() >= n;
        if (fits ? !bestFits || c.capacity() < best->capacity() : !bestFits && c.capacity() > best->capacity())
            best = &c;
    }
    if (!best || best->capacity() <= s.capacity()) return;
    std::swap(s, *best);
    s.clear();
    if (best->capacity() <= 64) {
        if (best != &spare.back()) *best = std::move(spare.back());
        spare.pop_back();
    }
}
// The file at path, made empty with room for n bytes.
inline std::string& Emptied(const std::string& path, size_t n = 0) {
    std::string& file = files[path];
    Room(file, n);
    return file;
}

// Every file removed.
inline void Clear() {
    for (auto& file : files) Give(std::move(file.second));
    files.clear();
}
// A file holding length bytes from data.
inline void Put(const std::string& path, const void* data, size_t length) {
    Emptied(path, length).assign(static_cast<const char*>(data), length);
}
inline void Put(const std::string& path, const std::string& bytes) { Put(path, bytes.data(), bytes.size()); }

struct OpenFile {
    std::string path, bytes;
    size_t at = 0;
    bool writing = false;
};

inline plat::File* Open(const char* path, plat::FileMode mode) {
    auto found = files.find(path);
    if (mode == plat::FileMode::Read && found == files.end()) {
        plat::SetLastErrorCode(2);
        return nullptr;
    }
    auto* f = new OpenFile{path, "", 0, mode != plat::FileMode::Read};
    const bool reads = mode == plat::FileMode::Read || (mode == plat::FileMode::Append && found != files.end());
    Room(f->bytes, mode == plat::FileMode::Read ? found->second.size() : SIZE_MAX);
    if (reads)
        f->bytes.assign(found->second);
    else
        Emptied(path);
    return reinterpret_cast<plat::File*>(f);
}
inline size_t Read(plat::File* file, void* buffer, size_t length) {
    auto* f = reinterpret_cast<OpenFile*>(file);
    const size_t n = std::min(length, f->bytes.size() - f->at);
    memcpy(buffer, f->bytes.data() + f->at, n);
    f->at += n;
    return n;
}
inline bool Write(plat::File* file, const void* data, size_t length) {
    auto* f = reinterpret_cast<OpenFile*>(file);
    f->bytes.append(static_cast<const char*>(data), length);
    return true;
}
inline bool Flush(plat::File* file) {
    auto* f = reinterpret_cast<OpenFile*>(file);
    if (f->writing) Emptied(f->path, f->bytes.size()).assign(f->bytes);
    return true;
}
inline bool Close(plat::File* file) {
    auto* f = reinterpret_cast<OpenFile*>(file);
    if (f->writing) std::swap(files[f->path], f->bytes);
    Give(std::move(f->bytes));
    delete f;
    return true;
}
inline bool Exists(const char* path) { return files.count(path) != 0; }
inline bool Remove(const char* path) {
    auto found = files.find(path);
    if (found == files.end()) return false;
    Give(std::move(found->second));
    files.erase(found);
    return true;
}
inline bool Move(const char* from, const char* to) {
    auto found = files.find(from);
    if (found == files.end()) return false;
    std::string bytes = std::move(found->second);
    files.erase(found);
    std::swap(files[to], bytes);
    Give(std::move(bytes));
    return true;
}

// Puts the memory files behind the seam, empty.
inline void Use() {
    plat::fileOps = {Open, Read, Write, Flush, Close, Exists, Remove, Move};
    Clear();
}

}  // namespace memfs

// The log switched off: the targets other than Scriv's test what they parse,
// not the records they write about it.
inline void QuietLog() {
    ScrivResetState();
    scrivState.initialised = true;
    scrivState.logLevel = -1;
}

// A copy of text, zero-terminated, followed by filler bytes: two copies with
// different filler must give the same results.
inline std::string WithFiller(const std::string& text, char filler) {
    return text + '\0' + std::string(64, filler);
}

// The session the targets run the commands in, over the process's post table.
inline Session& FuzzSession() {
    static Session session(StaticPostTable());
    return session;
}

// Record i of the post table.
inline PostRecord& Post(int i) { return FuzzSession().posts[i]; }

// The post table on 2 MiB pages: a run that visits its records, 15 KB apart,
// one after another (a load, the marks of all rows) would otherwise miss the
// TLB at nearly every record. Once per process.
inline void PostTableOnHugePages() {
    const uintptr_t huge = 2 << 20;
    const uintptr_t start = (reinterpret_cast<uintptr_t>(&Post(0)) + huge - 1) & ~(huge - 1);
    const uintptr_t end = reinterpret_cast<uintptr_t>(&Post(0) + POST_TABLE_CAPACITY) & ~(huge - 1);
    madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

// The program INI as a memory file holding bytes.
inline void SetProgramIni(const std::string& bytes) {
    char* iniPath = FuzzSession().iniPath;
    if (!iniPath[0]) snprintf(iniPath, sizeof FuzzSession().iniPath, "harvo.ini");
    memfs::Put(iniPath, bytes);
}

// The characters of UTF-8 text appended to chars; false when the text is no
// UTF-8 (a stray or missing continuation byte, a longer form than needed, a
// surrogate, past U+10FFFF). Written apart from the tool's own reading.
inline bool DecodeUtf8Text(std::string_view text, std::vector<uint32_t>& chars) {
    for (size_t i = 0; i < text.size();) {
        const auto first = static_cast<unsigned char>(text[i]);
        const size_t length = first < 0x80 ? 1 : (first >> 5) == 6 ? 2 : (first >> 4) == 14 ? 3 : (first >> 3) == 30 ? 4 : 0;
        if (length == 0 || text.size() - i < length) return false;
        uint32_t c = length == 1 ? first : first & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            c = c << 6 | (next & 0x3F);
        }
        const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < least[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        chars.push_back(c);
        i += length;
    }
    return true;
}
