// The preview's readable text of a post.
#include "ui/PostPreview.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(PostPreviewTest, MarkupReadsAsText) {
    const struct {
        const char* markup;
        const char* text;
    } cases[] = {
        {"a <br> b<BR>c<br/>d<br />e", u8"a \r\n b\r\nc\r\nd\r\ne"},
        {R"(<a href="../test/read.cgi/bread/1700000000/3" target="_blank">&gt;&gt;3</a> ok)", u8">>3 ok"},
        {"&lt;b&gt; &amp;amp; &quot;q&quot; x&nbsp;y", u8"<b> &amp; \"q\" x\u00A0y"},
        {"&#65;&#x3042;&#X1F35E;", u8"Aあ🍞"},
        {"&#0; &#xD800; &#1114112; &#12 &; &copy; &", u8"&#0; &#xD800; &#1114112; &#12 &; &copy; &"},
        {"1 < 2 and 3 <4", u8"1 < 2 and 3 <4"},
        {"\x95\x5C\x81\x95<font color=red>\x83\x5C</font>", u8"表＆ソ"},
    };
    for (const auto& c : cases) EXPECT_EQ(MarkupAsText(c.markup), c.text) << c.markup;
}

TEST(PostPreviewTest, HeadLineBlankLineBody) {
    PostRecord post = {};
    strcpy(post.line, "x");
    strcpy(post.name, "\x83\x70\x83\x93</b>\x81\x9FPan/abc12<b>");
    strcpy(post.kote, "\x83\x70\x83\x93");
    strcpy(post.trip, "\x81\x9FPan/abc12");
    strcpy(post.mail, "sage");
    strcpy(post.date, "2023/11/14 21:17:03.09 ");
    strcpy(post.id, "kOu9Bo/z");
    strcpy(post.body, " &gt;&gt;2 <br> \x82\xA0");
    EXPECT_TRUE(HasPost(post));
    EXPECT_EQ(PostPreviewText(post, 3), u8"3 パン ◆Pan/abc12 [sage] 2023/11/14 21:17:03.09  ID:kOu9Bo/z\r\n\r\n >>2 \r\n あ");
    EXPECT_FALSE(HasPost(PostRecord{}));
}

}  // namespace
