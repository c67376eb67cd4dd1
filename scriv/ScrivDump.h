// The text of a dump block, from its leading empty line to its closing one.
#pragma once

#include <cstdint>
#include <string>

std::string DumpBlockText(const void* start, uint32_t length);
