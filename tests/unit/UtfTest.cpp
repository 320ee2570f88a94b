#include <gtest/gtest.h>

#include "os/Utf.h"

namespace {

using kv::os::Utf16ToUtf8;
using kv::os::Utf8ToUtf16;

TEST(Utf, RoundTripsEveryEncodingLength)
{
    const std::u16string text = u"a\u00e9\u20ac\U0001F600/tmp/K\u00f6ln";
    EXPECT_EQ(Utf16ToUtf8(text), "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80/tmp/K\xc3\xb6ln");
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
}

TEST(Utf, BrokenInputBecomesReplacementCharacters)
{
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xef\xbf\xbd");
    EXPECT_EQ(Utf8ToUtf16("a\xff" "b"), u"a\ufffdb");
    EXPECT_EQ(Utf8ToUtf16("\xe2\x82"), u"\ufffd\ufffd");     // truncated sequence at the end
    EXPECT_EQ(Utf8ToUtf16("\xc0\xaf"), u"\ufffd\ufffd");     // overlong "/"
    EXPECT_EQ(Utf8ToUtf16("\xed\xa0\x80"), u"\ufffd\ufffd\ufffd"); // encoded surrogate
}

} // namespace
