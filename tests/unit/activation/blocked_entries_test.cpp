#include "activation/core/blocked_entries.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/core/text.h"

namespace {

using Entries = std::vector<std::string>;

Entries Split(const std::string& text) { return SplitBlockedEntries(text.data(), text.size()); }

// The entries the panel's own line reader finds in a NUL-free text.
Entries ReadByLines(const std::string& text) {
    Entries out;
    std::vector<char> line(text.size() + 1);
    for (int i = 0; GetLine(text.c_str(), i, line.data(), line.size()); ++i) out.emplace_back(line.data());
    return out;
}

TEST(BlockedEntries, LinesAsThePanelReadsThem) {
    EXPECT_EQ(Split(""), Entries{});
    EXPECT_EQ(Split("\n"), Entries{""});
    EXPECT_EQ(Split("a\r\n\r\nb"), (Entries{"a", "", "b"}));
    EXPECT_EQ(SplitBlockedEntries(nullptr, 5), Entries{});

    // Texts mixing the three bytes and letters split as the panel's reader
    // splits them.
    const char alphabet[] = {'\r', '\n', 'a', 'b'};
    for (uint32_t code = 0; code < (1u << 14); ++code) {
        std::string text;
        for (int k = 0; k < 7; ++k) text += alphabet[(code >> (2 * k)) & 3];
        ASSERT_EQ(Split(text), ReadByLines(text)) << code;
    }
}

}  // namespace
