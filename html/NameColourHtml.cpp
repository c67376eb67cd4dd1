// The name colour mode: the names of posts marked in the main list in the
// given colour, every other name green; no style sheet, anchors named "R" + n.
#include "html/EmphasisHtml.h"
#include "html/HtmlPage.h"
#include "html/HtmlWriters.h"

namespace {
const PageHead NAME_COLOUR_HEAD = {
    false, "<body bgcolor=#efefef text=black link=blue alink=red vlink=#660099>",
    "<font size=+1 color=red>", "</font>"};
}  // namespace

bool WriteNameColourHtml(const PostTable& posts, const char* outputPath, const char* colour, int mailFlag, const PageForm& form) {
    const bool hasColour = colour && *colour;
    return WritePage(posts, outputPath, NAME_COLOUR_HEAD, form, [&](HtmlPage& page, const PostRecord& post, int n) {
        page << "<dt>" << R"(<a name="R)" << n << R"(">)" << " " << n << " " << "</a>" << CRLF;
        if (post.mainCheck != 0 && hasColour)
            page << "<font color=" << colour << ">" << "<b>" << post.name << "</b>" << "</font>";
        else  // a green name keeps a space inside its bold element
            page << "<font color=green>" << "<b>" << post.name << " " << "</b>" << "</font>";
        if (mailFlag && post.mail[0] != '\0') {
            page << " " << "[";
            PutMailLinkStart(page, form, post.mail);
            page << post.mail;
            PutMailLinkEnd(page, form);
            page << "]";
        }
        page << " " << post.dateId << "</dt>" << CRLF;
        page << "<dd>";
        PutEmphasisedBody(page, post, form, "R", EmphasisMarkup::Font);
        page << CRLF;
        page << "<br>" << "</dd>" << CRLF;
        page << "<br>" << CRLF;
    });
}
