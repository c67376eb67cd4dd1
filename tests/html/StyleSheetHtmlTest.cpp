// The style-sheet page, byte for byte, under its settings, and the numbering
// of ID groups that feeds it.
#include <gtest/gtest.h>

#include <cstdio>

#include "html/HtmlWriters.h"
#include "tests/html/HtmlFixture.h"

namespace {

using StyleSheetHtmlTest = HtmlTest;

constexpr TestPost SAGE = {"Anon", "sage", "2005/01/01 ID:abc", "abc", "Hi"};
const char NO_INI[] = "";  // no program INI at all

TEST_F(StyleSheetHtmlTest, Pages) {
    struct Case {
        const char* ini;
        TestPost post;
        int mainCheck, subCheck, idGroup, mailFlag;
        std::vector<std::string> lines;  // the rows of post 3
        uint8_t emphasis = 0;
    };
    const Case cases[] = {
        {NO_INI, ANON, 1, 0, 0, 0,
         {"<dt>", R"(<a name="3"> 3 </a>)", R"(<span class="hvName">)", "<b>Anon</b></span>",
          R"( <span class="hvDateId">2005/01/01 ID:abc</span>)", "</dt>", "<dd>",
          R"(<div class="hvTargetText">)", "Hi", "<br></div>", "<br>", "</dd>"}},
        {"[CSS]\r\nTAG_KIND=1\r\nSELECT_ID=1\r\n", SAGE, 1, 0, 2, 1,
         {R"(<dt class="hvTargetText2">)", R"(<a name="3"> 3 </a>)",
          R"(<a href="mailto:sage"><b>Anon</b></a>)", " sage 2005/01/01 ID:abc</dt>",
          R"(<dd class="hvTargetText2">)", "Hi", "<br><br>", "</dd>"}},
        {"[css]\r\ntag_kind=1\r\n", ANON, 0, 1, 0, 0,
         {R"(<dt class="hvDefHead">)", R"(<a name="3"> 3 </a>)", "", "<b>Anon</b> 2005/01/01 ID:abc</dt>",
          R"(<dd class="hvDefText">)", "Hi", "<br><br>", "</dd>"}},
        {"[CSS]\r\nTAG_KIND=2\r\n", ANON, 0, 1, 0, 0,
         {R"(<dt class="hvDefHead">)", R"(<a name="3"> 3 </a>)", R"(<span class="hvName">)",
          "<b>Anon</b></span>", R"( <span class="hvDateId">2005/01/01 ID:abc</span>)", "</dt>",
          R"(<dd class="hvDefText">)", R"(<div class="hvDefText">)", "Hi", "<br></div>", "<br>", "</dd>"}},
        {"[CSS]\r\nTAG_KIND=2\r\nTARGET_TEXT=\r\n", SAGE, 1, 1, 0, 1,
         {R"(<dt class="hvTargetText">)", R"(<a name="3"> 3 </a>)", R"(<a href="mailto:sage"><b>Anon</b></a>)",
          R"( <span class="hvMail">sage</span>)", R"( <span class="hvDateId">2005/01/01 ID:abc</span>)",
          "</dt>", R"(<dd class="hvTargetText">)", R"(<div class="hvTargetText">)", "Hi", "<br></div>", "<br>",
          "</dd>"}},
        {"[CSS]\r\nTAG_KIND=-3\r\nTARGET_TEXT=mark\r\n", SAGE, 2, 0, 12, 0,
         {R"(<dt class="mark12">)", R"(<a name="3"> 3 </a>)", R"(<a href="mailto:sage"><b>Anon</b></a>)",
          R"( <span class="hvDateId">2005/01/01 ID:abc</span>)", "</dt>", R"(<dd class="mark12">)",
          R"(<div class="mark12">)", "Hi", "<br></div>", "<br>", "</dd>"}},
        {"[CSS]\r\nTARGET_TEXT=mark\r\n", ANON, 1, 0, 0, 2,
         {"<dt>", R"(<a name="3"> 3 </a>)", R"(<span class="hvName">)", "<b>Anon</b></span>",
          R"( <span class="hvDateId">2005/01/01 ID:abc</span>)", "</dt>", "<dd>", R"(<div class="mark">)", "Hi",
          "<br></div>", "<br>", "</dd>"}},
        {NO_INI, ANON, 0, 1, 0, 0,
         {"<dt>", R"(<a name="3"> 3 </a>)", R"(<span class="hvName">)", "<b>Anon</b></span>",
          R"( <span class="hvDateId">2005/01/01 ID:abc</span>)", "</dt>", "<dd>", R"(<div class="hvDefText">)",
          R"(<span class="hvEmphasis hvColour4 hvSize2 hvBold hvAA">)", "Hi", "</span>", "<br></div>", "<br>",
          "</dd>"},
         0x04 | 0x10 | 0x20 | 0x40},
    };
    for (const Case& c : cases) {
        if (c.ini == NO_INI)
            std::remove(session_.iniPath);
        else
            WriteProgramIni(c.ini);
        SetPost(3, c.post, c.mainCheck, c.subCheck);
        postTable[2].idGroup = c.idGroup;
        postTable[2].emphasis = c.emphasis;
        ASSERT_EQ(WriteStyleSheetHtml(postTable, PagePath().c_str(), ReadStyleSheetOptions(session_.iniPath), c.mailFlag), 1) << c.ini;
        EXPECT_EQ(Page(), StyleSheetHead(TITLE) + Lines(c.lines) + FOOT) << c.ini;
    }
}

std::vector<int> Groups(const PostTable& postTable, int count) {
    std::vector<int> groups;
    for (int i = 0; i < count; ++i) groups.push_back(postTable[i].idGroup);
    return groups;
}

TEST_F(StyleSheetHtmlTest, IdGroupsGiveTheHeadingsTheirClasses) {
    WriteProgramIni("[CSS]\r\nSELECT_ID=1\r\nTAG_KIND=1\r\n");
    SetPost(1, {"a", "", "d ID:A", "A", "1"}, 1, 0);
    SetPost(2, {"b", "", "d ID:B", "B", "2"}, 1, 0);
    SetPost(3, {"c", "", "d ID:B", "B", "3"}, 0, 1);
    SetPost(4, {"d", "", "d ID:A", "A", "4"}, 1, 1);
    SetPost(5, {"e", "", "d", "", "5"}, 1, 0);
    NumberIdGroups(postTable, ReadStyleSheetOptions(session_.iniPath).groupIds);
    EXPECT_EQ(Groups(postTable, 5), (std::vector<int>{1, 2, 0, 1, 3}));

    ASSERT_EQ(WriteStyleSheetHtml(postTable, PagePath().c_str(), ReadStyleSheetOptions(session_.iniPath), 0), 1);
    const std::string page = Page();
    std::vector<std::string> headings;
    for (size_t at = page.find("<dt class=\""); at != std::string::npos; at = page.find("<dt class=\"", at + 1))
        headings.push_back(page.substr(at + 11, page.find('"', at + 11) - at - 11));
    EXPECT_EQ(headings, (std::vector<std::string>{"hvTargetText1", "hvTargetText2", "hvDefHead",
                                                  "hvTargetText1", "hvTargetText3"}));
}

TEST_F(StyleSheetHtmlTest, IdGroupNumbering) {
    // Rows without a post take part: the empty ID of record 2 is the group the
    // post without an ID joins.
    SetPost(1, {"a", "", "d ID:X", "X", "1"}, 1, 0);
    SetPost(2, {"", "", "", "", ""}, 1, 0);
    SetPost(3, {"c", "", "d ID:Y", "Y", "3"}, 1, 0);
    SetPost(4, {"d", "", "d", "", "4"}, 1, 0);
    SetPost(5, {"e", "", "d ID:Y", "Y", "5"}, 0, 1);
    SetPost(6, {"f", "", "d ID:Y", "Y", "6"}, 7, 0);
    postTable[4].idGroup = 9;      // left from an earlier run
    postTable[1000].idGroup = 9;   // beyond the working range: left alone
    const struct {
        const char* ini;
        std::vector<int> groups;
    } cases[] = {
        {"[css]\r\nselect_id=1\r\n", {1, 2, 3, 2, 0, 3}},
        {"[CSS]\r\nSELECT_ID=0\r\n", {0, 0, 0, 0, 0, 0}},
        {"[CSS]\r\nSELECT_ID=2\r\n", {0, 0, 0, 0, 0, 0}},
        {"[CSS]\r\nSELECT_ID=\r\n", {0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        WriteProgramIni(c.ini);
        NumberIdGroups(postTable, ReadStyleSheetOptions(session_.iniPath).groupIds);
        EXPECT_EQ(Groups(postTable, 6), c.groups) << c.ini;
        EXPECT_EQ(postTable[1000].idGroup, 9);
    }
}

}  // namespace
