// Path splitting and every name derived from a path: the page (".html"), the
// check file (".chk"), the reduced thread log ("_RE.dat") and the log's
// generation files.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/PathSplit.h"
#include "platform/Sjis.h"
#include "scriv/Rotation.h"
#include "scriv/ScrivState.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

const size_t NAME_SIZE = 260;  // 259 bytes of path and the zero
const char* const ENDINGS[] = {".html", ".chk", "_RE.dat"};

// Where characters start: a lead byte and the byte after it are one character.
std::vector<bool> CharacterStarts(const std::string& path) {
    std::vector<bool> starts(path.size() + 1, false);
    for (size_t i = 0; i < path.size(); ++i) {
        starts[i] = true;
        if (sjis::IsLead(path[i]) && i + 1 < path.size()) ++i;
    }
    starts[path.size()] = true;
    return starts;
}

// Separators and dots count only where a character starts.
size_t Count(const std::string& part, size_t offset, const std::vector<bool>& starts, const char* bytes) {
    size_t n = 0;
    for (size_t i = 0; i < part.size(); ++i)
        if (starts[offset + i] && strchr(bytes, part[i])) ++n;
    return n;
}

template <size_t N>
std::string Part(const char (&part)[N]) {
    FUZZ_CHECK(memchr(part, '\0', N));
    return part;
}

PathParts Split(const std::string& path, char filler) {
    PathParts parts;
    memset(&parts, filler, sizeof parts);
    const std::string text = WithFiller(path, filler);
    SplitPath(text.c_str(), &parts);
    return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int generation = data[0] % 100;
    const std::string path = std::string(reinterpret_cast<const char*>(data) + 1, size - 1).c_str();
    const std::vector<bool> starts = CharacterStarts(path);

    // Split: every part zero-terminated within its buffer; together the whole
    // path, or all four empty when one would not fit.
    const PathParts parts = Split(path, 'A'), again = Split(path, 'B');
    const std::string drive = Part(parts.drive), dir = Part(parts.dir), fname = Part(parts.fname),
                      ext = Part(parts.ext);
    FUZZ_CHECK(drive == again.drive && dir == again.dir && fname == again.fname && ext == again.ext);
    const bool split = drive + dir + fname + ext == path;
    if (!split) {
        FUZZ_CHECK(drive.empty() && dir.empty() && fname.empty() && ext.empty());
        FUZZ_CHECK(path.size() >= sizeof parts.dir);
    } else {
        FUZZ_CHECK(drive.empty() || (drive.size() == 2 && drive[1] == ':'));
        FUZZ_CHECK(drive.empty() == (path.size() < 2 || path[1] != ':'));
        const size_t nameAt = drive.size() + dir.size();
        FUZZ_CHECK(dir.empty() || (strchr("\\/", dir.back()) && starts[nameAt - 1]));
        FUZZ_CHECK(FileNameStart(path.c_str() + drive.size()) == dir.size());
        FUZZ_CHECK(Count(fname + ext, nameAt, starts, "\\/") == 0);
        FUZZ_CHECK(ext.empty() || (ext[0] == '.' && starts[nameAt + fname.size()]));
        FUZZ_CHECK(Count(ext.empty() ? fname : ext.substr(1), ext.empty() ? nameAt : nameAt + fname.size() + 1,
                         starts, ".") == 0);
    }

    // Derived names: the path's drive, folder and name with the new ending,
    // at most 259 bytes; refused, with an empty name, rather than cut.
    for (const char* ending : ENDINGS) {
        const std::string whole = drive + dir + fname + ending;
        const bool fits = split && !path.empty() && whole.size() < NAME_SIZE;
        for (char filler : {'A', 'B'}) {
            char out[NAME_SIZE + 16];
            memset(out, filler, sizeof out);
            const std::string text = WithFiller(path, filler);
            const bool made = ReplaceExtension(text.c_str(), ending, out, NAME_SIZE);
            FUZZ_CHECK(out[NAME_SIZE] == filler);
            FUZZ_CHECK(made == fits || (path.empty() && made && out == std::string(ending)));
            FUZZ_CHECK(made ? out == whole : out[0] == '\0');
        }
    }

    // Generation files: the number goes before the name's extension, whole,
    // and a name too long for a path is refused (empty).
    if (path.size() < NAME_SIZE) {
        char number[8];
        snprintf(number, sizeof number, "%02d", generation);
        size_t dot = path.size();
        for (size_t i = FileNameStart(path.c_str()); i < path.size(); ++i)
            if (starts[i] && path[i] == '.') dot = i;
        const std::string expected = generation == 0 ? path : path.substr(0, dot) + number + path.substr(dot);
        const std::string name = GenerationName(WithFiller(path, 'A').c_str(), generation);
        FUZZ_CHECK(name == GenerationName(WithFiller(path, 'B').c_str(), generation));
        FUZZ_CHECK(name == (expected.size() < NAME_SIZE ? expected : ""));
    }
    return 0;
}
