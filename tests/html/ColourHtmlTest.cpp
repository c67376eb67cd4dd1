// The body colour and name colour pages, byte for byte, and the rules all
// writers share: which records go out, the head and foot, the title.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <regex>

#include "html/HtmlWriters.h"
#include "posts/Cp932.h"
#include "threadlog/ThreadLogReader.h"
#include "tests/html/HtmlFixture.h"

namespace {

using ColourHtmlTest = HtmlTest;

// Markup and Shift_JIS pass through unchanged, 0x5C trail bytes (ソ, 表) included.
constexpr TestPost SAGE = {"Anon", "sage", "2005/01/01 ID:abc", "abc", "Hi"};
constexpr TestPost SJIS = {"名無し</b>◆ソ <b>", "", "2009/01/01 ID:表", "表", "本文<br>&gt;&gt;1"};

struct Case {
    const char* what;
    TestPost post;
    int mainCheck, subCheck;
    const char* colour;
    int mailFlag;
    std::vector<std::string> lines;  // the rows of post 3
    uint8_t emphasis = 0;            // of post 3
};

// What wraps an emphasised drawing made of characters in the colour modes.
const std::string AA_DIV =
    R"(<div style="font-family:'ＭＳ Ｐゴシック','MS PGothic','Saitamaar','IPAMonaPGothic',sans-serif;)"
    R"(font-size:16px;line-height:18px;white-space:nowrap;overflow-x:auto">)";

TEST_F(ColourHtmlTest, BodyColourPages) {
    const Case cases[] = {
        {"marked main, coloured", ANON, 1, 0, "#FF0000", 0,
         {R"(<dt><a name="3"> 3 </a>)", "<font color=green>", "<b>Anon</b>",
          "</font> 2005/01/01 ID:abc</dt>", "<dd>", "<font color=#FF0000>", "Hi", "</font>", "<br><br>",
          "</dd>"}},
        {"mail shown, marked sub only", SAGE, 0, 1, "#FF0000", 1,
         {R"(<dt><a name="3"> 3 </a>)", "", R"(<a href="mailto:sage"><b>Anon</b></a>)",
          " <font size=-2 color=#8080FF>sage</font>", " 2005/01/01 ID:abc</dt>", "<dd>", "Hi", "<br><br>",
          "</dd>"}},
        {"mail flag 2 is on", SAGE, 0, 1, "", 2,
         {R"(<dt><a name="3"> 3 </a>)", "", R"(<a href="mailto:sage"><b>Anon</b></a>)",
          " <font size=-2 color=#8080FF>sage</font>", " 2005/01/01 ID:abc</dt>", "<dd>", "Hi", "<br><br>",
          "</dd>"}},
        {"mail flag off: the link stays, the text goes", SAGE, 1, 0, "red", 0,
         {R"(<dt><a name="3"> 3 </a>)", "", R"(<a href="mailto:sage"><b>Anon</b></a>)",
          " 2005/01/01 ID:abc</dt>", "<dd>", "<font color=red>", "Hi", "</font>", "<br><br>", "</dd>"}},
        {"empty colour: no body coloured", SJIS, 1, 1, "", 0,
         {R"(<dt><a name="3"> 3 </a>)", "<font color=green>", "<b>名無し</b>◆ソ <b></b>",
          "</font> 2009/01/01 ID:表</dt>", "<dd>", "本文<br>&gt;&gt;1", "<br><br>", "</dd>"}},
        {"every emphasis, inside the body colour", ANON, 1, 0, "#FF0000", 0,
         {R"(<dt><a name="3"> 3 </a>)", "<font color=green>", "<b>Anon</b>", "</font> 2005/01/01 ID:abc</dt>",
          "<dd>", "<font color=#FF0000>", AA_DIV + "<font color=#0000FF size=+1><b>", "Hi", "</b></font></div>",
          "</font>", "<br><br>", "</dd>"},
         0x02 | 0x08 | 0x20 | 0x40},
    };
    for (const Case& c : cases) {
        SetPost(3, c.post, c.mainCheck, c.subCheck);
        postTable[2].emphasis = c.emphasis;
        ASSERT_EQ(WriteBodyColourHtml(postTable, PagePath().c_str(), c.colour, c.mailFlag), 1) << c.what;
        EXPECT_EQ(Page(), BodyColourHead(TITLE) + Lines(c.lines) + FOOT) << c.what;
    }
}

