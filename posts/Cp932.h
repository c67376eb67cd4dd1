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

// Appends the code page 932 bytes of a character as Windows converts it (where
// the code page has two sequences for one character, the one Windows gives).
// False, appending nothing, when the code page has no such character.
bool AppendCp932Char(unsigned c, std::string& out);

// Whether bytes may begin a text in UTF-8: they start with the byte order
// mark, or they are valid UTF-8 but for a character cut off at their end.
bool MayStartUtf8Text(const char* bytes, size_t size);

// Whether bytes are a thread log in UTF-8: they start with the byte order
// mark, or they are valid UTF-8 throughout and hold a character of three
// bytes (Shift_JIS text is never that).
bool IsUtf8Text(const char* bytes, size_t size);

// Appends UTF-8 text as code page 932: each character the code page has as its
// bytes, any other as the numeric character reference "&#N;" (decimal); a
// leading byte order mark is dropped. The text must be valid UTF-8.
void AppendUtf8AsCp932(const char* bytes, size_t size, std::string& out);
