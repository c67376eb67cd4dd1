// A post's body on the page of each output mode, with reply links kept as
// they are and pointed inside the page ("LOCAL_LINKS"), with addresses made
// links ("LINKS"), and the posts in reply order ("ORDER").
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <iterator>
#include <vector>

#include "html/HtmlWriters.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using View = std::string_view;

const char PAGE_PATH[] = "page.html";
const char PLACE[] = "\x01";  // a body that stands for the fuzzed one
// The posts that may go out: 1 always, the others as the input says.
const int POSTS[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 1000};
const char ADDED[] = "<a href=\"#";  // no body holds it: the target turns their '#' into '%'
const char REPLY[] = "&gt;&gt;";
const char ROW[] = "<dt";  // each post's rows start so; no body holds it: the target turns its 't' into 'T'
const char FOOT[] = "</dl>\r\n</body>\r\n</html>\r\n";
const char PICTURE[] = "<img src=\"";
const char PICTURE_END[] = "\" alt=\"\" style=\"max-width:100%\">";
const View PICTURE_ENDINGS[] = {".jpg", ".jpeg", ".png", ".gif", ".webp"};

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

// Whether an added picture's address has a picture's ending before its query or fragment.
bool PictureAddress(View target) {
    const View path = target.substr(0, target.find_first_of("?#"));
    for (const View ending : PICTURE_ENDINGS)
        if (path.size() > ending.size() && StartsNoCase(path, path.size() - ending.size(), ending)) return true;
    return false;
}

// Whether the text of a page's body without links' markup is that of the
// post's body: the same bytes, but for the pictures added, each in the place
// of an address written as its target or without its leading "h" or "ht".
bool SameText(View page, View body) {
    size_t i = 0, j = 0;
    while (i < page.size() && j < body.size()) {
        if (page[i] == '<' && body[j] != '<' && page.compare(i, sizeof PICTURE - 1, PICTURE) == 0) {
            const size_t from = i + sizeof PICTURE - 1, quote = page.find('"', from);
            if (quote == View::npos || page.compare(quote, sizeof PICTURE_END - 1, PICTURE_END) != 0) return false;
            const View target = page.substr(from, quote - from);
            FUZZ_CHECK(target.substr(0, 4) == "http" && PictureAddress(target));
            size_t cut = 0;
            while (cut < 3 && body.compare(j, target.size() - cut, target.substr(cut)) != 0) ++cut;
            if (cut == 3) return false;
            i = quote + sizeof PICTURE_END - 1;
            j += target.size() - cut;
        } else if (page[i++] != body[j++]) {
            return false;
        }
    }
    return i == page.size() && j == body.size();
}

// A page's rows, one string per post, in the order the page lists them.
std::vector<View> Rows(View page) {
    std::vector<View> rows;
    const size_t end = page.size() - (sizeof FOOT - 1);
    FUZZ_CHECK(page.substr(end) == FOOT);
    for (size_t at = page.find(ROW); at < end;) {
        const size_t next = std::min(page.find(ROW, at + 1), end);
        rows.push_back(page.substr(at, next - at));
        at = next;
    }
    return rows;
}

// The page the writer of a mode writes with the body of post 1.
std::string Write(int mode, const char* body, PageForm form) {
    strcpy(Post(0).body, body);
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
    const unsigned options = input.ConsumeIntegral<uint8_t>();
    const uint64_t answered = input.ConsumeIntegral<uint64_t>();  // by each post but 1: a nibble naming one of 1 to 16
    const char* const prefix = mode == 1 ? "R" : "";  // of the anchors' names
    std::string body = input.ConsumeRemainingBytesAsString().substr(0, sizeof PostRecord::body - 1).c_str();
    std::replace(body.begin(), body.end(), '#', '%');
    for (size_t at = body.find(ROW); at != std::string::npos; at = body.find(ROW, at)) body[at + 2] = 'T';
    for (size_t k = 0; k < std::size(POSTS); ++k) {
        Post(POSTS[k] - 1).mainCheck = k == 0 || (going >> (k - 1) & 1);
        if (k > 0)
            snprintf(Post(POSTS[k] - 1).body, sizeof PostRecord::body, "%s%d body", REPLY,
                     static_cast<int>(answered >> 4 * (k - 1) & 15) + 1);
    }
    PageForm form;
    form.localLinks = options & 1;
    form.links = options & 2;

    // Without the options the body goes out unchanged; with links of either
    // kind, the page differs in the body alone.
    const std::string place = Write(mode, PLACE, PageForm());
    const size_t at = place.find(PLACE);
    FUZZ_CHECK(at != std::string::npos && place.find(PLACE, at + 1) == std::string::npos);
    const View before = View(place).substr(0, at), after = View(place).substr(at + 1);
    FUZZ_CHECK(Write(mode, body.c_str(), PageForm()) == std::string(before) + body + std::string(after));
    const std::string page = Write(mode, body.c_str(), form);
    FUZZ_CHECK(page.size() >= place.size() - 1 && View(page).substr(0, at) == before &&
               View(page).substr(page.size() - after.size()) == after);
    const View written = View(page).substr(at, page.size() - after.size() - at);

    // In reply order, the same rows only reordered: each post's once.
    if (options & 4) {
        form.replyOrder = true;
        const std::string ordered = Write(mode, body.c_str(), form);
        std::vector<View> rows = Rows(page), orderedRows = Rows(ordered);
        FUZZ_CHECK(View(ordered).substr(0, ordered.find(ROW)) == View(page).substr(0, page.find(ROW)));
        FUZZ_CHECK(static_cast<int>(rows.size()) == PostsGoingOut(FuzzSession().posts));
        std::sort(rows.begin(), rows.end());
        std::sort(orderedRows.begin(), orderedRows.end());
        FUZZ_CHECK(rows == orderedRows);
    }

    // Only links' markup changes, and addresses become pictures.
    FUZZ_CHECK(SameText(Unlinked(written), Unlinked(body)));
    if (!form.localLinks) return 0;
    // Every link added is "<a href="#N">" around a reply text naming post
    // N, which goes out and has its anchor.
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
