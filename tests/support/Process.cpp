#include "support/Process.h"

#include "support/Files.h"

namespace kv::test {

std::string ReadCapture(const std::filesystem::path& file)
{
    const auto bytes = ReadBytes(file);
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n'))
            text += static_cast<char>(bytes[i]);
    return text;
}

} // namespace kv::test
