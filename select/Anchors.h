// Anchors in a post's body: "&gt;&gt;" (bodies hold HTML, so ">>12" is stored
// escaped) followed by a number. One rule for every command and page that
// follows replies.
#pragma once

#include <cstdint>
#include <cstring>

#include "posts/PostTable.h"
#include "select/DecimalNumber.h"

const char ANCHOR_OPENING[] = "&gt;&gt;";
const size_t ANCHOR_OPENING_LENGTH = sizeof ANCHOR_OPENING - 1;

// Calls visit(n) for the post number n (1 to MAX_POSTS) that each anchor of
// body names, in byte order. Only the first number behind an opening counts
// ("12-15" takes 12), read by the decimal rule; the search goes on right
// behind the opening, not behind the number.
template <class Visit>
void ForEachAnchor(const char* body, Visit visit) {
    for (const char* at = strstr(body, ANCHOR_OPENING); at; at = strstr(at + ANCHOR_OPENING_LENGTH, ANCHOR_OPENING)) {
        int32_t number = 0;
        if (ParseDecimal(at + ANCHOR_OPENING_LENGTH, number) && number >= 1 && number <= MAX_POSTS) visit(number);
    }
}
