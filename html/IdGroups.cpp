// Numbering the poster IDs of the posts marked in the main list, so that the
// style-sheet mode can give all posts of one ID one class.
#include <cstring>

#include "html/HtmlWriters.h"
#include "posts/PostTable.h"

void NumberIdGroups(PostTable& posts, bool grouped) {
    for (int i = 0; i < MAX_POSTS; ++i) posts[i].idGroup = 0;
    if (!grouped) return;

    // Records marked in the main list take the group of the first earlier one
    // with the same ID (posts without an ID share the empty one), or a new
    // number. Only marked records have a group yet, so the first match with a
    // group is the earliest marked record of that ID. A record without a post
    // takes part too, though it is never written.
    int next = 1;
    for (int i = 0; i < MAX_POSTS; ++i) {
        PostRecord& record = posts[i];
        if (record.mainCheck == 0) continue;
        for (int j = 0; j < i && record.idGroup == 0; ++j)
            if (strcmp(posts[j].id, record.id) == 0) record.idGroup = posts[j].idGroup;
        if (record.idGroup == 0) record.idGroup = next++;
    }
}