TEST_F(ColourHtmlTest, NameColourPages) {
    const Case cases[] = {
        {"marked main, coloured, mail shown", SAGE, 1, 0, "#0000FF", 1,
         {R"(<dt><a name="R3"> 3 </a>)",
          R"(<font color=#0000FF><b>Anon</b></font> [<a href="mailto:sage">sage</a>] 2005/01/01 ID:abc</dt>)",
          "<dd>Hi", "<br></dd>", "<br>"}},
        {"marked sub only: green, whatever the colour", SAGE, 0, 1, "#0000FF", 0,
         {R"(<dt><a name="R3"> 3 </a>)", "<font color=green><b>Anon </b></font> 2005/01/01 ID:abc</dt>",
          "<dd>Hi", "<br></dd>", "<br>"}},
        {"empty colour: green", SJIS, 1, 0, "", 1,
         {R"(<dt><a name="R3"> 3 </a>)",
          "<font color=green><b>名無し</b>◆ソ <b> </b></font> 2009/01/01 ID:表</dt>", "<dd>本文<br>&gt;&gt;1",
          "<br></dd>", "<br>"}},
        {"a colour word, mail flag 2", SAGE, 1, 1, "red", 2,
         {R"(<dt><a name="R3"> 3 </a>)",
          R"(<font color=red><b>Anon</b></font> [<a href="mailto:sage">sage</a>] 2005/01/01 ID:abc</dt>)",
          "<dd>Hi", "<br></dd>", "<br>"}},
        {"emphasis right behind <dd>", SAGE, 0, 1, "red", 0,
         {R"(<dt><a name="R3"> 3 </a>)", "<font color=green><b>Anon </b></font> 2005/01/01 ID:abc</dt>",
          "<dd><font color=#800080><b>", "Hi", "</b></font>", "<br></dd>", "<br>"},
         0x05 | 0x20},
    };
    for (const Case& c : cases) {
        SetPost(3, c.post, c.mainCheck, c.subCheck);
        postTable[2].emphasis = c.emphasis;
        ASSERT_EQ(WriteNameColourHtml(postTable, PagePath().c_str(), c.colour, c.mailFlag), 1) << c.what;
        EXPECT_EQ(Page(), NameColourHead(TITLE) + Lines(c.lines) + FOOT) << c.what;
    }
}

// Each writer in turn, with its head.
struct Writer {
    const char* name;
    bool (*write)(const Session& session, const char* path, const PageForm& form);
    std::string (*head)(const std::string& title);
    const char* anchor;  // what precedes a post's number in its anchor
};
const Writer WRITERS[] = {
    {"body colour",
     [](const Session& s, const char* p, const PageForm& f) { return WriteBodyColourHtml(s.posts, p, "#FF0000", 1, f); },
     BodyColourHead, R"(<a name=")"},
    {"name colour",
     [](const Session& s, const char* p, const PageForm& f) { return WriteNameColourHtml(s.posts, p, "#FF0000", 1, f); },
     NameColourHead, R"(<a name="R)"},
    {"style sheet",
     [](const Session& s, const char* p, const PageForm& f) {
         return WriteStyleSheetHtml(s.posts, p, ReadStyleSheetOptions(s.iniPath), 1, f);
     },
     StyleSheetHead, R"(<a name=")"},
};

TEST_F(ColourHtmlTest, NoPostGoingOutLeavesHeadAndFoot) {
    SetPost(3, ANON, 0, 0);                       // not marked
    SetPost(4, {"a", "", "", "", "b"}, 1, 1);      // marked, but no post
    for (const char* title : {TITLE, ""}) {
        strcpy(postTable[0].title, title);
        for (const Writer& w : WRITERS) {
            ASSERT_EQ(w.write(session_, PagePath().c_str(), {}), 1) << w.name;
            EXPECT_EQ(Page(), w.head(title) + FOOT) << w.name << " / " << title;
        }
    }
}

// The post numbers of a page's posts, in the page's order.
std::vector<int> PostNumbers(const std::string& page, const std::string& anchor) {
    std::vector<int> numbers;
    for (size_t at = page.find(anchor); at != std::string::npos; at = page.find(anchor, at + 1))
        numbers.push_back(atoi(page.c_str() + at + anchor.size()));
    return numbers;
}

TEST_F(ColourHtmlTest, MarkedPostsGoOutOnceInRecordOrder) {
    SetPost(1, ANON, 1, 0);
    SetPost(2, ANON, 0, 1);
    SetPost(4, ANON, 1, 1);
    SetPost(5, {"a", "", "", "", "b"}, 1, 1);  // no post
    SetPost(6, ANON, 0, 0);
    SetPost(7, ANON, -1, 0);                  // any non-zero mark counts
    SetPost(1000, ANON, 0, 1);
    SetPost(1001, ANON, 1, 1);                // beyond the working range
    SetPost(1002, ANON, 1, 1);
    for (const Writer& w : WRITERS) {
        ASSERT_EQ(w.write(session_, PagePath().c_str(), {}), 1);
        EXPECT_EQ(PostNumbers(Page(), w.anchor), (std::vector<int>{1, 2, 4, 7, 1000})) << w.name;
    }
}

