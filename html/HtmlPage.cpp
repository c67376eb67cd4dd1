#include "html/HtmlPage.h"

#include <cstdio>

#include "platform/Platform.h"
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
    ScrivEx(1, 0, LOG_FOPEN, LOG_OPEN_FAILED);
    return false;
}

HtmlPage& HtmlPage::operator<<(int number) {
    char digits[16];
    snprintf(digits, sizeof digits, "%d", number);
    return *this << std::string_view(digits);
}

void HtmlPage::WriteOut() {
    if (!writeFailed_ && !file_->Write(buffer_.data(), buffer_.size())) {
        writeFailed_ = true;
        writeError_ = plat::GetLastErrorCode();
    }
    buffer_.clear();
}

int HtmlPage::Save() {
    // A write, close or move error is a failure too: a page cut short must
    // never be reported as written, nor take the place of the page there.
    WriteOut();
    if (!writeFailed_ && file_->Commit()) return 1;
    ScrivEx(0, writeFailed_ ? writeError_ : plat::GetLastErrorCode(), LOG_FWRITE, LOG_WRITE_FAILED);
    return 0;
}

bool GoesOut(const PostRecord& record) {
    return (record.mainCheck != 0 || record.subCheck != 0) && record.dateId[0] != '\0';
}

void PutHead(HtmlPage& page, const PageHead& head) {
    const char* title = postTable[0].title;
    page << "<html>" << CRLF << "<head>" << CRLF;
    if (head.styleSheetLink)
        page << R"(<link rel="stylesheet" type="text/css" href="Harvo.css" media="all" />)" << CRLF;
    page << "<title>" << title << "</title>" << CRLF << "</head>" << CRLF;
    page << head.bodyTag << CRLF;
    page << head.titleOpen << title << head.titleClose << CRLF;
    page << "<dl>" << CRLF;
}

void PutFoot(HtmlPage& page) { page << "</dl>" << CRLF << "</body>" << CRLF << "</html>" << CRLF; }
