#include "select/KeywordSelect.h"

#include "resources/resource.h"
#include "select/MainListMarks.h"
#include "select/SelectTexts.h"
#include "ui/PostPreview.h"

namespace {
const char FULL_WIDTH_BLANK[] = "\xE3\x80\x80";  // U+3000 in UTF-8
}  // namespace

std::vector<std::string> KeywordWords(const std::string& keyword) {
    std::vector<std::string> words;
    std::string word;
    for (size_t i = 0; i < keyword.size();) {
        const size_t blank = keyword[i] == ' ' ? 1 : keyword.compare(i, 3, FULL_WIDTH_BLANK) == 0 ? 3 : 0;
        if (blank == 0) {
            word += keyword[i++];
            continue;
        }
        if (!word.empty()) words.push_back(word);
        word.clear();
        i += blank;
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

bool SelectByKeyword(Session& session, DialogPort& dialog) {
    dialog.SetText(IDC_STATUS, "");
    std::string keyword;
    if (!dialog.AskKeyword(keyword)) return true;
    const std::vector<std::string> words = KeywordWords(keyword);
    return MarkMainPosts(session, dialog, STATUS_KEYWORD_DONE, [&](int i) {
        if (words.empty() || session.posts[i].body[0] == '\0') return false;
        // UTF-8 keeps every character whole: a byte match is a character match.
        const std::string text = MarkupAsText(session.posts[i].body);
        for (const std::string& word : words)
            if (text.find(word) == std::string::npos) return false;
        return true;
    });
}
