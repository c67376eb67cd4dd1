// Shift_JIS bytes read as Windows reads them (code page 932 with the NEC and
// IBM extensions and the user-defined area) and written out as UTF-8, the same
// bytes on every platform.
#pragma once

#include <cstddef>
#include <string>

const unsigned REPLACEMENT_CHARACTER = 0xFFFD;

bool IsCp932Lead(unsigned char byte);
bool IsCp932Trail(unsigned char byte);

// The character of a lead and a trail byte, or REPLACEMENT_CHARACTER where
// code page 932 has none.
unsigned Cp932DoubleByteChar(unsigned char lead, unsigned char trail);
// The character of a byte that is not a lead byte.
unsigned Cp932SingleByteChar(unsigned char byte);

// Appends the UTF-8 of a character (up to U+10FFFF).
void AppendUtf8(unsigned c, std::string& out);

// Appends the UTF-8 of bytes to out and returns how many of them it took: all,
// but for a lead byte at the very end while more bytes may follow (last is
// false), which belongs at the front of the next call. A lead byte without a
// trail byte after it becomes one REPLACEMENT_CHARACTER by itself.
size_t AppendCp932AsUtf8(const char* bytes, size_t size, bool last, std::string& out);
