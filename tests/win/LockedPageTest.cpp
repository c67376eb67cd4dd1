// A page the system will not let us replace (another program holds it open
// without letting it be deleted or renamed over): the writer says so and the
// old page stays as it was, byte for byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "html/HtmlWriters.h"
#include "tests/html/HtmlFixture.h"

namespace {

using LockedPageTest = HtmlTest;

TEST_F(LockedPageTest, KeepsTheOldPage) {
    const std::string oldPage = "<html>kept</html>\r\n";
    SetPost(3, ANON, 1, 0);
    WriteBytes(PagePath(), oldPage);
    const std::set<std::string> before = FolderNames(dir_.path());
    const std::wstring page = std::filesystem::path(PagePath()).wstring();
    HANDLE holder = CreateFileW(page.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    EXPECT_EQ(WriteBodyColourHtml(postTable, PagePath().c_str(), "#FF0000", 0), 0);
    EXPECT_EQ(ReadBytes(PagePath()), oldPage);
    EXPECT_EQ(FolderNames(dir_.path()), before);  // no temporary file left
    EXPECT_NE(Log().find("出力ファイル書き込みエラー"), std::string::npos);

    CloseHandle(holder);
    EXPECT_EQ(WriteBodyColourHtml(postTable, PagePath().c_str(), "#FF0000", 0), 1);
    EXPECT_NE(ReadBytes(PagePath()), oldPage);
}

}  // namespace
