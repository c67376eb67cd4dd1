// What the fuzz targets share: files in memory behind the platform seam, a
// quiet or memory-bound log, and a check that stops the run with a message.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "platform/Platform.h"
#include "scriv/ScrivState.h"

// A broken property ends the run like a crash does, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            abort();                                                                           \
        }                                                                                      \
    } while (0)

// Whole files by path. A file opened for writing is created empty at once, as
// on disk; reads see the bytes as they were when the file was opened.
namespace memfs {

inline std::map<std::string, std::string> files;

struct OpenFile {
    std::string path, bytes;
    size_t at = 0;
    bool writing = false;
};

inline plat::File* Open(const char* path, plat::FileMode mode) {
    auto* f = new OpenFile{path, "", 0, mode != plat::FileMode::Read};
    auto found = files.find(path);
    if (mode == plat::FileMode::Read) {
        if (found == files.end()) {
            delete f;
            plat::SetLastErrorCode(2);
            return nullptr;
        }
        f->bytes = found->second;
    } else {
        if (mode == plat::FileMode::Append && found != files.end()) f->bytes = found->second;
        files[path] = f->bytes;
    }
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
    if (f->writing) files[f->path] = f->bytes;
    return true;
}
inline bool Close(plat::File* file) {
    auto* f = reinterpret_cast<OpenFile*>(file);
    if (f->writing) files[f->path] = std::move(f->bytes);
    delete f;
    return true;
}
inline bool Exists(const char* path) { return files.count(path) != 0; }
inline bool Remove(const char* path) { return files.erase(path) != 0; }
inline bool Move(const char* from, const char* to) {
    auto found = files.find(from);
    if (found == files.end()) return false;
    std::string bytes = std::move(found->second);
    files.erase(found);
    files[to] = std::move(bytes);
    return true;
}

// Puts the memory files behind the seam, empty.
inline void Use() {
    plat::fileOps = {Open, Read, Write, Flush, Close, Exists, Remove, Move};
    files.clear();
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
