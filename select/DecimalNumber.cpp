#include "select/DecimalNumber.h"

namespace {

// White space of the C locale: blank, tab, line feed, vertical tab, form feed, carriage return.
bool IsBlank(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

bool ParseDecimal(const char* text, int32_t& value, const char** end) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (IsBlank(*p)) ++p;
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    const int64_t limit = negative ? -static_cast<int64_t>(INT32_MIN) : INT32_MAX;
    int64_t magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        magnitude = magnitude * 10 + (*p - '0');
        if (magnitude > limit) return false;
    }
    value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    if (end) *end = reinterpret_cast<const char*>(p);
    return true;
}
