// Text that a console program writes, in the system's 8-bit encoding.
#pragma once

#include <string>
#include <string_view>

namespace kv::os {

// Decodes bytes from the system's ANSI code page (Windows: the code page
// GetACP reports; POSIX: UTF-8, invalid bytes replaced by U+FFFD).
std::u16string DecodeAnsi(std::string_view bytes);

} // namespace kv::os
