#include "os/AnsiText.h"

#include <windows.h>

namespace kv::os {

std::u16string DecodeAnsi(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    const UINT codePage = ::GetACP();
    const int size = static_cast<int>(bytes.size());
    const int n = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (n <= 0)
        return {};
    std::u16string text(static_cast<std::size_t>(n), u'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), size, reinterpret_cast<wchar_t*>(text.data()), n);
    return text;
}

} // namespace kv::os
