// The preview window: one post of the post table as readable text, modal
// over the main dialog, so that the user can read a post before marking it.
#pragma once

#include <windows.h>

#include "posts/PostTable.h"

// Opens the window for the post of the row (record row) when the row holds
// a post; returns once the window is closed. Nothing happens for any other row.
void ShowPostPreview(HWND owner, const PostTable& posts, int row);
