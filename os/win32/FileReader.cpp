#include "os/FileReader.h"

#include <windows.h>

namespace kv::os {
namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    ~FileHandle()
    {
        if (h_ != INVALID_HANDLE_VALUE)
            ::CloseHandle(h_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE Get() const { return h_; }

private:
    HANDLE h_;
};

} // namespace

std::optional<std::string> ReadSmallFile(const std::u16string& path, std::size_t maxBytes)
{
    // Shared with readers, not with writers.
    const FileHandle file(::CreateFileW(reinterpret_cast<const wchar_t*>(path.c_str()), GENERIC_READ, FILE_SHARE_READ,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE || ::GetFileType(file.Get()) != FILE_TYPE_DISK)
        return std::nullopt;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > maxBytes)
        return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file.Get(), buffer, sizeof buffer, &n, nullptr))
            return std::nullopt;
        if (n == 0)
            return bytes;
        if (bytes.size() + n > maxBytes)
            return std::nullopt;
        bytes.append(buffer, n);
    }
}

} // namespace kv::os
