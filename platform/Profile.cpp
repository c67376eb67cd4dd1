// Profile (INI) files over raw bytes; see Profile.h for the rules.
#include "platform/Profile.h"

#include <cstdint>
#include <cstring>

#include "platform/Platform.h"
#include "platform/Sjis.h"

namespace {

constexpr std::string_view UTF8_BOM = "\xEF\xBB\xBF";
constexpr std::string_view LINE_END = "\r\n";

// Windows reads GetPrivateProfileInt's text into a 30-character buffer.
constexpr size_t INT_TEXT_LIMIT = 29;

bool IsBlank(unsigned char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == ' '; }

// No blank, quote, '=' or line end is a Shift_JIS trail byte (those are 0x40 and
// up), so plain byte scans for them are safe; ']' and letters are not.
std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

size_t CharLength(std::string_view s, size_t i) {
    return sjis::IsLead(s[i]) && i + 1 < s.size() ? 2 : 1;
}

unsigned char FoldAscii(unsigned char c) { return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c; }

// Case-blind for ASCII letters; a double-byte character must match exactly, so
// a trail byte that looks like a letter is never folded.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size();) {
        const size_t n = CharLength(a, i);
        if (n == 2 ? a.compare(i, 2, b, i, 2) != 0 : FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
        i += n;
    }
    return true;
}

std::string_view Unquote(std::string_view s) {
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        return s.substr(1, s.size() - 2);
    return s;
}

// A header's name: the text between '[' and the last ']' of the line.
bool HeaderName(std::string_view line, std::string_view* name) {
    if (line.empty() || line.front() != '[') return false;
    size_t close = std::string_view::npos;
    for (size_t i = 1; i < line.size(); i += CharLength(line, i))
        if (line[i] == ']') close = i;
    if (close == std::string_view::npos) return false;
    *name = Trim(line.substr(1, close - 1));
    return true;
}

size_t TextStart(std::string_view bytes) {
    return bytes.substr(0, UTF8_BOM.size()) == UTF8_BOM ? UTF8_BOM.size() : 0;
}

bool EndsLine(std::string_view bytes, size_t at) {
    return at > 0 && (bytes[at - 1] == '\r' || bytes[at - 1] == '\n');
}

struct Line {
    size_t begin, end;  // the text without blanks at either end
    size_t next;        // where the following line starts
};

Line LineAt(std::string_view bytes, size_t pos) {
    size_t end = pos;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    size_t next = end;
    if (end < bytes.size())
        next += bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1;
    Line line{pos, end, next};
    while (line.begin < line.end && IsBlank(bytes[line.begin])) ++line.begin;
    while (line.end > line.begin && IsBlank(bytes[line.end - 1])) --line.end;
    return line;
}

// Where a key stands in the file, as offsets into its bytes.
struct Place {
    bool section = false;  // the section exists
    size_t insertAt = 0;   // just past the section's last non-blank line
    bool key = false;
    bool hasValue = false;  // the key's line has '='
    // The value as written, trimmed, quotes kept; for a line without '=', the
    // end of the key name.
    size_t valueBegin = 0, valueEnd = 0;
};

Place Locate(std::string_view bytes, std::string_view section, std::string_view key) {
    section = Trim(section);
    key = Trim(key);
    const size_t start = TextStart(bytes);
    Place place;
    // Lines before the first header form the section "", which always exists.
    bool inside = section.empty();
    place.section = inside;
    place.insertAt = start;
    for (size_t pos = start; pos < bytes.size();) {
        const Line line = LineAt(bytes, pos);
        pos = line.next;
        if (line.begin == line.end) continue;
        const std::string_view text = bytes.substr(line.begin, line.end - line.begin);
        std::string_view name;
        if (HeaderName(text, &name)) {
            if (inside) break;  // only the first of duplicate sections counts
            inside = SameName(name, section);
            if (inside) {
                place.section = true;
                place.insertAt = line.next;
            }
            continue;
        }
        if (!inside) continue;
        place.insertAt = line.next;
        if (place.key) continue;
        const size_t equals = text.find('=');
        if (!SameName(Trim(text.substr(0, equals)), key)) continue;
        place.key = true;
        place.hasValue = equals != std::string_view::npos;
        place.valueBegin = line.end;
        if (place.hasValue) {
            place.valueBegin = line.begin + equals + 1;
            while (place.valueBegin < line.end && IsBlank(bytes[place.valueBegin]))
                ++place.valueBegin;
        }
        place.valueEnd = line.end;
    }
    return place;
}

