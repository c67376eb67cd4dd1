// What every output mode's page shares: which posts go out and in which order,
// the head and the foot, CR LF line ends, and a save that never leaves a page
// cut short. The table's bytes go out unchanged: nothing is escaped.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "html/ReplyOrder.h"
#include "platform/ReplacingFile.h"
#include "posts/PostTable.h"
#include "settings/ProgramIni.h"

const char CRLF[] = "\r\n";  // every line break of a page
const char STYLE_SHEET_NAME[] = "Harvo.css";  // the style sheet pages link, beside them

// What every mode's page takes from the settings besides its own, and where
// the page goes: its file, or memory for the copy command.
struct PageForm {
    int charset = CHARSET_UNDECLARED;  // "CHARSET"
    bool localLinks = false;           // "LOCAL_LINKS" is 1
    bool replyOrder = false;           // "ORDER" is 1: replies follow what they answer
    bool links = false;                // "LINKS" is 1: addresses in bodies become links
    bool mailLinks = true;             // "MAIL_LINKS" is not 0: names link to their mail
    std::string* inMemory = nullptr;   // when set, the page goes here and to no file
};

// A page being written: to a temporary file beside its path, in chunks, and
// put in the place of the path only when wholly written and closed. The
// table's Shift_JIS goes out unchanged, or each chunk turned into UTF-8.
class HtmlPage {
public:
    // The page of the thread in posts: its title, and the posts its links may point at.
    explicit HtmlPage(const PostTable& posts, bool utf8 = false) : posts_(posts), utf8_(utf8) {}

    const PostTable& posts() const { return posts_; }

    // Creates the temporary file; false, with the writers' failure record, when it cannot.
    bool Open(const char* path);
    // Writes the page into out instead of a file.
    void OpenInMemory(std::string& out) { memory_ = &out; }

    HtmlPage& operator<<(std::string_view text) {
        buffer_ += text;
        if (buffer_.size() >= CHUNK_SIZE) WriteOut(false);
        return *this;
    }
    HtmlPage& operator<<(int number);  // decimal, no padding

    // Writes what is left and moves the page over its path: true when done;
    // false, with the writers' failure record, when any write, the close or the move failed.
    bool Save();

private:
    static constexpr size_t CHUNK_SIZE = 64 * 1024;
    // Writes the buffer; before the last chunk, a lead byte at its end stays
    // for the next one, which may hold its trail byte.
    void WriteOut(bool last);

    const PostTable& posts_;
    const bool utf8_;
    std::optional<plat::ReplacingFile> file_;
    std::string* memory_ = nullptr;
    std::string buffer_;
    bool writeFailed_ = false;
    uint32_t writeError_ = 0;  // the last-error value of the failed write
};

// Where one mode's head differs from the others'.
struct PageHead {
    bool styleSheetLink;     // the line linking "Harvo.css"
    const char* bodyTag;
    const char* titleOpen;   // around the thread title shown on the page
    const char* titleClose;
};

// A record goes out when it is marked in either list and holds a post.
bool GoesOut(const PostRecord& record);
// How many records go out.
int PostsGoingOut(const PostTable& posts);

// The head declares the character set for CHARSET_SHIFT_JIS and CHARSET_UTF8.
void PutHead(HtmlPage& page, const PageHead& head, int charset);
void PutFoot(HtmlPage& page);

// A post's body; with local links, its reply links point at the posts' anchors
// in this page (anchorPrefix followed by the post number), or are plain text
// where that post does not go out.
// With links, each web address in it becomes a link (html/AddressLinks.h).
void PutBody(HtmlPage& page, const char* body, const PageForm& form, const char* anchorPrefix);

// Around a name or mail written as a link to the post's mail address: the
// link's start and end, or nothing when the page links no mail.
void PutMailLinkStart(HtmlPage& page, const PageForm& form, const char* mail);
void PutMailLinkEnd(HtmlPage& page, const PageForm& form);

// The shared course of every writer: the head, then putPost(page, record, post
// number) for each record that goes out, in the form's order, then the foot, saved.
template <class PutPost>
bool WritePage(const PostTable& posts, const char* path, const PageHead& head, const PageForm& form, PutPost putPost) {
    HtmlPage page(posts, form.charset == CHARSET_UTF8);
    if (form.inMemory)
        page.OpenInMemory(*form.inMemory);
    else if (!page.Open(path))
        return false;
    PutHead(page, head, form.charset);
    for (int i : PageOrder(posts, form.replyOrder)) putPost(page, posts[i], i + 1);
    PutFoot(page);
    return page.Save();
}
