// Text and folder helpers the tests share.
#pragma once

#include <cstddef>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

inline bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

// text cut as a field of width bytes cuts it: to width - 1 bytes.
inline std::string Cut(const std::string& text, size_t width) { return text.substr(0, width - 1); }

// The lines joined, each ending in CR LF.
inline std::string Lines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

// The names of a folder's files, but the log's, which a failure's record creates.
inline std::set<std::string> FolderNames(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename() != "trace.log") names.insert(entry.path().filename().string());
    return names;
}
