// The bytes the program should write beside a page, built independently of
// the code under test: the check file and the reduced thread log.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

inline std::string LittleEndian(uint32_t value) {
    return {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
            static_cast<char>(value >> 24)};
}

// A check file marking the posts numbered, for the thread titled identity.
inline std::string CheckFileBytes(const std::vector<int>& main, const std::vector<int>& sub,
                                  const std::string& identity) {
    std::string bytes(2000, '\0');
    for (int n : main) bytes[n - 1] = 1;
    for (int n : sub) bytes[1000 + n - 1] = 1;
    return bytes + LittleEndian(static_cast<uint32_t>(identity.size() + 1)) + identity + '\0';
}

// A reduced thread log: 1000 lines, the first and the kept ones (by post
// number) as the thread log's lines, "<><><><>" for every other.
inline std::string ReducedLogBytes(const std::vector<std::string>& lines, const std::set<int>& kept) {
    std::string bytes;
    for (int n = 1; n <= 1000; ++n) {
        const bool keep = n == 1 || kept.count(n);
        bytes += (keep ? (n <= static_cast<int>(lines.size()) ? lines[n - 1] : "") : "<><><><>") + std::string("\n");
    }
    return bytes;
}
