#include "os/Pipe.h"

#include <windows.h>

namespace kv::os {

namespace {
HANDLE AsHandle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

void CloseEnd(std::intptr_t& h)
{
    if (h != -1)
        ::CloseHandle(AsHandle(h));
    h = -1;
}

// True when a read would not block: bytes wait, or the pipe has ended (or is broken).
bool ReadWouldReturn(std::intptr_t read)
{
    DWORD available = 0;
    return !::PeekNamedPipe(AsHandle(read), nullptr, 0, nullptr, &available, nullptr) || available > 0;
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
    SECURITY_ATTRIBUTES attributes{};
    attributes.nLength = sizeof attributes;
    attributes.lpSecurityDescriptor = nullptr;
    attributes.bInheritHandle = TRUE;
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!::CreatePipe(&read, &write, &attributes, 0))
        return false;
    read_ = reinterpret_cast<std::intptr_t>(read);
    write_ = reinterpret_cast<std::intptr_t>(write);
    return true;
}

void Pipe::CloseWrite() { CloseEnd(write_); }
void Pipe::CloseRead() { CloseEnd(read_); }

Pipe::Wait Pipe::WaitReadable(int timeoutMs, bool wakeForMessages)
{
    // An anonymous pipe cannot be waited on: look, wait for a message or the
    // time, look again.
    if (ReadWouldReturn(read_))
        return Wait::Readable;
    if (wakeForMessages)
        ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(timeoutMs), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    else
        ::Sleep(static_cast<DWORD>(timeoutMs));
    return ReadWouldReturn(read_) ? Wait::Readable : Wait::Idle;
}

bool Pipe::Read(void* buffer, std::size_t size, std::size_t& delivered)
{
    DWORD n = 0;
    const BOOL ok = ::ReadFile(AsHandle(read_), buffer, static_cast<DWORD>(size), &n, nullptr);
    delivered = n;
    // ERROR_BROKEN_PIPE: every write end is closed, the output has ended.
    return ok != FALSE && n > 0;
}

} // namespace kv::os
