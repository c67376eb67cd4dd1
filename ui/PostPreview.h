// A post as the preview window shows it: readable text instead of the
// thread log's markup, in UTF-8 with CR LF line ends.
#pragma once

#include <string>

#include "posts/PostTable.h"

// Whether the record holds a post (rows past the end of the thread do not).
bool HasPost(const PostRecord& post);

// Shift_JIS markup as text: "<br>" a line break, every other tag removed,
// &gt; &lt; &amp; &quot; &nbsp; and numeric character references resolved.
std::string MarkupAsText(const char* markup);

// "N name trip [mail] date ID:id", a blank line, then the body as text.
std::string PostPreviewText(const PostRecord& post, int number);
