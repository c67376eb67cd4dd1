#include "ui/PostPreview.h"

#include <cstdlib>
#include <cstring>

#include "posts/Cp932.h"

namespace {

const char LINE_BREAK[] = "\r\n";

struct NamedReference {
    const char* name;  // with its closing ';'
    unsigned c;
};
const NamedReference NAMED_REFERENCES[] = {
    {"gt;", '>'}, {"lt;", '<'}, {"amp;", '&'}, {"quot;", '"'}, {"nbsp;", 0xA0}};

bool IsBreakTag(const std::string& tag) {  // "<br>", "<BR>", "<br/>", "<br />"
    size_t end = 3;
    while (end < tag.size() && (tag[end] == ' ' || tag[end] == '/')) ++end;
    return tag.size() >= 4 && (tag[1] == 'b' || tag[1] == 'B') && (tag[2] == 'r' || tag[2] == 'R') &&
           end == tag.size() - 1;
}

// The character a reference at text[at] ('&') stands for, and its length;
// 0 for a '&' that starts none.
size_t Reference(const std::string& text, size_t at, unsigned& c) {
    for (const NamedReference& r : NAMED_REFERENCES) {
        if (text.compare(at + 1, strlen(r.name), r.name) == 0) {
            c = r.c;
            return 1 + strlen(r.name);
        }
    }
    if (text.compare(at + 1, 1, "#") != 0) return 0;
    const bool hex = at + 2 < text.size() && (text[at + 2] == 'x' || text[at + 2] == 'X');
    const size_t digits = at + 2 + (hex ? 1 : 0);
    size_t end = digits;
    while (end < text.size() && end - digits < 8 && isxdigit(static_cast<unsigned char>(text[end])) &&
           (hex || isdigit(static_cast<unsigned char>(text[end]))))
        ++end;
    if (end == digits || end >= text.size() || text[end] != ';') return 0;
    c = static_cast<unsigned>(strtoul(text.substr(digits, end - digits).c_str(), nullptr, hex ? 16 : 10));
    if (c == 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return end + 1 - at;
}

}  // namespace

bool HasPost(const PostRecord& post) { return post.line[0] != '\0'; }

std::string MarkupAsText(const char* markup) {
    std::string text;
    AppendCp932AsUtf8(markup, strlen(markup), true, text);
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const size_t close = text[i] == '<' ? text.find('>', i) : std::string::npos;
        unsigned c = 0;
        if (close != std::string::npos) {
            if (IsBreakTag(text.substr(i, close + 1 - i))) out += LINE_BREAK;
            i = close + 1;
        } else if (const size_t length = text[i] == '&' ? Reference(text, i, c) : 0) {
            AppendUtf8(c, out);
            i += length;
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string PostPreviewText(const PostRecord& post, int number) {
    std::string head = std::to_string(number) + " " + MarkupAsText(post.kote[0] ? post.kote : post.name);
    if (post.trip[0]) head += " " + MarkupAsText(post.trip);
    if (post.mail[0]) head += " [" + MarkupAsText(post.mail) + "]";
    if (post.date[0]) head += " " + MarkupAsText(post.date);
    if (post.id[0]) head += " ID:" + MarkupAsText(post.id);
    return head + LINE_BREAK + LINE_BREAK + MarkupAsText(post.body);
}
