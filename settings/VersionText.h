// The version display's text, from a file version's two 32-bit words.
#pragma once

#include <cstddef>
#include <cstdint>

// "Version major.minor.build.revision" in decimal: the halves of the more
// significant word, then those of the less significant one
// (0x0001'0000'0008'0002 → "Version 1.0.8.2").
void FormatVersionText(uint32_t mostSignificant, uint32_t leastSignificant, char* out, size_t size);
