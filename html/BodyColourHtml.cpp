// The body colour mode: the bodies of posts marked in the main list in the
// given colour, names in green or linked to their mail address.
#include "html/EmphasisHtml.h"
#include "html/HtmlPage.h"
#include "html/HtmlWriters.h"

namespace {
const PageHead BODY_COLOUR_HEAD = {
    true, "<body bgcolor=#efefef text=black link=blue alink=red vlink=#660099>",
    "<font size=+1 color=red>", "</font>"};
}  // namespace

bool WriteBodyColourHtml(const PostTable& posts, const char* outputPath, const char* colour, int mailFlag, const PageForm& form) {
    const bool hasColour = colour && *colour;
    return WritePage(posts, outputPath, BODY_COLOUR_HEAD, form, [&](HtmlPage& page, const PostRecord& post, int n) {
        const bool coloured = post.mainCheck != 0 && hasColour;
        page << "<dt>" << R"(<a name=")" << n << R"(">)" << " " << n << " " << "</a>" << CRLF;
        if (post.mail[0] == '\0') {
            page << "<font color=green>" << CRLF << "<b>" << post.name << "</b>" << CRLF << "</font>";
        } else {
            page << CRLF;
            PutMailLinkStart(page, form, post.mail);
            page << "<b>" << post.name << "</b>";
            PutMailLinkEnd(page, form);
            page << CRLF;
            if (mailFlag) page << " <font size=-2 color=#8080FF>" << post.mail << "</font>" << CRLF;
        }
        page << " " << post.dateId << "</dt>" << CRLF;
        page << "<dd>" << CRLF;
        if (coloured) page << "<font color=" << colour << ">" << CRLF;
        PutEmphasisedBody(page, post, form, "", EmphasisMarkup::Font);
        page << CRLF;
        if (coloured) page << "</font>" << CRLF;
        page << "<br><br>" << CRLF << "</dd>" << CRLF;
    });
}
