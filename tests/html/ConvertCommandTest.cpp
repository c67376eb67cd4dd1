#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "html/ConvertCommand.h"
#include "html/CopyCommand.h"
#include "tests/html/HtmlFixture.h"
#include "tests/support/ProgramFixture.h"

namespace {

const char THREAD[] =
    "名無し<>sage<>2009/01/01 ID:aaa<>一つ目<>スレタイ\n"
    "名無し<><>2009/01/02 ID:bbb<>二つ目<>\n"
    "名無し<><>2009/01/03 ID:aaa<>三つ目<>\n";

class ConvertTest : public ProgramTest {
protected:
    std::string At(const std::string& name) const { return dir_.File(name); }
    // The box names dir/page.html unless told otherwise.
    int Convert(const std::string& box = "page.html") {
        dialog_.texts[IDC_OUTPUT_PATH] = box.empty() ? "" : At(box);
        return ConvertToHtml(session_, dialog_);
    }
    std::string Status() { return dialog_.texts[IDC_STATUS]; }
    // The thread loaded with its first post ticked: a page has a post to show.
    std::string LoadMarked(const std::string& name = "1234.dat") {
        dialog_.answers = {true};  // the ticks of a load before are thrown away
        const std::string path = Load(THREAD, name);
        dialog_.answers.clear();
        Tick(IDC_MAIN_LIST, {1});
        return path;
    }
};

// The box empty: the page, the check file and the reduced log go beside the
// thread log, and the box shows the page written.
TEST_F(ConvertTest, DerivesTheNameFromTheLoadedThreadLog) {
    LoadMarked();
    WriteProgramIni("[EXCHANGE]\r\nREDAT=1\r\n");
    EXPECT_EQ(Convert(""), 1);
    EXPECT_EQ(Status(), "変換完了");
    EXPECT_EQ(dialog_.texts[IDC_OUTPUT_PATH], At("1234.html"));
    EXPECT_EQ(ReadBytes(At("1234.html")).rfind(BodyColourHead("スレタイ") + "<dt>", 0), 0u);
    EXPECT_EQ(ReadBytes(At("1234.chk")).size(), 2000u + 4 + sizeof "スレタイ");
    EXPECT_TRUE(PathExists(At("1234_RE.dat")));
    EXPECT_TRUE(Logged("TRACE|出力ファイル|" + At("1234.html")));
    EXPECT_TRUE(dialog_.questions.empty());
}

TEST_F(ConvertTest, NamedOutputIsUsedUnchanged) {
    LoadMarked();
    EXPECT_EQ(Convert("page.htm"), 1);
    EXPECT_TRUE(PathExists(At("page.htm")));
    EXPECT_TRUE(PathExists(At("page.chk")));
    EXPECT_FALSE(PathExists(At("page.htm.html")));
    EXPECT_FALSE(PathExists(At("page_RE.dat"))) << "REDAT is 0 by default";
}

// The copy holds the lines <dl> to </dl> of the page the button writes, as
// UTF-8 decodes them, and writes no file; without a post going out, or a
// clipboard, the status says so.
TEST_F(ConvertTest, CopyTakesThePagesPostsToTheClipboard) {
    LoadMarked();
    Tick(IDC_SUB_LIST, {3});
    for (const char* ini : {"[EXCHANGE]\r\nCHARSET=2\r\n", "[EXCHANGE]\r\nCHARSET=2\r\nKIND=99\r\n[OPTION]\r\nLINKS=1\r\n"}) {
        WriteProgramIni(ini);
        const std::set<std::string> before = FolderNames(dir_.path());
        ASSERT_TRUE(CopyPageHtml(session_, dialog_));
        EXPECT_EQ(FolderNames(dir_.path()), before);
        EXPECT_EQ(Status(), "クリップボードにコピーしました（2件）");
        dialog_.answers = {true};  // the page of the round before is replaced
        ASSERT_EQ(Convert(), 1);
        const std::string page = ReadBytes(At("page.html"));
        const size_t start = page.find("<dl>\r\n"), end = page.rfind("</dl>\r\n") + 7;
        EXPECT_EQ(dialog_.copied.back(), page.substr(start, end - start)) << ini;
    }
    dialog_.clipboardError = 5;
    EXPECT_FALSE(CopyPageHtml(session_, dialog_));
    EXPECT_EQ(Status(), "クリップボードにコピーできませんでした");
    EXPECT_TRUE(Logged("ERROR|ERROR:クリップボード|クリップボードにコピーできませんでした|" + Code(5)));
    Tick(IDC_MAIN_LIST, {1}, false);
    Tick(IDC_SUB_LIST, {3}, false);
    EXPECT_FALSE(CopyPageHtml(session_, dialog_));
    EXPECT_EQ(Status(), "コピーするレスがありません");
    EXPECT_EQ(dialog_.copied.size(), 2u);
}

// An existing page: "No" writes nothing and leaves the marks; "Yes" replaces the page.
TEST_F(ConvertTest, AsksBeforeReplacingAPage) {
    Load(THREAD);
    WriteProgramIni("[EXCHANGE]\r\nREDAT=1\r\n");
    for (const char* name : {"page.html", "page.chk", "page_RE.dat"}) WriteBytes(At(name), "old");
    Tick(IDC_MAIN_LIST, {2});

    dialog_.answers = {false};
    EXPECT_EQ(Convert(), 0);
    EXPECT_EQ(Status(), "変換をキャンセルしました");
    for (const char* name : {"page.html", "page.chk", "page_RE.dat"}) EXPECT_EQ(ReadBytes(At(name)), "old") << name;
    EXPECT_EQ(Ticked(IDC_MAIN_LIST), Posts{2});
    EXPECT_EQ(Records().back(), "TRACE|上書きキャンセル");
    ASSERT_EQ(dialog_.questions.size(), 1u);
    EXPECT_EQ(dialog_.questions[0].text, "ファイルを上書きしてもよろしいでしょうか\n" + At("page.html") + "\n" +
                                             At("page.chk") + "\n" + At("page_RE.dat"));
    EXPECT_EQ(dialog_.questions[0].caption, "上書き確認");

    dialog_.answers = {true};
    EXPECT_EQ(Convert(), 1);
    EXPECT_EQ(Status(), "変換完了");
    EXPECT_NE(ReadBytes(At("page.html")).find("二つ目"), std::string::npos);
    EXPECT_NE(ReadBytes(At("page.chk")), "old");
    EXPECT_NE(ReadBytes(At("page_RE.dat")), "old");
}

// No file a conversion writes may be the thread log: nothing is written then.
TEST_F(ConvertTest, NeverWritesOverTheThreadLog) {
    const struct { const char *log, *box, *ini; } cases[] = {  // the page, the check file, the reduced log
        {"1234.dat", "sub/../1234.DAT", ""}, {"1234.chk", "1234.html", ""},
        {"1234_RE.dat", "1234.html", "[EXCHANGE]\r\nREDAT=1\r\n"}};
    for (const auto& c : cases) {
        LoadMarked(c.log);
        WriteProgramIni(c.ini);
        const auto before = FolderNames(dir_.path());
        EXPECT_EQ(Convert(c.box), 0) << c.log;
        EXPECT_EQ(Status(), "出力ファイルが対象ファイルと同じです");
        EXPECT_EQ(ReadBytes(At(c.log)), THREAD);
        EXPECT_EQ(FolderNames(dir_.path()), before) << "nothing written";
        EXPECT_TRUE(Logged("ERROR|ERROR:出力ファイルが対象ファイルと同じ|" + At(c.log)));
    }
    WriteProgramIni("");
    dialog_.answers = {true};  // 1234.chk, the thread log of the case before, is replaced
    EXPECT_EQ(Convert("1234.html"), 1) << "without the rewrite, 1234_RE.dat is not written";
}

// "KIND" chooses the writer; both colours are read and logged in every mode;
// the marks come from the lists at the moment of the conversion.
TEST_F(ConvertTest, KindChoosesTheWriter) {
    Load(THREAD);
    Tick(IDC_MAIN_LIST, {1, 3});
    const struct {
        const char* kind;
        std::string head;
        const char* mark;  // what only this mode writes
    } modes[] = {
        {"", BodyColourHead("スレタイ"), "<font color=#FF0000>"},
        {"KIND=7\r\n", BodyColourHead("スレタイ"), "<font color=#FF0000>"},
        {"KIND=1\r\n", NameColourHead("スレタイ"), "<font color=#00FF00><b>名無し</b></font>"},
        {"KIND=99\r\n", StyleSheetHead("スレタイ"), "<div class=\"hvTargetText1\">"},
    };
    for (const auto& mode : modes) {
        SCOPED_TRACE(mode.kind);
        WriteProgramIni(std::string("[COLOR]\r\nTEXT=#FF0000\r\nNAME=#00FF00\r\n[CSS]\r\nSELECT_ID=1\r\n") +
                        "[EXCHANGE]\r\nMAIL_OUTPUT=1\r\n" + mode.kind);
        const size_t before = Records().size();
        dialog_.answers = {true};
        EXPECT_EQ(Convert(), 1);
        const std::string page = ReadBytes(At("page.html"));
        EXPECT_EQ(page.substr(0, mode.head.size()), mode.head);
        EXPECT_NE(page.find(mode.mark), std::string::npos);
        EXPECT_NE(page.find("sage"), std::string::npos) << "the mail flag reaches the writer";
        EXPECT_EQ(page.find("二つ目"), std::string::npos);
        const std::vector<std::string> records = Records();
        EXPECT_EQ(std::vector<std::string>(records.begin() + static_cast<long>(before), records.end()),
                  (std::vector<std::string>{"TRACE|出力ファイル|" + At("page.html"), "TRACE|本文カラー|#FF0000",
                                            "TRACE|名前カラー|#00FF00"}));
    }
    EXPECT_EQ(postTable[2].idGroup, 1) << "the ID groups were numbered before the style-sheet writer";
}

TEST_F(ConvertTest, ReducedLogOnlyWhenRedatIsOne) {
    LoadMarked();
    for (const char* redat : {"0", "2", "-1", "1"}) {
        SCOPED_TRACE(redat);
        WriteProgramIni(std::string("[EXCHANGE]\r\nREDAT=") + redat + "\r\n");
        dialog_.answers = {true};
        Convert();
        EXPECT_EQ(PathExists(At("page_RE.dat")), std::string(redat) == "1");
    }
}

// A page that cannot be written leaves no check file and no reduced log, in
// every output mode: a missing folder, a folder under the page's name.
TEST_F(ConvertTest, PageNotWrittenLeavesNothingBehind) {
    LoadMarked();
    MakeDir(At("folder.html"));
    for (const char* kind : {"0", "1", "99"}) {
        for (const std::string box : {"missing/page.html", "folder.html"}) {
            SCOPED_TRACE(std::string(kind) + " " + box);
            WriteProgramIni(std::string("[EXCHANGE]\r\nREDAT=1\r\nKIND=") + kind + "\r\n");
            dialog_.answers = {true};
            EXPECT_EQ(Convert(box), 0);
            EXPECT_EQ(Status(), "HTMLファイルへの変換に失敗しました");
        }
    }
    for (const char* name : {"missing/page.chk", "missing/page_RE.dat", "folder.chk", "folder_RE.dat"})
        EXPECT_FALSE(PathExists(At(name))) << name;
}

// Before any load nothing is converted, whatever the box holds.
TEST_F(ConvertTest, NothingLoadedConvertsNothing) {
    for (const std::string box : {"", "page.html"}) {
        SCOPED_TRACE(box);
        dialog_.texts[IDC_STATUS] = "前の表示";
        EXPECT_EQ(Convert(box), 0);
        EXPECT_EQ(Status(), "");
        EXPECT_EQ(Records().back(), "ERROR|Harvo.cpp|内部エラー：dataファイルの設定なし");
    }
    EXPECT_FALSE(PathExists(At("page.html")));
    EXPECT_FALSE(PathExists(At("page.chk")));
    EXPECT_TRUE(dialog_.questions.empty());
}

// A name that would not fit 259 bytes is refused rather than cut into another
// name: the thread log's name within a byte of the limit (its page name is a
// byte longer), or a name typed into the box.
TEST_F(ConvertTest, NamesTooLongAreRefused) {
    const std::string stem = std::string(259 - At("").size() - 4, 'p');
    const std::string log = LoadMarked(stem + ".dat");
    ASSERT_EQ(log.size(), 259u);
    const std::string typed = At(std::string(300, 't') + ".html");
    for (const std::string& box : {std::string(), typed}) {
        dialog_.texts[IDC_OUTPUT_PATH] = box;
        EXPECT_EQ(ConvertToHtml(session_, dialog_), 0);
        EXPECT_EQ(Status(), "HTMLファイルへの変換に失敗しました");
        EXPECT_EQ(Records().back(), "TRACE|ERROR:ファイル名長さ超過|" + (box.empty() ? log : box));
    }
    EXPECT_FALSE(PathExists(At(stem + ".htm")));
    EXPECT_FALSE(PathExists(typed.substr(0, 259)));
    EXPECT_TRUE(dialog_.questions.empty());
}

// The follow-ups do not undo the page: a check file that cannot be written
// is logged, and the conversion is still done.
TEST_F(ConvertTest, CheckFileFailureStillEndsDone) {
    LoadMarked();
    MakeDir(At("page.chk"));
    dialog_.answers = {true};
    EXPECT_EQ(Convert(), 1);
    EXPECT_EQ(Status(), "変換完了");
    EXPECT_TRUE(PathExists(At("page.html")));
    EXPECT_EQ(Records().back().rfind("ERROR|Harvo.cpp|チェックレスファイル書き込み Error：fopen()|", 0), 0u);
}

// "CHARSET", "LOCAL_LINKS" and "ORDER" reach the writer. The page opens after a
// conversion that ended done, with "OPEN_PAGE" exactly 1; a failure to open it
// is logged and changes nothing else.
TEST_F(ConvertTest, PageSettings) {
    LoadMarked();
    Tick(IDC_MAIN_LIST, {1, 3});
    strcpy(postTable[2].body, R"(<a href="../test/read.cgi/x/1/1">&gt;&gt;1</a>)");
    Tick(IDC_SUB_LIST, {2});
    WriteProgramIni("[EXCHANGE]\r\nCHARSET=2\r\n[OPTION]\r\nOPEN_PAGE=2\r\nLOCAL_LINKS=1\r\nORDER=1\r\n");
    dialog_.answers = {true, true, true};
    EXPECT_EQ(Convert(), 1);
    const std::string page = ReadBytes(At("page.html"));
    EXPECT_LT(page.find(R"(<a name="3">)"), page.find(R"(<a name="2">)")) << "post 3 follows post 1, which it answers";
    EXPECT_NE(page.find("charset=UTF-8"), std::string::npos);
    EXPECT_NE(page.find(u8"<title>スレタイ</title>"), std::string::npos);
    EXPECT_NE(page.find(R"(<a href="#1">)"), std::string::npos) << "post 3's reply link points inside";
    EXPECT_TRUE(dialog_.opened.empty());

    WriteProgramIni("[OPTION]\r\nOPEN_PAGE=1\r\n");
    EXPECT_EQ(Convert(), 1);
    EXPECT_EQ(dialog_.opened, std::vector<std::string>{At("page.html")});
    dialog_.shellError = 5;
    EXPECT_EQ(Convert(), 1);
    EXPECT_EQ(Status(), "変換完了（ページを開けませんでした）");
    EXPECT_EQ(dialog_.opened.size(), 2u);
    EXPECT_EQ(Records().back().rfind("ERROR|Harvo.cpp|ShellExecute()|", 0), 0u) << Records().back();
    dialog_.answers = {false};
    EXPECT_EQ(Convert(), 0);
    EXPECT_EQ(dialog_.opened.size(), 2u) << "a cancelled conversion opens nothing";
}

// Nothing to publish writes nothing: yesterday's check file and page stay.
TEST_F(ConvertTest, NothingMarkedWritesNothing) {
    LoadMarked();
    WriteProgramIni("[EXCHANGE]\r\nREDAT=1\r\n");
    ASSERT_EQ(Convert(), 1);
    const std::string chk = ReadBytes(At("page.chk")), page = ReadBytes(At("page.html"));
    Load(THREAD);  // the next day: nothing ticked, or only rows without a post
    Tick(IDC_SUB_LIST, {900});
    dialog_.answers = {true};
    EXPECT_EQ(Convert(), 0);
    EXPECT_EQ(Status(), "出力するレスがありません");
    EXPECT_EQ(ReadBytes(At("page.chk")), chk);
    EXPECT_EQ(ReadBytes(At("page.html")), page);
    EXPECT_TRUE(dialog_.questions.empty());
}

// A typed name is taken as a chosen one: in the thread log's folder, with
// ".html" when its file part has no extension.
TEST_F(ConvertTest, TypedNamesLieBesideTheThreadLog) {
    LoadMarked();
    MakeDir(At("sub"));
    const struct { std::string typed, written; } cases[] = {
        {"matome", At("matome.html")},
        {"sub/まとめ", At("sub/まとめ.html")},
        {"page.htm", At("page.htm")},
        {"sub.d/../page.txt", At("sub.d/../page.txt")},
        {At("abs"), At("abs.html")},
    };
    MakeDir(At("sub.d"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        dialog_.texts[IDC_OUTPUT_PATH] = c.typed;
        dialog_.answers = {true};  // page.chk of the case before
        EXPECT_TRUE(ConvertToHtml(session_, dialog_)) << Status();
        EXPECT_TRUE(PathExists(c.written));
        const std::string shown = dialog_.texts[IDC_OUTPUT_PATH];  // the page written, by its full path
        EXPECT_EQ(shown.rfind(dir_.path(), 0), 0u) << shown;
        EXPECT_EQ(ReadBytes(shown), ReadBytes(c.written));
    }
}

// With "COPY_CSS" 1 the program's Harvo.css goes beside a page that links it,
// unless one lies there already.
TEST_F(ConvertTest, StyleSheetBesideThePage) {
    LoadMarked();
    WriteBytes(At("Harvo.css"), "the program's");
    MakeDir(At("out"));
    const char* cases[][3] = {{"COPY_CSS=1", "", "the program's"},
                              {"COPY_CSS=1\r\n[EXCHANGE]\r\nKIND=99", "", "the program's"},
                              {"COPY_CSS=1\r\n[EXCHANGE]\r\nKIND=1", "", ""},
                              {"COPY_CSS=2", "", ""},
                              {"COPY_CSS=1", "the user's", "the user's"}};  // INI, Harvo.css there before, after
    for (const auto& c : cases) {
        std::remove(At("out/Harvo.css").c_str());
        if (*c[1]) WriteBytes(At("out/Harvo.css"), c[1]);
        WriteProgramIni(std::string("[OPTION]\r\n") + c[0] + "\r\n");
        dialog_.answers = {true};
        EXPECT_EQ(Convert("out/page.html"), 1) << c[0];
        EXPECT_EQ(ReadBytes(At("out/Harvo.css")), c[2]) << c[0];
    }
}

}  // namespace
