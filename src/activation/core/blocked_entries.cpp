#include "activation/core/blocked_entries.h"

std::vector<std::string> SplitBlockedEntries(const char* data, size_t size) {
    std::vector<std::string> entries;
    if (!data) return entries;
    std::string line;
    for (size_t i = 0; i < size; ++i) {
        const char c = data[i];
        if (c == '\n') {
            entries.push_back(std::move(line));
            line.clear();
        } else if (c != '\r') {
            line.push_back(c);
        }
    }
    if (!line.empty()) entries.push_back(std::move(line));
    return entries;
}

std::string JoinBlockedEntries(const std::vector<std::string>& entries) {
    size_t size = 0;
    for (const std::string& e : entries) size += e.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& e : entries) {
        text += e;
        text += "\r\n";
    }
    return text;
}
