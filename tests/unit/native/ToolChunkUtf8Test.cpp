// Natively the tool's console speaks UTF-8: a chunk's invalid bytes become
// U+FFFD, and a character is never lost to the trimming.
#include <gtest/gtest.h>

#include "dialog/ToolOutput.h"

namespace {

TEST(ToolChunkUtf8, DecodesValidAndReplacesInvalidBytes)
{
    struct Case {
        std::string bytes;
        std::u16string entry;
    };
    const Case cases[] = {
        {"J\xC3\xB6rg\r\n", u"J\u00F6rg"},
        {"bad \xFF byte", u"bad \uFFFD byte"},
        {"cut \xE2\x82", u"cut \uFFFD\uFFFD"}, // a character split between two reads: each byte replaced
        {"\xC3\xA9", u"\u00E9"},
    };
    for (const auto& c : cases) {
        const auto effect = kv::ReadToolChunk(c.bytes);
        ASSERT_TRUE(effect.logEntry.has_value()) << c.bytes;
        EXPECT_EQ(*effect.logEntry, c.entry) << c.bytes;
        EXPECT_FALSE(effect.progress.has_value());
    }
}

} // namespace
