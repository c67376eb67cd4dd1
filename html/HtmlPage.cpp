#include "html/HtmlPage.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <cstring>

#include "html/AddressLinks.h"
#include "platform/Platform.h"
#include "posts/Cp932.h"
#include "scriv/Scriv.h"

namespace {
// The page's file cannot be created.
const char LOG_FOPEN[] = "ERROR:fopen()";
const char LOG_OPEN_FAILED[] = "出力ファイルオープンエラー";
// It was created but could not be wholly written, closed and put in place.
const char LOG_FWRITE[] = "ERROR:fwrite()";
const char LOG_WRITE_FAILED[] = "出力ファイル書き込みエラー";
}  // namespace

bool HtmlPage::Open(const char* path) {
    if (path && *path) file_.emplace(path);
    if (file_ && file_->IsOpen()) return true;
    ScrivEx(SCRIV_TRACE, 0, LOG_FOPEN, LOG_OPEN_FAILED);
    return false;
}

HtmlPage& HtmlPage::operator<<(int number) {
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    return *this << std::string_view(digits, end - digits);
}

void HtmlPage::WriteOut(bool last) {
    std::string encoded;
    size_t taken = buffer_.size();
    if (utf8_) taken = AppendCp932AsUtf8(buffer_.data(), buffer_.size(), last, encoded);
    const std::string& bytes = utf8_ ? encoded : buffer_;
    if (memory_)
        memory_->append(bytes);
    else if (!writeFailed_ && !file_->Write(bytes.data(), bytes.size())) {
        writeFailed_ = true;
        writeError_ = plat::GetLastErrorCode();
    }
    buffer_.erase(0, taken);
}

bool HtmlPage::Save() {
    // A write, close or move error is a failure too: a page cut short must
    // never be reported as written, nor take the place of the page there.
    WriteOut(true);
    if (memory_ || (!writeFailed_ && file_->Commit())) return true;
    ScrivEx(SCRIV_ERROR, writeFailed_ ? writeError_ : plat::GetLastErrorCode(), LOG_FWRITE, LOG_WRITE_FAILED);
    return false;
}

bool GoesOut(const PostRecord& record) {
    return (record.mainCheck != 0 || record.subCheck != 0) && HoldsPost(record);
}

int PostsGoingOut(const PostTable& posts) {
    int n = 0;
    for (int i = 0; i < MAX_POSTS; ++i) n += GoesOut(posts[i]) ? 1 : 0;
    return n;
}

void PutHead(HtmlPage& page, const PageHead& head, int charset) {
    const char* title = page.posts()[0].title;
    const char* declared = charset == CHARSET_SHIFT_JIS ? "Shift_JIS" : charset == CHARSET_UTF8 ? "UTF-8" : nullptr;
    page << (declared ? R"(<html lang="ja">)" : "<html>") << CRLF << "<head>" << CRLF;
    if (declared)
        page << R"(<meta http-equiv="Content-Type" content="text/html; charset=)" << declared << R"(">)" << CRLF;
    if (head.styleSheetLink)
        page << R"(<link rel="stylesheet" type="text/css" href=")" << STYLE_SHEET_NAME << R"(" media="all" />)" << CRLF;
    page << "<title>" << title << "</title>" << CRLF << "</head>" << CRLF;
    page << head.bodyTag << CRLF;
    page << head.titleOpen << title << head.titleClose << CRLF;
    page << "<dl>" << CRLF;
}

void PutFoot(HtmlPage& page) { page << "</dl>" << CRLF << "</body>" << CRLF << "</html>" << CRLF; }

namespace {

bool StartsWithNoCase(const char* text, const char* start) {
    for (; *start; ++text, ++start)
        if (tolower(static_cast<unsigned char>(*text)) != *start) return false;
    return true;
}

// The post number a reply link's text "&gt;&gt;N" or "&gt;&gt;N-M" names: 0
// when the text is no such link, -1 when N is no post number of the table.
int ReplyNumber(std::string_view text) {
    const std::string_view prefix = "&gt;&gt;", digits = "0123456789";
    if (text.substr(0, prefix.size()) != prefix) return 0;
    text.remove_prefix(prefix.size());
    const size_t end = text.find_first_not_of(digits);
    if (end == 0 || text.empty()) return 0;
    if (end != std::string_view::npos) {
        const std::string_view last = text.substr(end + 1);
        if (text[end] != '-' || last.empty() || last.find_first_not_of(digits) != std::string_view::npos) return 0;
    }
    int n = 0;
    for (size_t i = 0; i < text.size() && i < end && n <= MAX_POSTS; ++i) n = n * 10 + (text[i] - '0');
    return n >= 1 && n <= MAX_POSTS ? n : -1;
}

}  // namespace

// '<' and '>' are never trail bytes of Shift_JIS: a byte search for the
// elements cannot start inside a character.
void PutBody(HtmlPage& page, const char* body, const PageForm& form, const char* anchorPrefix) {
    std::string linked;
    const auto putText = [&](std::string_view text) {
        if (!form.links) {
            page << text;
            return;
        }
        linked.clear();
        AppendWithAddressLinks(text, linked);
        page << linked;
    };
    const char* rest = body;  // what is not put yet
    for (const char* at = form.localLinks ? strchr(body, '<') : nullptr; at;) {
        const char* text = StartsWithNoCase(at, "<a ") || StartsWithNoCase(at, "<a>") ? strchr(at, '>') : nullptr;
        const char* close = text ? strchr(text, '<') : nullptr;
        while (close && !StartsWithNoCase(close, "</a>")) close = strchr(close + 1, '<');
        const std::string_view shown = close ? std::string_view(text + 1, close - text - 1) : std::string_view();
        const int n = close ? ReplyNumber(shown) : 0;
        if (n == 0) {
            at = strchr(at + 1, '<');
            continue;
        }
        putText(std::string_view(rest, at - rest));
        if (n > 0 && GoesOut(page.posts()[n - 1]))
            page << R"(<a href="#)" << anchorPrefix << n << R"(">)" << shown << "</a>";
        else
            page << shown;
        rest = close + strlen("</a>");
        at = strchr(rest, '<');
    }
    putText(rest);
}

void PutMailLinkStart(HtmlPage& page, const PageForm& form, const char* mail) {
    if (form.mailLinks) page << R"(<a href="mailto:)" << mail << R"(">)";
}

void PutMailLinkEnd(HtmlPage& page, const PageForm& form) {
    if (form.mailLinks) page << "</a>";
}
