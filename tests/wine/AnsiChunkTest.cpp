// On Windows the tool's bytes are text in the ANSI code page: a byte above
// 127 is the code page's character, not UTF-8.
#include <gtest/gtest.h>

#include <windows.h>

#include "dialog/ToolOutput.h"

namespace {

TEST(AnsiChunk, BytesAbove127AreTheCodePagesCharacters)
{
    if (GetACP() != 1252)
        GTEST_SKIP() << "the table is for code page 1252; this system uses " << GetACP();
    struct Case {
        std::string bytes;
        std::u16string entry;
    };
    const Case cases[] = {
        {"J\xF6rg\r\n", u"J\u00F6rg"},        // o with diaeresis
        {"\x80 5", u"\u20AC 5"},             // the euro sign at 0x80
        {std::string("caf\xE9\0tail", 8), u"caf\u00E9"}, // the zero still ends the text
        {"\xC3\xA9", u"\u00C3\u00A9"},        // UTF-8 bytes are two characters here
    };
    for (const auto& c : cases) {
        const auto effect = kv::ReadToolChunk(c.bytes);
        ASSERT_TRUE(effect.logEntry.has_value());
        EXPECT_EQ(*effect.logEntry, c.entry);
    }
}

} // namespace
