// Profile (INI) files: a text and an integer read from arbitrary bytes, and a
// key written into them, through the seam into memory.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/Profile.h"
#include "platform/Sjis.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

const char PATH[] = "profile.ini";

bool IsBlank(unsigned char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == ' '; }

std::string Trim(std::string s) {
    while (!s.empty() && IsBlank(s.back())) s.pop_back();
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    return s.substr(i);
}

std::string Unquote(const std::string& s) {
    if (s.size() >= 2 && (s[0] == '"' || s[0] == '\'') && s.back() == s[0]) return s.substr(1, s.size() - 2);
    return s;
}

size_t CharLength(const std::string& s, size_t i) { return sjis::IsLead(s[i]) && i + 1 < s.size() ? 2 : 1; }

// What a read of a missing key gives: def without its trailing spaces (never
// its first character), then unquoted.
std::string DefaultText(std::string def) {
    while (def.size() > 1 && def.back() == ' ') def.pop_back();
    return Unquote(def);
}

// Whether a name or value written can be read back as it was given: no line
// ends, a key with no '=' that does not look like a header or start with the
// bytes of a UTF-8 byte order mark (skipped at the file's start), a section
// whose last byte is not a lead byte (it would swallow the closing ']').
bool ReadableBack(const std::string& section, const std::string& key, const std::string& value) {
    for (const std::string* s : {&section, &key, &value})
        if (s->find_first_of("\r\n") != std::string::npos) return false;
    const std::string k = Trim(key), s = Trim(section);
    if (k.find('=') != std::string::npos || (!k.empty() && k[0] == '[') || k.rfind("\xEF\xBB\xBF", 0) == 0)
        return false;
    size_t i = 0;
    while (i < s.size() && i + CharLength(s, i) < s.size()) i += CharLength(s, i);
    return s.empty() || !sjis::IsLead(s[i]);
}

// Every section and key name the file holds, each key with its section.
std::vector<std::pair<std::string, std::string>> Names(const std::string& bytes) {
    std::vector<std::pair<std::string, std::string>> names = {{"", ""}};
    std::string section;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = Trim(bytes.substr(pos, end - pos));
        pos = end + 1;
        const size_t close = line.rfind(']');
        if (!line.empty() && line[0] == '[' && close != std::string::npos) {
            section = Trim(line.substr(1, close - 1));
            names.push_back({section, ""});
        } else {
            names.push_back({section, Trim(line.substr(0, line.find('=')))});
        }
    }
    return names;
}

std::string Find(const std::string& bytes, const std::string& section, const std::string& key) {
    std::string value;
    return ProfileFind(bytes, section, key, &value) ? "=" + value : "missing";
}

// A key read and written through the file functions, the names and the
// default each followed by filler behind their zero.
struct Run {
    std::string text, written;
    size_t length;
    int number;
    bool wrote;
};

Run ReadAndWrite(const std::string& file, bool exists, const std::string& section, const std::string& key,
                 const std::string& def, const std::string& value, size_t size, char filler) {
    memfs::Clear();
    if (exists) memfs::Put(PATH, file);
    const std::string s = WithFiller(section, filler), k = WithFiller(key, filler), d = WithFiller(def, filler),
                      v = WithFiller(value, filler);
    Run run;
    std::vector<char> out(size + 16, filler);
    run.length = ProfileReadText(s.c_str(), k.c_str(), d.c_str(), out.data(), size, PATH);
    FUZZ_CHECK(size == 0 ? run.length == 0 : run.length < size && out[run.length] == '\0');
    FUZZ_CHECK(out[size] == filler);
    run.text.assign(out.data(), run.length);
    run.number = ProfileReadInt(s.c_str(), k.c_str(), 7, PATH);
    run.wrote = ProfileWriteText(s.c_str(), k.c_str(), v.c_str(), PATH);
    run.written = memfs::files.count(PATH) ? memfs::files[PATH] : "(none)";
    FUZZ_CHECK(memfs::files.size() == (exists || run.wrote ? 1u : 0u));  // no temporary file left
    return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = (memfs::Use(), QuietLog(), true);
    (void)ready;
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(64);
    const std::string key = input.ConsumeRandomLengthString(64);
    const std::string value = input.ConsumeRandomLengthString(300);
    const std::string def = input.ConsumeRandomLengthString(300);
    const size_t outSize = input.ConsumeIntegralInRange<size_t>(0, 300);
    const bool exists = input.ConsumeBool();
    const std::string file = input.ConsumeRemainingBytesAsString();
    const std::string before = exists ? file : "";
    // The file functions take zero-terminated names: cut them there.
    const std::string s = section.c_str(), k = key.c_str(), v = value.c_str(), d = def.c_str();

    // The text read: the key's value, else the default; cut to the buffer
    // between characters, and zero-terminated.
    const Run run = ReadAndWrite(file, exists, s, k, d, v, outSize, 'A');
    std::string found;
    const bool has = ProfileFind(before, s, k, &found);
    const std::string whole = has ? found : DefaultText(d);
    size_t fits = 0;
    while (fits < whole.size() && fits + CharLength(whole, fits) < outSize) fits += CharLength(whole, fits);
    FUZZ_CHECK(run.text == whole.substr(0, fits));
    FUZZ_CHECK(run.number == (has && !found.empty() ? ProfileParseInt(found.substr(0, 29)) : 7));

    // Written: exactly the bytes of the pure core, and nothing when the value is already there.
    const std::string after = ProfileWithValue(before, s, k, v);
    FUZZ_CHECK(run.wrote);
    FUZZ_CHECK(run.written == (exists || after != before ? after : "(none)"));

    // Nothing depends on the bytes behind a name's or a text's zero.
    const Run again = ReadAndWrite(file, exists, s, k, d, v, outSize, 'B');
    FUZZ_CHECK(again.text == run.text && again.number == run.number && again.written == run.written);

    // The written key reads back, and every other key reads as before.
    if (!ReadableBack(s, k, v)) return 0;
    size_t start = 0;
    while (start < v.size() && IsBlank(v[start])) ++start;
    FUZZ_CHECK(Find(after, s, k) == "=" + Unquote(Trim(v.substr(start))));
    // Each name once: the second file repeats the first, and a file's lines
    // often repeat a name; looking one up again would check nothing more.
    // Every name of a file of up to 64, at most 64 spread over a larger one:
    // each look-up reads the file, and a run looking a thousand names up in a
    // thousand lines would take longer than all the rest.
    std::set<std::pair<std::string, std::string>> names;
    for (const std::string& file : {before, before + "\n[" + s + "]\n" + k})
        for (auto& name : Names(file)) names.insert(std::move(name));
    const std::string alone = ProfileWithValue("", s, k, "v");
    const size_t step = (names.size() + 63) / 64;
    size_t n = 0;
    for (const auto& [section2, key2] : names) {
        if (n++ % step != 0) continue;
        if (ProfileFind(alone, section2, key2, nullptr)) continue;  // the written key under another spelling
        FUZZ_CHECK(Find(after, section2, key2) == Find(before, section2, key2));
    }
    return 0;
}
