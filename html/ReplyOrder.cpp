#include "html/ReplyOrder.h"

#include "html/HtmlPage.h"
#include "select/Anchors.h"

std::vector<int> PageOrder(const PostTable& posts, bool replyOrder) {
    std::vector<int> out;
    for (int i = 0; i < MAX_POSTS; ++i)
        if (GoesOut(posts[i])) out.push_back(i);
    if (!replyOrder) return out;

    // Visited in number order, so every list of replies is in number order too.
    std::vector<int> roots;
    std::vector<std::vector<int>> replies(MAX_POSTS);
    for (int i : out) {
        int parent = -1;
        ForEachAnchor(posts[i].body, [&](int n) {
            if (parent < 0 && n - 1 < i && GoesOut(posts[n - 1])) parent = n - 1;
        });
        (parent < 0 ? roots : replies[parent]).push_back(i);
    }
    // Depth first without recursion: a chain of replies may be a thousand deep.
    std::vector<int> ordered, stack(roots.rbegin(), roots.rend());
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        ordered.push_back(i);
        stack.insert(stack.end(), replies[i].rbegin(), replies[i].rend());
    }
    return ordered;
}