bool ReadValue(const char* section, const char* key, const char* path, std::string* value) {
    if (!section || !key || !path) return false;
    std::string bytes;
    plat::ReadWholeFile(path, bytes);  // a file that cannot be read has no keys
    return ProfileFind(bytes, section, key, value);
}

// The default loses its trailing spaces (never its first character), then a
// pair of quotes as a value does.
std::string_view DefaultText(const char* def) {
    std::string_view text = def ? def : "";
    while (text.size() > 1 && text.back() == ' ') text.remove_suffix(1);
    return Unquote(text);
}

}  // namespace

bool ProfileFind(std::string_view bytes, std::string_view section, std::string_view key,
                 std::string* value) {
    const Place place = Locate(bytes, section, key);
    if (!place.hasValue) return false;
    if (value) *value = Unquote(bytes.substr(place.valueBegin, place.valueEnd - place.valueBegin));
    return true;
}

int ProfileParseInt(std::string_view text) {
    size_t i = 0;
    // Windows skips every control byte here, not only the blanks.
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    unsigned base = 10;
    if (i + 1 < text.size() && text[i] == '0') {
        const char prefix = text[i + 1];
        base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
        if (base != 10) i += 2;
    }
    uint32_t total = 0;  // unsigned, so that the wrap is defined
    for (; i < text.size(); ++i) {
        const char c = text[i];
        unsigned digit = c >= '0' && c <= '9'   ? c - '0'
                         : c >= 'a' && c <= 'z' ? c - 'a' + 10
                         : c >= 'A' && c <= 'Z' ? c - 'A' + 10
                                                : 99;
        if (digit >= base) break;
        total = total * base + digit;
    }
    if (negative) total = 0u - total;
    return static_cast<int>(total);
}

std::string ProfileWithValue(std::string_view bytes, std::string_view section, std::string_view key,
                             std::string_view value) {
    while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
    const Place place = Locate(bytes, section, key);
    std::string out(bytes);
    if (place.key) {  // a line without '=' gains one
        const std::string replacement = (place.hasValue ? "" : "=") + std::string(value);
        return out.replace(place.valueBegin, place.valueEnd - place.valueBegin, replacement);
    }
    std::string entry = std::string(Trim(key)) + "=" + std::string(value) + std::string(LINE_END);
    size_t at = place.insertAt;
    if (!place.section) {
        entry = "[" + std::string(Trim(section)) + "]" + std::string(LINE_END) + entry;
        at = bytes.size();
    }
    if (at > TextStart(bytes) && !EndsLine(bytes, at)) entry = std::string(LINE_END) + entry;
    return out.insert(at, entry);
}

size_t ProfileReadText(const char* section, const char* key, const char* def, char* out,
                       size_t size, const char* path) {
    if (!out || size == 0) return 0;
    std::string found;
    const std::string_view text = ReadValue(section, key, path, &found) ? found : DefaultText(def);
    size_t length = 0;
    while (length < text.size()) {
        const size_t next = length + CharLength(text, length);
        if (next > size - 1) break;
        length = next;
    }
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
    return length;
}

int ProfileReadInt(const char* section, const char* key, int def, const char* path) {
    std::string value;
    if (!ReadValue(section, key, path, &value) || value.empty()) return def;
    return ProfileParseInt(std::string_view(value).substr(0, INT_TEXT_LIMIT));
}

bool ProfileWriteText(const char* section, const char* key, const char* value, const char* path) {
    if (!section || !key || !value || !path) return false;
    std::string bytes;
    // A file that exists but cannot be read must not be replaced by a new one.
    if (!plat::ReadWholeFile(path, bytes) && plat::FileExists(path)) return false;
    const std::string written = ProfileWithValue(bytes, section, key, value);
    if (written == bytes) return true;  // the value already stored: nothing to write
    return plat::WriteWholeFile(path, written.data(), written.size());
}
