// The order in which the page lists the posts that go out.
#pragma once

#include <vector>

#include "posts/PostTable.h"

// The records that go out (GoesOut), each once. In number order; in reply
// order, each post follows the post it answers: its parent is the first
// anchor of its body, in byte order, that names an earlier post going out.
// Posts without a parent are listed in number order, each followed by its
// replies in number order, each reply by its own replies the same way.
std::vector<int> PageOrder(const PostTable& posts, bool replyOrder);
