// The style-sheet mode: classes instead of colours. Posts marked in the main
// list carry the target class (with their ID group's number when grouped),
// the others "hvDefHead" and "hvDefText". The tag kind puts the classes on the
// list's own elements (1), on inner span and div elements (0), or on both.
#include <cstring>

#include "html/EmphasisHtml.h"
#include "html/HtmlPage.h"
#include "html/HtmlWriters.h"

namespace {

const PageHead STYLE_SHEET_HEAD = {true, "<body>", R"(<span class="hvTitle">)", "</span>"};

const int TAG_KIND_INNER = 0;  // plain <dt> and <dd>; classes on span and div
const int TAG_KIND_OUTER = 1;  // classes on <dt> and <dd>; no span or div

// Writes class="..." for a post: the target class (and group) when it is
// marked in the main list, otherwise the fixed class given.
void PutClass(HtmlPage& page, const PostRecord& post, const char* target, const char* otherwise) {
    page << R"(class=")";
    if (post.mainCheck == 0)
        page << otherwise;
    else if (post.idGroup != 0)
        page << target << post.idGroup;
    else
        page << target;
    page << R"(")";
}

}  // namespace

bool WriteStyleSheetHtml(const PostTable& posts, const char* outputPath, const StyleSheetOptions& options, int mailFlag,
                        const PageForm& form) {
    const char* target = options.targetClass;
    const int tagKind = options.tagKind;
    const bool outer = tagKind != TAG_KIND_INNER;  // classes on <dt> and <dd>
    const bool inner = tagKind != TAG_KIND_OUTER;  // span and div elements

    return WritePage(posts, outputPath, STYLE_SHEET_HEAD, form, [&](HtmlPage& page, const PostRecord& post, int n) {
        const bool mailShown = mailFlag && post.mail[0] != '\0';
        if (outer) {
            page << "<dt ";
            PutClass(page, post, target, "hvDefHead");
            page << ">" << CRLF;
        } else {
            page << "<dt>" << CRLF;
        }
        page << R"(<a name=")" << n << R"(">)" << " " << n << " " << "</a>" << CRLF;
        if (post.mail[0] == '\0') {
            if (inner) page << R"(<span class="hvName">)";
            page << CRLF << "<b>" << post.name << "</b>";
            if (inner) page << "</span>" << CRLF;
        } else {
            PutMailLinkStart(page, form, post.mail);
            page << "<b>" << post.name << "</b>";
            PutMailLinkEnd(page, form);
            page << CRLF;
        }
        if (mailShown) {
            page << " ";
            if (inner) page << R"(<span class="hvMail">)";
            page << post.mail;
            if (inner) page << "</span>" << CRLF;
        }
        page << " ";
        if (inner) page << R"(<span class="hvDateId">)";
        page << post.dateId;
        if (inner) page << "</span>" << CRLF;
        page << "</dt>" << CRLF;

        if (outer) {
            page << "<dd ";
            PutClass(page, post, target, "hvDefText");
            page << ">" << CRLF;
        } else {
            page << "<dd>" << CRLF;
        }
        if (inner) {
            page << "<div ";
            PutClass(page, post, target, "hvDefText");
            page << ">" << CRLF;
        }
        PutEmphasisedBody(page, post, form, "", EmphasisMarkup::Classes);
        page << CRLF;
        page << "<br>";
        if (inner) page << "</div>" << CRLF;
        page << "<br>" << CRLF << "</dd>" << CRLF;
    });
}
