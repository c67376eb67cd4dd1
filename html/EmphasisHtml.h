// A post's body on the page with the emphasis chosen for it: an opening
// line before the body's bytes and a closing line after them, nothing at all
// for a post without emphasis.
#pragma once

#include "html/HtmlPage.h"

// Font elements for the colour modes, classes of Harvo.css for the style-sheet mode.
enum class EmphasisMarkup { Font, Classes };

// The body as PutBody writes it; with emphasis, the opening and a CR LF
// before it, a CR LF and the closing after it.
void PutEmphasisedBody(HtmlPage& page, const PostRecord& post, const PageForm& form, const char* anchorPrefix,
                       EmphasisMarkup markup);
