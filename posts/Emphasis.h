// The emphasis of a post on the page, chosen post by post: one byte of its
// record, in the layout the check file keeps it in. Bits 0-2 the colour (0
// none, 1 to 5), bits 3-4 the size (0 normal, 1 large, 2 larger), bit 5 bold,
// bit 6 a drawing made of characters (AA). 0 is no emphasis.
#pragma once

#include <cstdint>

const int EMPHASIS_COLOURS = 5;
const int EMPHASIS_SIZES = 2;
const uint8_t EMPHASIS_COLOUR_MASK = 0x07;
const uint8_t EMPHASIS_SIZE_MASK = 0x18;
const int EMPHASIS_SIZE_SHIFT = 3;
const uint8_t EMPHASIS_BOLD = 0x20;
const uint8_t EMPHASIS_AA = 0x40;

// Colour 1 to 5 as the page writes it: 赤, 青, 緑, 橙, 紫.
const char* const EMPHASIS_COLOUR_CODES[EMPHASIS_COLOURS + 1] = {"",        "#FF0000", "#0000FF",
                                                                 "#008000", "#FF8C00", "#800080"};

inline int EmphasisColour(uint8_t e) { return e & EMPHASIS_COLOUR_MASK; }
inline int EmphasisSize(uint8_t e) { return (e & EMPHASIS_SIZE_MASK) >> EMPHASIS_SIZE_SHIFT; }
inline bool IsBold(uint8_t e) { return (e & EMPHASIS_BOLD) != 0; }
inline bool IsAa(uint8_t e) { return (e & EMPHASIS_AA) != 0; }

inline uint8_t WithColour(uint8_t e, int colour) {
    return static_cast<uint8_t>((e & ~EMPHASIS_COLOUR_MASK) | colour);
}
inline uint8_t WithSize(uint8_t e, int size) {
    return static_cast<uint8_t>((e & ~EMPHASIS_SIZE_MASK) | size << EMPHASIS_SIZE_SHIFT);
}

// A byte read from a file: a colour above 5 or a size above 2 reads as
// none or normal, bit 7 as nothing.
inline uint8_t ValidEmphasis(uint8_t e) {
    uint8_t valid = e & (EMPHASIS_BOLD | EMPHASIS_AA);
    if (EmphasisColour(e) <= EMPHASIS_COLOURS) valid = WithColour(valid, EmphasisColour(e));
    if (EmphasisSize(e) <= EMPHASIS_SIZES) valid = WithSize(valid, EmphasisSize(e));
    return valid;
}
