// Reading the library INI into the state.
#pragma once

#include <cstdint>

// Fills the state's paths, limits and level from the INI at iniPath, or from
// Scriv.ini beside the executable when iniPath is null.
void LoadConfig(const char* iniPath);
int32_t GenerationsFromIni(int value);
uint32_t SizeLimitFromIni(int value);
