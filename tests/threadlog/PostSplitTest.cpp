// Splitting a line into its fields, and the name and date field into their parts.
#include <memory>

#include "tests/threadlog/ThreadLogFixture.h"

namespace {

TEST_F(ThreadLogTest, SplitTakesAFieldOnlyWhenItsSeparatorIsThere) {
    struct Case {
        int index;
        std::string line;
        std::string fields[5];  // name, mail, dateId, body, title
    };
    const Case cases[] = {
        {0, "n<>m<>d<>b<>タイトル", {"n", "m", "d", "b", "タイトル"}},
        {1, "n<>m<>d<>b<>タイトル", {"n", "m", "d", "b", ""}},
        {0, "n<>m<>d<>b<>t<>rest", {"n", "m", "d", "b", "t"}},
        {2, "n<>m<>d<>b<>t<>rest", {"n", "m", "d", "b", "t"}},
        {0, "n<>m<>d<>body", {"n", "m", "d", "", ""}},
        {0, "<><><><>", {"", "", "", "", ""}},
        {0, "", {"", "", "", "", ""}},
        // Separators across the 16- and 64-byte steps of the search, and a '<' at the end.
        {1, std::string(63, 'n') + "<>" + std::string(13, 'm') + "<>" + std::string(60, '<') + "<>b<><",
         {std::string(63, 'n'), std::string(13, 'm'), std::string(60, '<'), "b", ""}},
        // Fields are cut to their widths, and a cut field spills into no other.
        {0, std::string(300, 'n') + "<>m<>d<>b<>" + std::string(300, 't'),
         {std::string(255, 'n'), "m", "d", "b", std::string(255, 't')}},
        {1, "n<>m<>d<>" + std::string(5000, 'b') + "<>", {"n", "m", "d", std::string(4095, 'b'), ""}},
    };
    auto record = std::make_unique<PostRecord>();
    for (const Case& c : cases) {
        memset(record.get(), 0x55, sizeof *record);  // a split starts from a zeroed record
        SplitPostLine(c.index, c.line.c_str(), record.get());
        EXPECT_EQ(record->number, c.index);
        EXPECT_EQ(record->line, c.line);
        EXPECT_EQ(record->name, c.fields[0]) << c.line;
        EXPECT_EQ(record->mail, c.fields[1]) << c.line;
        EXPECT_EQ(record->dateId, c.fields[2]) << c.line;
        EXPECT_EQ(record->body, c.fields[3]) << c.line;
        EXPECT_EQ(record->title, c.fields[4]) << c.line;
        PostRecord& r = *record;
        for (const char* derived : {r.kote, r.trip, r.date, r.id}) EXPECT_STREQ(derived, "");
        EXPECT_EQ(r.mainCheck | r.subCheck | r.idGroup, 0);
    }
}

TEST_F(ThreadLogTest, SplitLogsTitleThenTheFourFields) {
    auto record = std::make_unique<PostRecord>();
    SplitPostLine(0, "名前<><>2008/01/07(月) ID:x<> 本文 <>スレタイ", record.get());
    SplitPostLine(1, "名前<>sage<>d<>b<>", record.get());
    EXPECT_EQ(Records(), (std::vector<std::string>{"DEBUG|[スレッドタイトル]|スレタイ", "DEBUG|名前", "DEBUG",
                                                   "DEBUG|2008/01/07(月) ID:x", "DEBUG| 本文 ", "DEBUG|名前",
                                                   "DEBUG|sage", "DEBUG|d", "DEBUG|b"}));
}

TEST_F(ThreadLogTest, SplitStepDerivesDateIdKoteAndTrip) {
    struct Case {
        const char* name;
        const char* dateId;
        const char* date;
        const char* id;
        const char* kote;
        const char* trip;
    };
    const Case cases[] = {
        {"名無し", "2008/01/07(月) 14:10:06 ID:T0OW3SHo", "2008/01/07(月) 14:10:06 ", "T0OW3SHo", "", ""},
        {"n", "2008/08/17(日) ID:1hlWO7Vt BE:95537333-2BP(111)", "2008/08/17(日) ", "1hlWO7Vt", "", ""},
        {"n", "2007/10/27(土) 09:07:56 ", "2007/10/27(土) 09:07:56 ", "", "", ""},
        {"n", "d ID:BE:1", "d ", "BE:1", "", ""},       // "BE:" at byte 0 of the ID
        {"n", "d ID:xBE:1", "d ", "xBE:1", "", ""},     // at byte 1
        {"n", "d ID:xyBE:1", "d ", "x", "", ""},        // at byte 2: the byte before it goes too
        {"n", "d ID:abィE:1", "d ", "ab", "", ""},      // "ィ" ends in the byte 'B'
        {"n", "オD:abc", "\x83", "abc", "", ""},        // "オ" ends in the byte 'I'
        {"名無し </b>◆trip <b>", "d ID:x", "d ", "x", "名無し ", "◆trip"},
        {"</b>◆trip<b>", "d ID:x", "d ", "x", "", "◆trip"},
        {"handle</b>◆trip", "d ID:x", "d ", "x", "handle", ""},
        {"a</b>t<b>u <b>", "d ID:x", "d ", "x", "a", "t<b>u"},  // " <b>" is looked for first
        {"no trip", "d ID:x", "d ", "x", "", ""},
        {"a</b>b<b>", "", "", "", "", ""},  // no date field: nothing is derived
    };
    for (const Case& c : cases) {
        ClearPostTable(postTable);
        strcpy(postTable[0].name, c.name);
        strcpy(postTable[0].dateId, c.dateId);
        SplitNamesAndDateIds(postTable);
        const PostRecord& r = postTable[0];
        EXPECT_STREQ(r.date, c.date) << c.dateId;
        EXPECT_STREQ(r.id, c.id) << c.dateId;
        EXPECT_STREQ(r.kote, c.kote) << c.name;
        EXPECT_STREQ(r.trip, c.trip) << c.name;
    }
}

TEST_F(ThreadLogTest, SplitStepCoversTheWorkingRangeOnly) {
    for (int i : {MAX_POSTS - 1, MAX_POSTS}) strcpy(postTable[i].dateId, "d ID:x");
    SplitNamesAndDateIds(postTable);
    EXPECT_STREQ(postTable[MAX_POSTS - 1].id, "x");
    EXPECT_STREQ(postTable[MAX_POSTS].id, "");
}

TEST_F(ThreadLogTest, SplitStepLogsEachPart) {
    strcpy(postTable[0].name, "h </b>◆t <b>");
    strcpy(postTable[0].dateId, "d ID:x BE:1");
    strcpy(postTable[1].name, "n");
    strcpy(postTable[1].dateId, "d");
    SplitNamesAndDateIds(postTable);
    EXPECT_EQ(Records(), (std::vector<std::string>{"DEBUG|日付|d ", "DEBUG|ID|x", "DEBUG|コテ|h ",
                                                   "DEBUG|トリップ|◆t", "DEBUG|日付|d", "DEBUG|IDなし"}));
}

}  // namespace
