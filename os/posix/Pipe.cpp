#include "os/Pipe.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace kv::os {

namespace {
void CloseFd(std::intptr_t& fd)
{
    if (fd >= 0)
        ::close(static_cast<int>(fd));
    fd = -1;
}
} // namespace

Pipe::~Pipe()
{
    CloseWrite();
    CloseRead();
}

bool Pipe::Create()
{
    CloseWrite();
    CloseRead();
    int fds[2];
    // Closed on exec: only the descriptors the child is given by dup2 reach
    // it, so no other program keeps the pipe open by accident.
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
    read_ = fds[0];
    write_ = fds[1];
    return true;
}

void Pipe::CloseWrite() { CloseFd(write_); }
void Pipe::CloseRead() { CloseFd(read_); }

Pipe::Wait Pipe::WaitReadable(int timeoutMs, bool)
{
    // There are no window messages here; the caller dispatches its own work
    // after each Idle.
    pollfd p{static_cast<int>(read_), POLLIN, 0};
    const int n = ::poll(&p, 1, timeoutMs);
    if (n < 0 && errno == EINTR)
        return Wait::Idle;
    // POLLHUP (ended), POLLERR and an invalid descriptor also make the next read return at once.
    return n == 0 ? Wait::Idle : Wait::Readable;
}

bool Pipe::Read(void* buffer, std::size_t size, std::size_t& delivered)
{
    delivered = 0;
    for (;;) {
        const ssize_t n = ::read(static_cast<int>(read_), buffer, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        delivered = static_cast<std::size_t>(n);
        return true;
    }
}

} // namespace kv::os
