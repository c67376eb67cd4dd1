// A page that cannot be written wholly is reported as not written, and the
// page that was there before stays as it was, byte for byte.
#include <gtest/gtest.h>

#include <cstdio>

#include "html/HtmlWriters.h"
#include "tests/html/HtmlFixture.h"
#include "tests/support/FaultyFiles.h"

#ifndef _WIN32
#include <errno.h>
#include <signal.h>
#include <sys/resource.h>
#endif

namespace {

using PageSaveTest = HtmlTest;

const std::string OLD_PAGE = "<html>the page of an earlier conversion</html>\r\n";

// The page's file could not be created: a trace record (kind 1, error code 0).
const std::string OPEN_RECORD = HeaderLine(" === TRACE === ") + INDENT + "ERROR:fopen()\r\n" + INDENT +
                                "出力ファイルオープンエラー\r\n\r\n";
// It could not be wholly written and put in place: an error record with the
// last-error value of the failing call (then the system's text for it).
std::string WriteRecord(uint32_t code) {
    char codeLine[40];
    snprintf(codeLine, sizeof codeLine, "※ GetLastError=0x%08x\r\n", code);
    return HeaderLine(" 【  ERROR  】 ") + INDENT + "ERROR:fwrite()\r\n" + INDENT +
           "出力ファイル書き込みエラー\r\n" + INDENT + codeLine;
}

TEST_F(PageSaveTest, UnwritableTargetsFailAndLeaveNothing) {
    SetPost(3, ANON, 1, 0);
    MakeDir(dir_.File("folder.html"));
    const std::function<bool(const char*)> writers[] = {
        [&](const char* p) { return WriteBodyColourHtml(postTable, p, "", 0); },
        [&](const char* p) { return WriteNameColourHtml(postTable, p, "", 0); },
        [&](const char* p) { return WriteStyleSheetHtml(postTable, p, ReadStyleSheetOptions(session_.iniPath), 0); },
    };
    const std::set<std::string> before = FolderNames(dir_.path());
    for (auto write : writers) {
        for (const std::string& target : {dir_.File("missing/page.html"), std::string()}) {
            const size_t logged = Log().size();
            EXPECT_EQ(write(target.c_str()), 0) << target;
            EXPECT_EQ(Log().substr(logged), OPEN_RECORD) << target;
        }
        // A folder of that name is found only when the page is put in its place.
        const size_t logged = Log().size();
        EXPECT_EQ(write(dir_.File("folder.html").c_str()), 0);
        const uint32_t error = plat::GetLastErrorCode();  // the system's, for the refused move
        EXPECT_NE(error, 0u);
        EXPECT_TRUE(StartsWith(Log().substr(logged), WriteRecord(error)));
    }
    EXPECT_EQ(FolderNames(dir_.path()), before);
}

TEST_F(PageSaveTest, AFailureAtAnyStepKeepsTheOldPage) {
    const std::string body(4000, 'x');  // a page of about 400 KB, written in several pieces
    for (int n = 1; n <= 100; ++n) SetPost(n, {"name", "", "date ID:id", "id", body.c_str()}, 1, 0);
    WriteBytes(PagePath(), OLD_PAGE);
    const std::set<std::string> before = FolderNames(dir_.path());
    const struct {
        FaultyFiles::Op op;
        int failAt;
    } steps[] = {{FaultyFiles::Open, 1},  {FaultyFiles::Write, 1}, {FaultyFiles::Write, 3},
                 {FaultyFiles::Flush, 1}, {FaultyFiles::Close, 1}, {FaultyFiles::Move, 1}};
    for (const auto& step : steps) {
        const std::string what = std::to_string(step.op) + " #" + std::to_string(step.failAt);
        const size_t logged = Log().size();
        uint32_t error;
        {
            FaultyFiles fault(step.failAt, FaultyFiles::Fault::Transient, step.op);
            EXPECT_EQ(WriteBodyColourHtml(postTable, PagePath().c_str(), "", 0), 0) << what;
            error = plat::GetLastErrorCode();  // the failing call's, kept through clean-up and log
            EXPECT_TRUE(fault.fired()) << what;
        }
        EXPECT_EQ(ReadBytes(PagePath()), OLD_PAGE) << what;
        EXPECT_EQ(FolderNames(dir_.path()), before) << what;  // no temporary file left
        const std::string record = Log().substr(logged);
        if (step.op == FaultyFiles::Open) {
            EXPECT_EQ(record, OPEN_RECORD);
        } else {
            EXPECT_EQ(error, FaultyFiles::INJECTED_ERROR) << what;
            EXPECT_TRUE(StartsWith(record, WriteRecord(error))) << what << "\n" << record;
        }
    }
    ASSERT_EQ(WriteBodyColourHtml(postTable, PagePath().c_str(), "", 0), 1);
    EXPECT_GT(ReadBytes(PagePath()).size(), 400000u);
    EXPECT_EQ(FolderNames(dir_.path()), before);
}

#ifndef _WIN32
// A real write error part-way: the file size limit stands in for a full disk.
TEST_F(PageSaveTest, ADiskFullPartWayKeepsTheOldPage) {
    const std::string body(4000, 'x');
    for (int n = 1; n <= MAX_POSTS; ++n) SetPost(n, {"name", "", "date ID:id", "id", body.c_str()}, 1, 0);
    WriteBytes(PagePath(), OLD_PAGE);
    const std::set<std::string> before = FolderNames(dir_.path());
    const size_t logged = Log().size();

    rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    void (*savedHandler)(int) = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1 << 20;  // a quarter of the page
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int result = WriteBodyColourHtml(postTable, PagePath().c_str(), "", 0);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, savedHandler);

    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadBytes(PagePath()), OLD_PAGE);
    EXPECT_EQ(FolderNames(dir_.path()), before);
    EXPECT_TRUE(StartsWith(Log().substr(logged), WriteRecord(EFBIG)));
}
#endif

}  // namespace
