// Numbers typed by users or written in post bodies.
#pragma once

#include <cstdint>

// Reads a number by the C library's decimal rule: leading white space, an
// optional sign, then digits up to the first other byte; no digits gives 0.
// Unlike that rule it never overflows: false when the number does not fit a
// signed 32-bit integer, which every caller then treats as out of range.
// When end is given it receives where the digits stop.
bool ParseDecimal(const char* text, int32_t& value, const char** end = nullptr);
