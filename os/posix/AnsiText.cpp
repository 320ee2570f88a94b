#include "os/AnsiText.h"

#include "os/Utf.h"

namespace kv::os {

// The systems this backend serves speak UTF-8 on their consoles.
std::u16string DecodeAnsi(std::string_view bytes) { return Utf8ToUtf16(bytes); }

} // namespace kv::os
