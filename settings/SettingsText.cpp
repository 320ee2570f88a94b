#include "settings/SettingsText.h"

#include "os/Utf.h"

namespace kv {
namespace {

constexpr std::string_view kBomUtf8 = "\xEF\xBB\xBF";
constexpr std::string_view kBomUtf16LE = "\xFF\xFE";
constexpr std::string_view kBomUtf16BE = "\xFE\xFF";

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::u16string text;
    text.reserve(bytes.size() / 2 + 1);
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        text += static_cast<char16_t>(bigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0);
    }
    if (i < bytes.size())
        text += u'\xFFFD'; // half a code unit at the end
    return text;
}

void AppendUtf16(std::string& out, std::u16string_view text, bool bigEndian)
{
    for (char16_t c : text) {
        const auto hi = static_cast<char>(c >> 8);
        const auto lo = static_cast<char>(c & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
}

} // namespace

std::vector<std::u16string> SplitLines(std::u16string_view text)
{
    if (const auto nul = text.find(u'\0'); nul != std::u16string_view::npos)
        text = text.substr(0, nul);
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char16_t c = text[i];
        if (c != u'\r' && c != u'\n') {
            ++i;
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        i += (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

DecodedText DecodeSettingsText(std::string_view bytes, TextEncoding fallback)
{
    DecodedText result;
    std::u16string text;
    if (bytes.starts_with(kBomUtf8)) {
        result.encoding = TextEncoding::Utf8;
        text = os::Utf8ToUtf16(bytes.substr(kBomUtf8.size()));
    } else if (bytes.starts_with(kBomUtf16LE)) {
        result.encoding = TextEncoding::Utf16LE;
        text = DecodeUtf16(bytes.substr(kBomUtf16LE.size()), false);
    } else if (bytes.starts_with(kBomUtf16BE)) {
        result.encoding = TextEncoding::Utf16BE;
        text = DecodeUtf16(bytes.substr(kBomUtf16BE.size()), true);
    } else {
        result.encoding = fallback;
        text = fallback == TextEncoding::Utf8 ? os::Utf8ToUtf16(bytes)
                                              : DecodeUtf16(bytes, fallback == TextEncoding::Utf16BE);
    }
    result.lines = SplitLines(text);
    return result;
}

std::string EncodeSettingsText(const std::vector<std::u16string>& lines, TextEncoding encoding)
{
    std::string out;
    switch (encoding) {
    case TextEncoding::Utf8:
        out = kBomUtf8;
        for (const auto& line : lines) {
            out += os::Utf16ToUtf8(line);
            out += "\r\n";
        }
        break;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
        const bool bigEndian = encoding == TextEncoding::Utf16BE;
        out = bigEndian ? kBomUtf16BE : kBomUtf16LE;
        for (const auto& line : lines) {
            AppendUtf16(out, line, bigEndian);
            AppendUtf16(out, u"\r\n", bigEndian);
        }
        break;
    }
    }
    return out;
}

} // namespace kv
