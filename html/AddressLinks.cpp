#include "html/AddressLinks.h"

#include <cctype>
#include <cstring>

#include "posts/Cp932.h"

namespace {

// The prefixes of an address, longest first, and how much of "http" each lacks.
const struct {
    std::string_view written;
    std::string_view missing;
} PREFIXES[] = {{"https://", ""}, {"http://", ""}, {"ttps://", "h"}, {"ttp://", "h"}, {"tps://", "ht"}, {"tp://", "ht"}};

const char URL_BYTES[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~:/?#[]@!$&'()*+,;=%";
const std::string_view PICTURE_ENDINGS[] = {".jpg", ".jpeg", ".png", ".gif", ".webp"};
// The escapes of bytes that no address holds: "&amp;" stays part of one.
const std::string_view ENDING_ESCAPES[] = {"&gt;", "&lt;", "&quot;"};

bool StartsWithNoCase(std::string_view text, std::string_view start) {
    if (text.size() < start.size()) return false;
    for (size_t i = 0; i < start.size(); ++i)
        if (tolower(static_cast<unsigned char>(text[i])) != start[i]) return false;
    return true;
}

// The length of the address at the start of text, 0 when none starts there;
// missing is what its prefix lacks of "http".
size_t AddressLength(std::string_view text, std::string_view& missing) {
    if (text[0] != 'h' && text[0] != 't') return 0;  // as every prefix starts: most bytes are no address
    for (const auto& prefix : PREFIXES) {
        if (text.substr(0, prefix.written.size()) != prefix.written) continue;
        size_t end = prefix.written.size();
        for (; end < text.size() && text[end] != '\0' && strchr(URL_BYTES, text[end]); ++end) {
            bool escape = false;
            for (std::string_view e : ENDING_ESCAPES) escape |= text.substr(end, e.size()) == e;
            if (escape) break;
        }
        missing = prefix.missing;
        return end > prefix.written.size() ? end : 0;
    }
    return 0;
}

bool IsPicture(std::string_view address) {
    const std::string_view path = address.substr(0, address.find_first_of("?#"));
    for (std::string_view ending : PICTURE_ENDINGS)
        if (path.size() > ending.size() && StartsWithNoCase(path.substr(path.size() - ending.size()), ending)) return true;
    return false;
}

void AppendLink(std::string_view written, std::string_view missing, std::string& out) {
    const std::string target = std::string(missing) + std::string(written);
    out += R"(<a href=")" + target + R"(">)";
    if (IsPicture(written))
        out += R"(<img src=")" + target + R"(" alt="" style="max-width:100%">)";
    else
        out += written;
    out += "</a>";
}

// The length of the markup at the start of text: a tag, or a whole anchor
// with its text (an address in it is the board's own link).
size_t MarkupLength(std::string_view text) {
    size_t end = text.find('>');
    if (end == std::string_view::npos) return text.size();
    if (StartsWithNoCase(text, "<a ") || StartsWithNoCase(text, "<a>")) {
        for (size_t close = text.find('<', end); close != std::string_view::npos; close = text.find('<', close + 1))
            if (StartsWithNoCase(text.substr(close), "</a>")) return close + 4;
    }
    return end + 1;
}

bool IsAsciiWordByte(char c) { return isalnum(static_cast<unsigned char>(c)) != 0; }

}  // namespace

// A Shift_JIS trail byte may be a letter: the text is walked a character at a
// time so that no address starts inside one. '<' is never a trail byte: after
// a stray lead byte it still opens markup, as the reply links take it.
void AppendWithAddressLinks(std::string_view body, std::string& out) {
    bool afterWord = false;  // the last character was an ASCII letter or digit
    for (size_t at = 0; at < body.size();) {
        std::string_view rest = body.substr(at), missing;
        size_t taken = 1;
        if (rest[0] == '<') {
            taken = MarkupLength(rest);
            out += rest.substr(0, taken);
        } else if (size_t length = afterWord ? 0 : AddressLength(rest, missing)) {
            taken = length;
            AppendLink(rest.substr(0, length), missing, out);
        } else {
            if (IsCp932Lead(static_cast<unsigned char>(rest[0])) && rest.size() > 1 && rest[1] != '<') taken = 2;
            out += rest.substr(0, taken);
        }
        afterWord = taken == 1 && IsAsciiWordByte(rest[0]);
        at += taken;
    }
}
