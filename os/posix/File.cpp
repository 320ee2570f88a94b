#include "os/File.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "os/Utf.h"

namespace kv::os {

FileWriter::~FileWriter() { Close(); }

bool FileWriter::Create(const std::u16string& path)
{
    Close();
    const int fd = ::open(Utf16ToUtf8(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    handle_ = fd;
    return true;
}

bool FileWriter::Write(const void* data, std::size_t bytes)
{
    if (!IsOpen())
        return false;
    auto* p = static_cast<const char*>(data);
    while (bytes > 0) {
        const ssize_t n = ::write(static_cast<int>(handle_), p, bytes);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        bytes -= static_cast<std::size_t>(n);
    }
    return true;
}

void FileWriter::Close()
{
    if (IsOpen())
        ::close(static_cast<int>(handle_));
    handle_ = kInvalid;
}

} // namespace kv::os
