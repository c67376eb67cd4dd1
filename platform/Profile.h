// Profile (INI) files read and written as Shift_JIS bytes.
//
// The system's profile functions convert the file through the ANSI code page,
// which loses Shift_JIS bytes on a Windows that is not Japanese. These work on
// the file's bytes on every platform and follow the Windows reading rules:
// lines end in CR LF, LF or CR; blanks (0x09-0x0D, 0x1A, space) are trimmed from
// lines, names and values; section and key names are compared case-blind for
// ASCII letters; the first of duplicate sections and keys wins; one pair of
// matching quotes is removed from a value; there is no comment syntax.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The key's value, or def when the file, section or key is missing or the key's
// line has no '='. A null def means ""; def loses its trailing spaces (never its
// first character) and then a pair of quotes, as Windows treats it.
// Copies at most size - 1 bytes without splitting a double-byte character and
// zero-terminates when size > 0; returns the length copied.
size_t ProfileReadText(const char* section, const char* key, const char* def, char* out,
                       size_t size, const char* path);

// The key's value as an integer (see ProfileParseInt); def when the key is
// missing or its value is empty.
int ProfileReadInt(const char* section, const char* key, int def, const char* path);

// Sets the key's value, changing only that key's line: every other byte of the
// file stays as the user wrote it. A missing file is created. Writing the value
// already stored writes nothing. False when a name or the value is null, or when
// the file cannot be read or written (the last error is then the failing call's).
bool ProfileWriteText(const char* section, const char* key, const char* value, const char* path);

// The pure cores of the functions above, on the bytes of a whole file.

// True when the section holds the key with a value; *value (if not null) gets it
// trimmed and unquoted.
bool ProfileFind(std::string_view bytes, std::string_view section, std::string_view key,
                 std::string* value);

// Windows' integer reading: leading blanks, one optional sign, a lower-case 0x /
// 0o / 0b prefix for base 16 / 8 / 2, digits up to the first non-digit (none: 0),
// wrapping modulo 2^32 without an overflow check.
int ProfileParseInt(std::string_view text);

// The bytes of the file after the key is set to value.
std::string ProfileWithValue(std::string_view bytes, std::string_view section, std::string_view key,
                             std::string_view value);
