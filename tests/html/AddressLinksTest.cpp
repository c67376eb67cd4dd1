// The address rule: which bytes make an address, its restored target, and
// which addresses are pictures; markup and Shift_JIS pass through.
#include <gtest/gtest.h>

#include "html/AddressLinks.h"

namespace {

std::string Link(const std::string& target, const std::string& text) { return "<a href=\"" + target + "\">" + text + "</a>"; }
std::string Picture(const std::string& target) {
    return Link(target, "<img src=\"" + target + R"(" alt="" style="max-width:100%">)");
}

TEST(AddressLinksTest, AddressesBecomeLinksAndPictures) {
    const struct {
        std::string body, written;
    } cases[] = {
        {"see http://a.jp/b_c~d?e=1&amp;f=%20[g]@!$'()*+,;=# now", "see " + Link("http://a.jp/b_c~d?e=1&amp;f=%20[g]@!$'()*+,;=#", "http://a.jp/b_c~d?e=1&amp;f=%20[g]@!$'()*+,;=#") + " now"},
        {"ttp://a/1<br>tp://b/2 tps://c/3 ttps://d/4", Link("http://a/1", "ttp://a/1") + "<br>" + Link("http://b/2", "tp://b/2") + " " + Link("https://c/3", "tps://c/3") + " " + Link("https://d/4", "ttps://d/4")},
        {"ttp://a/p.JPG?s=.txt http://a/p.jpeg#x https://a/p.png http://a/p.gif tps://a/p.webp",
         Picture("http://a/p.JPG?s=.txt") + " " + Picture("http://a/p.jpeg#x") + " " + Picture("https://a/p.png") + " " + Picture("http://a/p.gif") + " " + Picture("https://a/p.webp")},
        {"http://a/p.jpg.html http://a/x?p.png http://a/.png", Link("http://a/p.jpg.html", "http://a/p.jpg.html") + " " + Link("http://a/x?p.png", "http://a/x?p.png") + " " + Picture("http://a/.png")},
        {"&lt;http://a/&gt;&gt;1 &quot;http://b/&quot;", "&lt;" + Link("http://a/", "http://a/") + "&gt;&gt;1 &quot;" + Link("http://b/", "http://b/") + "&quot;"},
        {"http:// http://<br>ftp://a/ xhttp://a/ 1ttp://a/", "http:// http://<br>ftp://a/ xhttp://a/ 1ttp://a/"},
        {R"(<a href="http://a/">http://a/</a> <img src="http://a/b.png"> <A>ttp://a/</A>)", R"(<a href="http://a/">http://a/</a> <img src="http://a/b.png"> <A>ttp://a/</A>)"},
        {"\x83\x74ttp://a/\x83\x5C", "\x83\x74" + Link("http://a/", "ttp://a/") + "\x83\x5C"},  // フ's trail byte is 't'
    };
    for (const auto& c : cases) {
        std::string out;
        AppendWithAddressLinks(c.body, out);
        EXPECT_EQ(out, c.written) << c.body;
    }
}

}  // namespace
