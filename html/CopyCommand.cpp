#include "html/CopyCommand.h"

#include <cstdio>
#include <string>

#include "html/ConvertCommand.h"
#include "html/HtmlPage.h"
#include "platform/Platform.h"
#include "posts/Cp932.h"
#include "resources/resource.h"
#include "scriv/Scriv.h"

namespace {

const char STATUS_COPIED[] = "クリップボードにコピーしました（%d件）";
const char STATUS_NOTHING_MARKED[] = "コピーするレスがありません";
const char STATUS_NOT_COPIED[] = "クリップボードにコピーできませんでした";
const char LOG_CLIPBOARD[] = "ERROR:クリップボード";

const char LIST_START[] = "\r\n<dl>\r\n";
const char LIST_END[] = "</dl>\r\n";

}  // namespace

// No thread log line holds a line break, so the first line "<dl>" is the
// head's last and the last line "</dl>" the foot's first.
bool CopyPageHtml(Session& session, DialogPort& dialog) {
    const int count = PostsGoingOut(session.posts);
    if (count == 0) {
        dialog.SetText(IDC_STATUS, STATUS_NOTHING_MARKED);
        return false;
    }
    std::string page;
    PageOptions options = ReadPageOptions(session.iniPath);
    options.form.inMemory = &page;
    options.form.charset = CHARSET_UNDECLARED;  // only the head would differ
    WritePageOfMode(session, nullptr, options);
    const size_t start = page.find(LIST_START) + 2, end = page.rfind(LIST_END) + sizeof LIST_END - 1;
    std::string text;
    AppendCp932AsUtf8(page.data() + start, end - start, true, text);
    if (!dialog.CopyText(text.c_str())) {
        ScrivEx(SCRIV_ERROR, plat::GetLastErrorCode(), LOG_CLIPBOARD, STATUS_NOT_COPIED);
        dialog.SetText(IDC_STATUS, STATUS_NOT_COPIED);
        return false;
    }
    char status[96];
    snprintf(status, sizeof status, STATUS_COPIED, count);
    dialog.SetText(IDC_STATUS, status);
    return true;
}
