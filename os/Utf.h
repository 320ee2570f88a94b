// UTF-16 <-> UTF-8, for the backends that talk to UTF-8 systems.
// Unpaired surrogates and invalid bytes become U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace kv::os {

std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

} // namespace kv::os