// In reply order a post follows the first earlier post going out that its
// body anchors; the page holds the same bytes, reordered by post.
TEST_F(ColourHtmlTest, ReplyOrder) {
    const char* bodies[] = {"root", "&gt;&gt;1", "&gt;&gt;5 &gt;&gt;2", "&gt;&gt;6 <a>&gt;&gt;1</a>",
                            "&gt;&gt;1-3", "not out", "&gt;&gt;6&gt;&gt;99", "&gt;&gt;3", "&gt;&gt;0 &gt;&gt;02"};
    for (int n = 1; n <= 9; ++n) SetPost(n, {"a", "", "d ID:x", "x", bodies[n - 1]}, n % 2, n != 6);
    for (const Writer& w : WRITERS) {
        ASSERT_EQ(w.write(session_, PagePath().c_str(), {}), 1);
        const std::string numbered = Page();
        ASSERT_EQ(w.write(session_, PagePath().c_str(), {0, false, true}), 1);
        EXPECT_EQ(PostNumbers(Page(), w.anchor), (std::vector<int>{1, 2, 3, 8, 9, 4, 5, 7})) << w.name;
        std::string a = numbered, b = Page();  // the same bytes
        EXPECT_EQ((std::sort(a.begin(), a.end()), a), (std::sort(b.begin(), b.end()), b)) << w.name;
    }
}

