// Writes the pages the browser test opens: a thread log's page in each output
// mode and character set, a third of its posts left unmarked and every fourth
// emphasised, with the links of the page's form on where a character set is
// declared and reply order with UTF-8. Lists each page with what it should
// show in pages.txt: "FILE LOG CHARSET LINKS N..." (N in the page's order).
//   harvo_browser_pages FOLDER LOG...
#include <cstdio>
#include <cstring>
#include <string>

#include "html/HtmlWriters.h"
#include "html/ReplyOrder.h"
#include "posts/Emphasis.h"
#include "threadlog/ThreadLogReader.h"

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    static PostTable posts;
    const std::string folder = argv[1];
    FILE* list = fopen((folder + "/pages.txt").c_str(), "w");
    if (!list) return 1;
    StyleSheetOptions styleSheet = {};
    strcpy(styleSheet.targetClass, SETTING_TARGET_TEXT.def);
    styleSheet.groupIds = true;
    int pages = 0;
    for (int log = 2; log < argc; ++log) {
        if (ReadThreadLog(posts, argv[log]) != 1) return 1;
        for (int n = 1; n <= MAX_POSTS; ++n) {
            (n % 2 ? posts[n - 1].mainCheck : posts[n - 1].subCheck) = n % 3 != 0;
            if (n % 4 == 0)
                posts[n - 1].emphasis = static_cast<uint8_t>(WithSize(WithColour(0, n % 6), n % 3) |
                                                             (n % 8 ? EMPHASIS_BOLD : EMPHASIS_AA));
        }
        NumberIdGroups(posts, true);
        for (int charset : {CHARSET_UNDECLARED, CHARSET_SHIFT_JIS, CHARSET_UTF8}) {
            PageForm form;
            form.charset = charset;
            form.localLinks = form.links = charset != CHARSET_UNDECLARED;
            form.mailLinks = charset != CHARSET_UTF8;
            form.replyOrder = charset == CHARSET_UTF8;
            std::string numbers;
            for (int i : PageOrder(posts, form.replyOrder)) numbers += " " + std::to_string(i + 1);
            for (const char* mode : {"body", "name", "style"}) {
                const std::string file = folder + "/" + std::to_string(++pages) + "-" + mode + ".html";
                const bool written =
                    mode[0] == 'b'   ? WriteBodyColourHtml(posts, file.c_str(), "#0033CC", 0, form)
                    : mode[0] == 'n' ? WriteNameColourHtml(posts, file.c_str(), "#CC0000", 0, form)
                                     : WriteStyleSheetHtml(posts, file.c_str(), styleSheet, 0, form);
                if (!written) return 1;
                fprintf(list, "%s %s %d %d%s\n", file.c_str(), argv[log], charset, form.links ? 1 : 0, numbers.c_str());
            }
        }
    }
    return fclose(list) == 0 ? 0 : 1;
}
