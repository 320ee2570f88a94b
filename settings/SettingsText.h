// The settings file's bytes <-> its lines: byte-order mark, encoding, line breaks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kv {

enum class TextEncoding { Utf8, Utf16LE, Utf16BE };

struct DecodedText {
    std::vector<std::u16string> lines;
    TextEncoding encoding = TextEncoding::Utf8; // as found by the mark, else the default
};

// A leading EF BB BF means UTF-8, FF FE UTF-16 LE, FE FF UTF-16 BE (tested in
// this order; the mark is skipped); no mark: fallback. Lines end at CR LF, a
// lone CR or a lone LF; a last line without a break counts; a NUL ends the
// text. Bytes that are not valid in the encoding (bad UTF-8, an odd last byte
// of UTF-16) become U+FFFD; unpaired surrogates of UTF-16 are kept as they are.
DecodedText DecodeSettingsText(std::string_view bytes, TextEncoding fallback = TextEncoding::Utf8);

// The mark of encoding, then every line followed by CR LF. A line break inside
// a line is written as it is. Writing UTF-8, unpaired surrogates become U+FFFD.
std::string EncodeSettingsText(const std::vector<std::u16string>& lines, TextEncoding encoding);

// Cuts text into lines as DecodeSettingsText does, after decoding.
std::vector<std::u16string> SplitLines(std::u16string_view text);

} // namespace kv
