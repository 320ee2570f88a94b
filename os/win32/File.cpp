#include "os/File.h"

#include <windows.h>

namespace kv::os {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows strings are UTF-16");

namespace {
HANDLE AsHandle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }
} // namespace

FileWriter::~FileWriter() { Close(); }

bool FileWriter::Create(const std::u16string& path)
{
    Close();
    HANDLE h = ::CreateFileW(reinterpret_cast<const wchar_t*>(path.c_str()), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    handle_ = reinterpret_cast<std::intptr_t>(h);
    return true;
}

bool FileWriter::Write(const void* data, std::size_t bytes)
{
    if (!IsOpen())
        return false;
    auto* p = static_cast<const char*>(data);
    while (bytes > 0) {
        const DWORD chunk = bytes > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes);
        DWORD written = 0;
        if (!::WriteFile(AsHandle(handle_), p, chunk, &written, nullptr) || written == 0)
            return false;
        p += written;
        bytes -= written;
    }
    return true;
}

void FileWriter::Close()
{
    if (IsOpen())
        ::CloseHandle(AsHandle(handle_));
    handle_ = kInvalid;
}

} // namespace kv::os
