// What every output mode's page shares: which posts go out and in which order,
// the head and the foot, CR LF line ends, and a save that never leaves a page
// cut short. The table's bytes go out unchanged: nothing is escaped.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ReplacingFile.h"
#include "posts/PostTable.h"

const char CRLF[] = "\r\n";  // every line break of a page

// A page being written: to a temporary file beside its path, in chunks, and
// put in the place of the path only when wholly written and closed.
class HtmlPage {
public:
    // Creates the temporary file; false, with the writers' failure record, when it cannot.
    bool Open(const char* path);

    HtmlPage& operator<<(std::string_view text) {
        buffer_ += text;
        if (buffer_.size() >= CHUNK_SIZE) WriteOut();
        return *this;
    }
    HtmlPage& operator<<(int number);  // decimal, no padding

    // Writes what is left and moves the page over its path: 1 when done; 0,
    // with the writers' failure record, when any write, the close or the move failed.
    int Save();

private:
    static constexpr size_t CHUNK_SIZE = 64 * 1024;
    void WriteOut();

    std::optional<plat::ReplacingFile> file_;
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

void PutHead(HtmlPage& page, const PageHead& head);
void PutFoot(HtmlPage& page);

// The shared course of every writer: the head, then putPost(page, record, post
// number) for each record that goes out, in record order, then the foot, saved.
template <class PutPost>
int WritePage(const char* path, const PageHead& head, PutPost putPost) {
    HtmlPage page;
    if (!page.Open(path)) return 0;
    PutHead(page, head);
    for (int i = 0; i < MAX_POSTS; ++i)
        if (GoesOut(postTable[i])) putPost(page, postTable[i], i + 1);
    PutFoot(page);
    return page.Save();
}
