// Anchors in a post's body: "&gt;&gt;" (bodies hold HTML, so ">>12" is stored
// escaped) followed by a number. One rule for every command and page that
// follows replies.
#pragma once

#include <cstdint>
#include <cstring>

#include "posts/PostTable.h"
#include "select/DecimalNumber.h"
#include "settings/ProgramIni.h"

const char ANCHOR_OPENING[] = "&gt;&gt;";
const size_t ANCHOR_OPENING_LENGTH = sizeof ANCHOR_OPENING - 1;

// What an anchor names: its first number only ("12-15" takes 12), or, with
// "OPTION" / "ANCHOR_RANGES" 1, also the ranges and lists behind it.
enum class AnchorRule { FirstNumber, RangesAndLists };
const int ANCHOR_RANGE_WIDEST = 20;  // "N-M" names N to M when M - N is at most this, else N alone

inline AnchorRule AnchorRuleOf(const char* iniPath) {
    return ReadIniInt(iniPath, SETTING_ANCHOR_RANGES) == 1 ? AnchorRule::RangesAndLists : AnchorRule::FirstNumber;
}

namespace anchor_detail {

// Digits right at text, no blank nor sign before them: false when there are none.
inline bool ReadDigits(const char* text, int32_t& value, const char*& end) {
    return *text >= '0' && *text <= '9' && ParseDecimal(text, value, &end);
}

// Behind a number that was read up to at: "-M" (a range from that number),
// ",N" (one more number, which may again be followed by "-M" or ",N").
template <class Visit>
void VisitContinuation(int64_t number, const char* at, Visit& visit) {
    for (bool mayRange = true;;) {
        int32_t next = 0;
        const char* end = nullptr;
        if (mayRange && *at == '-' && ReadDigits(at + 1, next, end)) {
            if (number <= next && next - number <= ANCHOR_RANGE_WIDEST)
                for (int64_t n = number + 1; n <= next; ++n)
                    if (n >= 1 && n <= MAX_POSTS) visit(static_cast<int>(n));
            mayRange = false;
        } else if (*at == ',' && ReadDigits(at + 1, next, end)) {
            if (next >= 1 && next <= MAX_POSTS) visit(static_cast<int>(next));
            number = next;
            mayRange = true;
        } else {
            return;
        }
        at = end;
    }
}

}  // namespace anchor_detail

// Calls visit(n) for the post number n (1 to MAX_POSTS) that each anchor of
// body names, in byte order (a number may come more than once). The first
// number behind an opening is read by the decimal rule; the search goes on
// right behind the opening, not behind the number.
template <class Visit>
void ForEachAnchor(const char* body, Visit visit, AnchorRule rule = AnchorRule::FirstNumber) {
    for (const char* at = strstr(body, ANCHOR_OPENING); at; at = strstr(at + ANCHOR_OPENING_LENGTH, ANCHOR_OPENING)) {
        int32_t number = 0;
        const char* end = nullptr;
        if (!ParseDecimal(at + ANCHOR_OPENING_LENGTH, number, &end)) continue;
        if (number >= 1 && number <= MAX_POSTS) visit(number);
        // Only a number that has digits goes on into a range or a list.
        if (rule == AnchorRule::RangesAndLists && end[-1] >= '0' && end[-1] <= '9')
            anchor_detail::VisitContinuation(number, end, visit);
    }
}
