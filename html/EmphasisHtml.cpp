#include "html/EmphasisHtml.h"

#include "posts/Emphasis.h"

namespace {

// A drawing made of characters keeps its lines only in the font and line
// height it was drawn for, unwrapped.
const char AA_OPEN[] =
    R"(<div style="font-family:'ＭＳ Ｐゴシック','MS PGothic','Saitamaar','IPAMonaPGothic',sans-serif;)"
    R"(font-size:16px;line-height:18px;white-space:nowrap;overflow-x:auto">)";

void PutFontOpening(HtmlPage& page, uint8_t e) {
    const int colour = EmphasisColour(e), size = EmphasisSize(e);
    if (IsAa(e)) page << AA_OPEN;
    if (colour || size) {
        page << "<font";
        if (colour) page << " color=" << EMPHASIS_COLOUR_CODES[colour];
        if (size) page << " size=+" << size;
        page << ">";
    }
    if (IsBold(e)) page << "<b>";
}

void PutFontClosing(HtmlPage& page, uint8_t e) {
    if (IsBold(e)) page << "</b>";
    if (EmphasisColour(e) || EmphasisSize(e)) page << "</font>";
    if (IsAa(e)) page << "</div>";
}

void PutClassOpening(HtmlPage& page, uint8_t e) {
    page << R"(<span class="hvEmphasis)";
    if (EmphasisColour(e)) page << " hvColour" << EmphasisColour(e);
    if (EmphasisSize(e)) page << " hvSize" << EmphasisSize(e);
    if (IsBold(e)) page << " hvBold";
    if (IsAa(e)) page << " hvAA";
    page << R"(">)";
}

}  // namespace

void PutEmphasisedBody(HtmlPage& page, const PostRecord& post, const PageForm& form, const char* anchorPrefix,
                       EmphasisMarkup markup) {
    const uint8_t e = post.emphasis;
    if (e == 0) {
        PutBody(page, post.body, form, anchorPrefix);
        return;
    }
    if (markup == EmphasisMarkup::Font)
        PutFontOpening(page, e);
    else
        PutClassOpening(page, e);
    page << CRLF;
    PutBody(page, post.body, form, anchorPrefix);
    page << CRLF;
    if (markup == EmphasisMarkup::Font)
        PutFontClosing(page, e);
    else
        page << "</span>";
}
