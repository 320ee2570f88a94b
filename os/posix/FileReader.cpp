#include "os/FileReader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "os/Utf.h"

namespace kv::os {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

} // namespace

std::optional<std::string> ReadSmallFile(const std::u16string& path, std::size_t maxBytes)
{
    // O_NONBLOCK: a FIFO planted at the path must not hang the open.
    const Descriptor fd(::open(Utf16ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.Get() < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode) || static_cast<std::size_t>(st.st_size) > maxBytes)
        return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            return bytes;
        // The file may grow while it is read: the limit holds for what is read.
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes)
            return std::nullopt;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

} // namespace kv::os
