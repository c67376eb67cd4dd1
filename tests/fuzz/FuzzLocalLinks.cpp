// A post's body on the page of each output mode, with reply links kept as
// they are and pointed inside the page ("LOCAL_LINKS").
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <iterator>

#include "html/HtmlWriters.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

const char PAGE_PATH[] = "page.html";
const char PLACE[] = "\x01";  // a body that stands for the fuzzed one
// The posts that may go out: 1 always, the others as the input says.
const int POSTS[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 1000};
const char ADDED[] = "<a href=\"#";  // no body holds it: the target turns their '#' into '%'
const char REPLY[] = "&gt;&gt;";

using View = std::string_view;

bool StartsNoCase(View text, size_t at, View start) {
    if (text.size() - at < start.size()) return false;
    for (size_t k = 0; k < start.size(); ++k)
        if ((text[at + k] >= 'A' && text[at + k] <= 'Z' ? text[at + k] + ('a' - 'A') : text[at + k]) != start[k]) return false;
    return true;
}

// The text without its links' markup: "<a …>" up to the first '>', and "</a>".
std::string Unlinked(View text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (text[i] != '<') {
            out += text[i++];
        } else if (StartsNoCase(text, i, "<a ") || StartsNoCase(text, i, "<a>")) {
            const size_t close = text.find('>', i);
            if (close == View::npos) return out += text.substr(i);
            i = close + 1;
        } else if (StartsNoCase(text, i, "</a>")) {
            i += 4;
        } else {
            out += text[i++];
        }
    }
    return out;
}

// The post a link's text "&gt;&gt;N" or "&gt;&gt;N-M" names: 0 for no such text,
// -1 past the last post.
int Named(View shown) {
    if (shown.substr(0, sizeof REPLY - 1) != REPLY) return 0;
    shown.remove_prefix(sizeof REPLY - 1);
    const size_t dash = shown.find('-'), digits = shown.find_first_not_of("0123456789");
    if (digits == 0 || shown.empty() || (digits != View::npos && digits != dash)) return 0;
    if (dash != View::npos && (dash + 1 == shown.size() || shown.find_first_not_of("0123456789", dash + 1) != View::npos))
        return 0;
    const View number = shown.substr(0, dash);
    const size_t first = std::min(number.find_first_not_of('0'), number.size());
    if (number.size() - first > 4) return -1;
    const int n = number.size() == first ? 0 : std::stoi(std::string(number.substr(first)));
    return n >= 1 && n <= MAX_POSTS ? n : -1;
}

bool GoesOutAt(int n) { return n >= 1 && GoesOut(FuzzSession().posts[n - 1]); }

// The page the writer of a mode writes with the body of post 1.
std::string Write(int mode, const char* body, bool localLinks) {
    strcpy(Post(0).body, body);
    const PageForm form = {CHARSET_UNDECLARED, localLinks};
    const PostTable& posts = FuzzSession().posts;
    memfs::Clear();
    const bool written = mode == 0   ? WriteBodyColourHtml(posts, PAGE_PATH, "red", 1, form)
                         : mode == 1 ? WriteNameColourHtml(posts, PAGE_PATH, "red", 1, form)
                                     : WriteStyleSheetHtml(posts, PAGE_PATH, StyleSheetOptions{}, 1, form);
    FUZZ_CHECK(written);
    return memfs::files[PAGE_PATH];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = [] {
        memfs::Use();
        QuietLog();
        PostTableOnHugePages();
        for (const int n : POSTS) {
            strcpy(Post(n - 1).line, "line");
            strcpy(Post(n - 1).name, "name");
            strcpy(Post(n - 1).dateId, "2005/01/01 ID:abc");
            strcpy(Post(n - 1).id, "abc");
            strcpy(Post(n - 1).body, "body");
        }
        return true;
    }();
    (void)ready;
    FuzzedDataProvider input(data, size);
    const unsigned going = input.ConsumeIntegral<uint16_t>();
    const int mode = input.ConsumeIntegralInRange(0, 2);
    const char* const prefix = mode == 1 ? "R" : "";  // of the anchors' names
    std::string body = input.ConsumeRemainingBytesAsString().substr(0, sizeof PostRecord::body - 1).c_str();
    std::replace(body.begin(), body.end(), '#', '%');
    for (size_t k = 0; k < std::size(POSTS); ++k) Post(POSTS[k] - 1).mainCheck = k == 0 || (going >> (k - 1) & 1);

    // Without the option the body goes out unchanged; with it, the page
    // differs in the body alone.
    const std::string place = Write(mode, PLACE, false);
    const size_t at = place.find(PLACE);
    FUZZ_CHECK(at != std::string::npos && place.find(PLACE, at + 1) == std::string::npos);
    const View before = View(place).substr(0, at), after = View(place).substr(at + 1);
    FUZZ_CHECK(Write(mode, body.c_str(), false) == std::string(before) + body + std::string(after));
    const std::string page = Write(mode, body.c_str(), true);
    FUZZ_CHECK(page.size() >= place.size() - 1 && View(page).substr(0, at) == before &&
               View(page).substr(page.size() - after.size()) == after);
    const View written = View(page).substr(at, page.size() - after.size() - at);

    // Only links' markup changes. Every link added is "<a href="#N">" around
    // a reply text naming post N, which goes out and has its anchor.
    FUZZ_CHECK(Unlinked(written) == Unlinked(body));
    for (size_t link = written.find(ADDED); link != View::npos; link = written.find(ADDED, link + 1)) {
        const size_t name = link + sizeof ADDED - 1, quote = written.find('"', name), end = written.find("</a>", name);
        FUZZ_CHECK(quote != View::npos && end != View::npos && written.compare(name, strlen(prefix), prefix) == 0);
        const View target = written.substr(name + strlen(prefix), quote - name - strlen(prefix));
        const int n = Named(written.substr(quote + 2, end - quote - 2));
        FUZZ_CHECK(written.compare(quote, 2, "\">") == 0 && n > 0 && std::to_string(n) == target && GoesOutAt(n));
        FUZZ_CHECK(page.find("<a name=\"" + std::string(prefix) + std::string(target) + "\">") != std::string::npos);
    }
    // A link left whose text names a post that goes out is one added.
    for (size_t close = written.find("</"); close != View::npos; close = written.find("</", close + 1)) {
        if (!StartsNoCase(written, close, "</a>")) continue;
        const size_t tagEnd = written.rfind('>', close), tag = tagEnd == View::npos ? View::npos : written.rfind('<', tagEnd);
        if (tag == View::npos || written.substr(tag, tagEnd - tag).find('>') != View::npos) continue;
        if (!StartsNoCase(written, tag, "<a ") && !StartsNoCase(written, tag, "<a>")) continue;
        const int n = Named(written.substr(tagEnd + 1, close - tagEnd - 1));
        if (GoesOutAt(n)) FUZZ_CHECK(written.substr(tag, tagEnd + 1 - tag) == ADDED + std::string(prefix) + std::to_string(n) + "\">");
    }
    return 0;
}
