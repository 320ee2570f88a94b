// The settings file's bytes and its lines: marks, encodings, line breaks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/SettingsText.h"

namespace kv {
namespace {

using Lines = std::vector<std::u16string>;

struct DecodeCase {
    const char* what;
    std::string bytes;
    Lines lines;
    TextEncoding encoding;
};

class Decoding : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Decoding, GivesTheLinesAndTheEncoding)
{
    const DecodeCase& c = GetParam();
    const DecodedText text = DecodeSettingsText(c.bytes);
    EXPECT_EQ(text.lines, c.lines) << c.what;
    EXPECT_EQ(text.encoding, c.encoding) << c.what;
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    SettingsText, Decoding,
    ::testing::Values(
        DecodeCase{"empty file", "", {}, TextEncoding::Utf8},
        DecodeCase{"mark only", "\xEF\xBB\xBF", {}, TextEncoding::Utf8},
        DecodeCase{"UTF-8 mark, CR LF", "\xEF\xBB\xBF" "a\r\nb\r\n", {u"a", u"b"}, TextEncoding::Utf8},
        DecodeCase{"no mark is UTF-8", "J\xC3\xB6rg\r\n", {u"J\u00F6rg"}, TextEncoding::Utf8},
        DecodeCase{"lone CR, lone LF, CR LF", "a\rb\nc\r\nd", {u"a", u"b", u"c", u"d"}, TextEncoding::Utf8},
        DecodeCase{"LF CR is two breaks", "a\n\rb", {u"a", u"", u"b"}, TextEncoding::Utf8},
        DecodeCase{"empty lines count", "\r\n\r\nx\r\n\r\n", {u"", u"", u"x", u""}, TextEncoding::Utf8},
        DecodeCase{"last line without a break", "a\r\nlast", {u"a", u"last"}, TextEncoding::Utf8},
        DecodeCase{"NUL ends the text", "a\r\nb\0c\r\nd"s, {u"a", u"b"}, TextEncoding::Utf8},
        DecodeCase{"invalid UTF-8 becomes U+FFFD", "a\xFF" "b\xC3", {u"a\uFFFDb\uFFFD"}, TextEncoding::Utf8},
        DecodeCase{"UTF-16 LE", "\xFF\xFE" "a\0\r\0\n\0\xF6\0"s, {u"a", u"\u00F6"}, TextEncoding::Utf16LE},
        DecodeCase{"UTF-16 BE", "\xFE\xFF" "\0a\0\r\0\n\x20\xAC"s, {u"a", u"\u20AC"}, TextEncoding::Utf16BE},
        DecodeCase{"UTF-16 NUL ends the text", "\xFF\xFE" "a\0\0\0b\0"s, {u"a"}, TextEncoding::Utf16LE},
        DecodeCase{"UTF-16 odd last byte", "\xFF\xFE" "a\0b"s, {u"a\uFFFD"}, TextEncoding::Utf16LE},
        DecodeCase{"UTF-16 lone surrogate kept", "\xFF\xFE" "\x00\xD8x\0"s, {u"\xD800x"}, TextEncoding::Utf16LE},
        // EF BB BF is tested first, FF FE before FE FF.
        DecodeCase{"UTF-8 mark then FF FE", "\xEF\xBB\xBF\xFF\xFE", {u"\uFFFD\uFFFD"}, TextEncoding::Utf8},
        DecodeCase{"half a mark is text", "\xEF\xBBx", {u"\uFFFD\uFFFDx"}, TextEncoding::Utf8}));

struct EncodeCase {
    const char* what;
    Lines lines;
    TextEncoding encoding;
    std::string bytes;
};

class Encoding : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(Encoding, WritesTheMarkAndCrLfAfterEveryLine)
{
    const EncodeCase& c = GetParam();
    EXPECT_EQ(EncodeSettingsText(c.lines, c.encoding), c.bytes) << c.what;
    if (c.what != std::string("UTF-8 lone surrogate")) {
        const DecodedText back = DecodeSettingsText(c.bytes);
        EXPECT_EQ(back.lines, c.lines) << c.what;
        EXPECT_EQ(back.encoding, c.encoding) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    SettingsText, Encoding,
    ::testing::Values(
        EncodeCase{"nothing", {}, TextEncoding::Utf8, "\xEF\xBB\xBF"},
        EncodeCase{"UTF-8", {u"a", u"", u"J\u00F6rg"}, TextEncoding::Utf8, "\xEF\xBB\xBF" "a\r\n\r\nJ\xC3\xB6rg\r\n"},
        EncodeCase{"UTF-16 LE", {u"a", u"\u20AC"}, TextEncoding::Utf16LE, "\xFF\xFE" "a\0\r\0\n\0\xAC\x20\r\0\n\0"s},
        EncodeCase{"UTF-16 BE", {u"a"}, TextEncoding::Utf16BE, "\xFE\xFF" "\0a\0\r\0\n"s},
        EncodeCase{"UTF-16 keeps a lone surrogate", {u"\xDC00"}, TextEncoding::Utf16LE, "\xFF\xFE" "\x00\xDC\r\0\n\0"s},
        EncodeCase{"UTF-8 lone surrogate", {u"\xDC00"}, TextEncoding::Utf8, "\xEF\xBB\xBF\xEF\xBF\xBD\r\n"}));

} // namespace
} // namespace kv
