#include "settings/VersionText.h"

#include <cstdio>

#include "settings/SettingsTexts.h"

void FormatVersionText(uint32_t mostSignificant, uint32_t leastSignificant, char* out, size_t size) {
    snprintf(out, size, VERSION_FORMAT, static_cast<int>(mostSignificant >> 16),
             static_cast<int>(mostSignificant & 0xFFFF), static_cast<int>(leastSignificant >> 16),
             static_cast<int>(leastSignificant & 0xFFFF));
}
