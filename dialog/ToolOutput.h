// What one chunk of the tool's console output means: an entry for the log,
// a percentage for the gauge, or nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kv {

struct ChunkEffect {
    std::optional<std::u16string> logEntry;
    std::optional<int32_t> progress; // 0 or more
};

// bytes: one read's bytes. The text ends at the first zero byte; it is
// decoded from the system's ANSI code page and trimmed of codes 0 to 32. A
// chunk holding "%" is never logged: the (at most) three characters before
// its first "%" give the percentage when they form an integer of 0 or more.
ChunkEffect ReadToolChunk(std::string_view bytes);

// text without leading and trailing characters of codes 0 to 32.
std::u16string TrimControls(std::u16string_view text);

// An integer with an optional sign, decimal, or hexadecimal after "$", "x" or
// "0x"; -1 when text is not one.
int32_t ToIntegerOr(std::u16string_view text, int32_t fallback);

} // namespace kv
