#include "settings/SettingsKey.h"

namespace kv {
namespace {

bool Allowed(char16_t c)
{
    return (c >= u'0' && c <= u'9') || c == u'?' || (c >= u'A' && c <= u'Z') || c == u'_';
}

char16_t Shift(std::size_t position1)
{
    return KEY_SHIFT[position1 % KEY_SHIFT.size()];
}

} // namespace

std::u16string UpperCaseAscii(std::u16string_view text)
{
    std::u16string out(text);
    for (char16_t& c : out)
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
    return out;
}

std::u16string EncodeSettingsKey(std::u16string_view formName, std::u16string_view controlName)
{
    std::u16string text = UpperCaseAscii(std::u16string(formName) + u'?' + std::u16string(controlName));
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!Allowed(text[i]))
            throw EEncodeIden();
        text[i] = static_cast<char16_t>(text[i] + Shift(i + 1)); // wraps in 16 bits
    }
    return text;
}

std::optional<DecodedKey> DecodeSettingsKey(std::u16string_view encodedKey)
{
    std::u16string text(encodedKey);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<char16_t>(text[i] - Shift(i + 1));
        if (!Allowed(c))
            return std::nullopt;
        text[i] = c;
    }
    const auto mark = text.find(u'?');
    // 1-based p with 2 <= p <= L - 1.
    if (mark == std::u16string::npos || mark == 0 || mark + 1 >= text.size())
        return std::nullopt;
    return DecodedKey{text.substr(0, mark), text.substr(mark + 1)};
}

} // namespace kv
