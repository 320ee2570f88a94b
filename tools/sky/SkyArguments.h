// The sky's description on a command line, as sky and sky-quality take it:
// <width> <height> <grey|rgb> <seed>.
#pragma once

#include <charconv>
#include <string>

#include "tools/sky/Sky.h"

namespace kv::sky {

template <class T>
bool ParseNumber(const char* text, T& value)
{
    const std::string s(text);
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size();
}

// args: the four arguments. False when one is not as described (sides from 64 to 20000).
inline bool ParseSkyArguments(char** args, SkyOptions& options)
{
    const std::string kind = args[2];
    if (!ParseNumber(args[0], options.width) || !ParseNumber(args[1], options.height) ||
        !ParseNumber(args[3], options.seed) || (kind != "grey" && kind != "rgb") || options.width < 64 ||
        options.height < 64 || options.width > 20000 || options.height > 20000)
        return false;
    options.color = kind == "rgb";
    return true;
}

} // namespace kv::sky
