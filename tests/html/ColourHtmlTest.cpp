// The body colour and name colour pages, byte for byte, and the rules all
// writers share: which records go out, the head and foot, the title.
#include <gtest/gtest.h>

#include <cstdlib>

#include "html/HtmlWriters.h"
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
};

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
    };
    for (const Case& c : cases) {
        SetPost(3, c.post, c.mainCheck, c.subCheck);
        ASSERT_EQ(WriteBodyColourHtml(PagePath().c_str(), c.colour, c.mailFlag), 1) << c.what;
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
    };
    for (const Case& c : cases) {
        SetPost(3, c.post, c.mainCheck, c.subCheck);
        ASSERT_EQ(WriteNameColourHtml(PagePath().c_str(), c.colour, c.mailFlag), 1) << c.what;
        EXPECT_EQ(Page(), NameColourHead(TITLE) + Lines(c.lines) + FOOT) << c.what;
    }
}

// Each writer in turn, with its head.
struct Writer {
    const char* name;
    int (*write)(const char* path);
    std::string (*head)(const std::string& title);
    const char* anchor;  // what precedes a post's number in its anchor
};
const Writer WRITERS[] = {
    {"body colour", [](const char* p) { return WriteBodyColourHtml(p, "#FF0000", 1); }, BodyColourHead,
     R"(<a name=")"},
    {"name colour", [](const char* p) { return WriteNameColourHtml(p, "#FF0000", 1); }, NameColourHead,
     R"(<a name="R)"},
    {"style sheet", [](const char* p) { return WriteStyleSheetHtml(p, ReadStyleSheetOptions(), 1); }, StyleSheetHead, R"(<a name=")"},
};

TEST_F(ColourHtmlTest, NoPostGoingOutLeavesHeadAndFoot) {
    SetPost(3, ANON, 0, 0);                       // not marked
    SetPost(4, {"a", "", "", "", "b"}, 1, 1);      // marked, but no post
    for (const char* title : {TITLE, ""}) {
        strcpy(postTable[0].title, title);
        for (const Writer& w : WRITERS) {
            ASSERT_EQ(w.write(PagePath().c_str()), 1) << w.name;
            EXPECT_EQ(Page(), w.head(title) + FOOT) << w.name << " / " << title;
        }
    }
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
        ASSERT_EQ(w.write(PagePath().c_str()), 1);
        const std::string page = Page();
        const std::string anchor = w.anchor;
        std::vector<int> numbers;
        for (size_t at = page.find(anchor); at != std::string::npos; at = page.find(anchor, at + 1))
            numbers.push_back(atoi(page.c_str() + at + anchor.size()));
        EXPECT_EQ(numbers, (std::vector<int>{1, 2, 4, 7, 1000})) << w.name;
    }
}

}  // namespace