// A declared character set changes the head's first lines, and UTF-8 the
// bytes of the whole page: the Shift_JIS page read as code page 932. Any other
// value writes the page as without the setting.
void ExpectDeclaredCharsets(const Session& session_, const std::string& path, const std::string& what) {
    const std::string undeclared = "<html>\r\n<head>\r\n";
    const auto declared = [](const char* charset) {
        return Lines({R"(<html lang="ja">)", "<head>",
                      std::string(R"(<meta http-equiv="Content-Type" content="text/html; charset=)") + charset + R"(">)"});
    };
    for (const Writer& w : WRITERS) {
        SCOPED_TRACE(what + " / " + w.name);
        const auto page = [&](int charset) {
            EXPECT_EQ(w.write(session_, path.c_str(), {charset, false}), 1);
            return ReadBytes(path);
        };
        const std::string plain = page(0), rest = plain.substr(undeclared.size());
        ASSERT_EQ(plain.substr(0, undeclared.size()), undeclared);
        EXPECT_EQ(page(3), plain);
        EXPECT_EQ(page(1), declared("Shift_JIS") + rest);
        std::string utf8;
        AppendCp932AsUtf8(rest.data(), rest.size(), true, utf8);
        EXPECT_EQ(page(2), declared("UTF-8") + utf8);
    }
}

TEST_F(ColourHtmlTest, DeclaredCharsets) {
    SetPost(3, SJIS, 1, 1);
    strcpy(postTable[2].body, "\x87\x40\x87\x56 \xF0\x40 cut \x82");  // ① Ⅲ, user-defined, a lead byte at the end
    SetPost(4, ANON, 0, 1);
    ExpectDeclaredCharsets(session_, PagePath(), "made up");
    ASSERT_EQ(WriteBodyColourHtml(postTable, PagePath().c_str(), "", 0, {2, false}), 1);
    EXPECT_EQ(Page().substr(Page().find("<dd>")),
              Lines({"<dd>", u8"①Ⅲ \uE000 cut \uFFFD", "<br><br>", "</dd>", "<dt><a name=\"4\"> 4 </a>",
                     "<font color=green>", "<b>Anon</b>", "</font> 2005/01/01 ID:abc</dt>", "<dd>", "Hi",
                     "<br><br>", "</dd>"}) + FOOT);
}

// The real thread logs, every other post marked in one list or the other: the
// character sets as above, and every reply link made local leads to an anchor
// of the page.
TEST_F(ColourHtmlTest, RealThreadLogs) {
    REQUIRE_REAL_THREAD_LOGS();
    const std::string folder = RealThreadLogFolder();
    int links = 0;
    for (const char* name : {"js2ch_1379534723.dat", "twoB_1193443676.dat", "twoB_1264432017.dat",
                             "twoB_2ch_with_id.dat", "twoB_2ch_with_id_and_be.dat", "twoB_with-trip.dat"}) {
        ASSERT_EQ(ReadThreadLog(postTable, (folder + name).c_str()), 1) << name;
        for (int i = 0; i < MAX_POSTS; ++i) (i % 2 ? postTable[i].mainCheck : postTable[i].subCheck) = 1;
        ExpectDeclaredCharsets(session_, PagePath(), name);
        for (const Writer& w : WRITERS) {
            ASSERT_EQ(w.write(session_, PagePath().c_str(), {0, true}), 1);
            const std::string page = Page(), anchorName = w.anchor;
            for (size_t at = page.find(R"(<a href="#)"); at != std::string::npos; at = page.find(R"(<a href="#)", at + 1)) {
                const std::string target = page.substr(at + 10, page.find('"', at + 10) - at - 10);
                const std::string anchor = anchorName.substr(0, anchorName.size() - (target[0] == 'R' ? 1 : 0)) + target + "\">";
                EXPECT_NE(page.find(anchor), std::string::npos) << name << " / " << w.name << " / " << target;
                ++links;
            }
        }
    }
    EXPECT_GT(links, 300);
}

// Reply links lead to the posts' anchors in the page, or become plain text
// where the post does not go out; nothing else of a body changes.
TEST_F(ColourHtmlTest, LocalLinks) {
    const struct {
        const char* body;
        const char* written;
    } cases[] = {
        {R"(<a href="../test/read.cgi/b/1/3" target="_blank">&gt;&gt;3</a>ok)", R"(<a href="#3">&gt;&gt;3</a>ok)"},
        {R"(x<A HREF="x">&gt;&gt;03-5</A>y)", R"(x<a href="#3">&gt;&gt;03-5</a>y)"},
        {R"(<a href="x">&gt;&gt;5</a> <a href="x">&gt;&gt;0</a> <a>&gt;&gt;1001</a>)", "&gt;&gt;5 &gt;&gt;0 &gt;&gt;1001"},
        {R"(<a href="http://x/">site</a> <a href="x">&gt;&gt;3,4</a> <a href="x">&gt;&gt;3-</a>)",
         R"(<a href="http://x/">site</a> <a href="x">&gt;&gt;3,4</a> <a href="x">&gt;&gt;3-</a>)"},
        {R"(<a href="x"><b>&gt;&gt;3</b></a> <abbr>&gt;&gt;3</abbr> <a href="x">&gt;&gt;3)",
         R"(<a href="x"><b>&gt;&gt;3</b></a> <abbr>&gt;&gt;3</abbr> <a href="x">&gt;&gt;3)"},
        {"表<a href=\"x\">&gt;&gt;3</a>ソ", "表<a href=\"#3\">&gt;&gt;3</a>ソ"},
    };
    SetPost(3, ANON, 0, 1);
    for (const auto& c : cases) {
        SetPost(4, {"Anon", "", "2005/01/01 ID:abc", "abc", c.body}, 1, 0);
        ASSERT_EQ(WriteBodyColourHtml(postTable, PagePath().c_str(), "", 0, {0, true}), 1);
        EXPECT_NE(Page().find("<dd>\r\n" + std::string(c.written) + "\r\n<br><br>"), std::string::npos) << c.body;
        ASSERT_EQ(WriteBodyColourHtml(postTable, PagePath().c_str(), "", 0, {0, false}), 1);
        EXPECT_NE(Page().find("<dd>\r\n" + std::string(c.body) + "\r\n<br><br>"), std::string::npos) << c.body;
    }
    ASSERT_EQ(WriteNameColourHtml(postTable, PagePath().c_str(), "", 0, {0, true}), 1);
    EXPECT_NE(Page().find(R"(<dd>表<a href="#R3">&gt;&gt;3</a>ソ)"), std::string::npos);
}

// Without mail links a page is the same less each mail link's tags; with
// links, an address beside a reply link made local is a picture.
TEST_F(ColourHtmlTest, MailLinksOffAndAddressLinks) {
    SetPost(3, {"Anon", "sage", "2005/01/01 ID:abc", "abc", R"(<a href="x">&gt;&gt;3</a> ttp://a/b.png)"}, 1, 0);
    for (const Writer& w : WRITERS) {
        ASSERT_EQ(w.write(session_, PagePath().c_str(), {}), 1);
        const std::string unlinked = std::regex_replace(Page(), std::regex(R"(<a href="mailto:sage">(.*?)</a>)"), "$1");
        PageForm form;
        form.mailLinks = false;
        ASSERT_EQ(w.write(session_, PagePath().c_str(), form), 1);
        EXPECT_EQ(Page(), unlinked) << w.name;
        EXPECT_EQ(Page().find("mailto"), std::string::npos) << w.name;
        form = {};
        form.localLinks = form.links = true;
        ASSERT_EQ(w.write(session_, PagePath().c_str(), form), 1);
        EXPECT_NE(Page().find(R"(3">&gt;&gt;3</a> <a href="http://a/b.png"><img src="http://a/b.png")"), std::string::npos) << w.name;
    }
}

}  // namespace
