#include <cstring>
#include <string>

#include "settings/FileOpenSave.h"
#include "tests/support/ProgramFixture.h"

namespace {

using ChooserTest = ProgramTest;

TEST_F(ChooserTest, ThreadLogChosenGoesIntoTheBoxAndNothingIsLoaded) {
    dialog_.chosenPath = "C:\\logs\\スレッド.dat";
    EXPECT_TRUE(ChooseThreadLog(dialog_));
    EXPECT_EQ(dialog_.texts[IDC_LOG_PATH], "C:\\logs\\スレッド.dat");
    ASSERT_EQ(dialog_.choosers.size(), 1u);
    EXPECT_EQ(dialog_.choosers[0], DialogPort::Chooser::ThreadLog);
    EXPECT_TRUE(dialog_.lists.empty());
    EXPECT_STREQ(session_.loadedLogPath, "");
}

TEST_F(ChooserTest, OutputFileGainsHtmlWhenHtmStandsNowhere) {
    const std::string folder = "C:\\" + std::string(240, 'd') + "\\";
    const struct {
        std::string chosen;
        std::string box;  // empty: refused
    } cases[] = {
        {"C:\\out\\page.html", "C:\\out\\page.html"},
        {"C:\\out\\page.htm", "C:\\out\\page.htm"},
        {"C:\\out\\page.HTM", "C:\\out\\page.HTM.html"},
        {"C:\\x.htm\\page", "C:\\x.htm\\page"},
        {"C:\\out\\page", "C:\\out\\page.html"},
        {"C:\\out\\まとめ.txt", "C:\\out\\まとめ.txt.html"},
        {folder + std::string(10, 'p'), folder + std::string(10, 'p') + ".html"},  // 259 bytes
        {folder + std::string(11, 'p'), ""},  // ".html" would not fit: refused, not cut
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        dialog_.texts[IDC_OUTPUT_PATH] = "old.html";
        dialog_.chosenPath = c.chosen;
        EXPECT_EQ(ChooseOutputFile(dialog_), !c.box.empty());
        EXPECT_EQ(dialog_.texts[IDC_OUTPUT_PATH], c.box.empty() ? "old.html" : c.box);
    }
    EXPECT_EQ(Records().back(), "ERROR|FileOpenSave.cpp|ERROR:FileOpenDlg()|" + Code(CHOOSER_NAME_TOO_LONG));
    EXPECT_EQ(dialog_.choosers.back(), DialogPort::Chooser::Page);
}

// A cancel leaves the box and the log alone; a failing chooser is logged
// with its own code. No chooser proposes a name, not even the one chosen before.
TEST_F(ChooserTest, CancelChangesNothingAndFailureIsLogged) {
    const struct {
        bool (*command)(DialogPort&);
        int box;
    } choosers[] = {{ChooseThreadLog, IDC_LOG_PATH}, {ChooseOutputFile, IDC_OUTPUT_PATH}};
    for (const auto& c : choosers) {
        SCOPED_TRACE(c.box);
        dialog_.chosenPath = "C:\\chosen.dat";
        EXPECT_TRUE(c.command(dialog_));
        dialog_.chosenPath = "";
        dialog_.texts[c.box] = "before";
        dialog_.chooserError = 0;
        const size_t before = Records().size();
        EXPECT_FALSE(c.command(dialog_));
        EXPECT_EQ(dialog_.texts[c.box], "before");
        EXPECT_EQ(dialog_.proposedNames.back(), "");
        EXPECT_EQ(Records().size(), before);

        dialog_.chooserError = 0x3002;
        EXPECT_FALSE(c.command(dialog_));
        EXPECT_EQ(dialog_.texts[c.box], "before");
        EXPECT_EQ(Records().size(), before + 1);
        EXPECT_EQ(Records().back(), "ERROR|FileOpenSave.cpp|ERROR:FileOpenDlg()|" + Code(0x3002));
    }
    EXPECT_TRUE(dialog_.texts[IDC_STATUS].empty());
}

}  // namespace
