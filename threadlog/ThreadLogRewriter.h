// The thread log written again, reduced to the marked posts: "_RE.dat" beside
// the page. Exactly MAX_POSTS lines, each ended by a line feed; line i is the
// line of record i when i is 0 (the title line) or the post is marked in
// either list, else "<><><><>", so every kept post keeps its number.
#pragma once

const char REWRITTEN_ENDING[] = "_RE.dat";

#include "posts/PostTable.h"

// Writes the file named after outputPath (its extension replaced by
// "_RE.dat"), replacing one there only once wholly written. Failures are
// logged only.
void RewriteThreadLog(const PostTable& posts, const char* outputPath);
