// Shift_JIS <-> UTF-16 at the Win32 boundary, always with code page 932, so
// that Japanese survives on a Windows whose ANSI code page is another.
#pragma once

#include <cstddef>
#include <string>

const unsigned SHIFT_JIS_CODE_PAGE = 932;

std::wstring ToWide(const char* text);
// Converts into out (size bytes), cut so that it never ends in half a character.
void FromWide(const wchar_t* text, char* out, size_t size);
// UTF-8, for texts the program makes readable (the post preview).
std::wstring Utf8ToWide(const std::string& text);
