#include "dialog/ToolOutput.h"

#include "os/AnsiText.h"

namespace kv {

namespace {

int HexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

} // namespace

std::u16string TrimControls(std::u16string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] <= 32)
        ++begin;
    while (end > begin && text[end - 1] <= 32)
        --end;
    return std::u16string(text.substr(begin, end - begin));
}

int32_t ToIntegerOr(std::u16string_view text, int32_t fallback)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    int base = 10;
    if (i < text.size() && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return fallback;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0 || digit >= base)
            return fallback;
        value = value * base + digit;
        if (value > INT32_MAX)
            return fallback;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

ChunkEffect ReadToolChunk(std::string_view bytes)
{
    ChunkEffect effect;
    if (const auto zero = bytes.find('\0'); zero != std::string_view::npos)
        bytes = bytes.substr(0, zero);
    const std::u16string text = TrimControls(os::DecodeAnsi(bytes));
    if (text.empty())
        return effect;
    // Three blanks in front: a "%" near the start still has three characters before it.
    const std::u16string s = u"   " + text;
    const std::size_t percent = s.find(u'%');
    if (percent == std::u16string::npos) {
        effect.logEntry = text;
        return effect;
    }
    const int32_t value = ToIntegerOr(TrimControls(std::u16string_view(s).substr(percent - 3, 3)), -1);
    if (value >= 0)
        effect.progress = value;
    return effect;
}

} // namespace kv
