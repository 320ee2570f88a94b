// An anonymous pipe that carries a child's output to this process. Both ends
// are closed by the destructor; each can be closed earlier, once.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kv::os {

class Pipe {
public:
    Pipe() = default;
    ~Pipe();
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    // Makes the pipe with the system's default buffer size. On Windows both
    // ends are inheritable (the child takes the write end as its output); on
    // POSIX they are closed on exec, and the child gets the write end as its
    // standard output and error by duplication. False: nothing is held.
    bool Create();
    void CloseWrite();
    void CloseRead();
    bool HasRead() const { return read_ != kInvalid; }
    bool HasWrite() const { return write_ != kInvalid; }

    enum class Wait { Readable, Idle };
    // Waits at most timeoutMs for bytes to read or for the end of the pipe
    // (both Readable: the next Read does not block). With wakeForMessages, a
    // window message arriving for this thread ends the wait early (Idle), so
    // a caller on a user-interface thread can dispatch it and wait again.
    Wait WaitReadable(int timeoutMs, bool wakeForMessages);
    // Reads at most size bytes into buffer; delivered gets the count. False
    // once the pipe has ended (every write end closed) or the read failed;
    // bytes delivered together with a failure count all the same.
    bool Read(void* buffer, std::size_t size, std::size_t& delivered);

    // The system handle (Windows) or descriptor (POSIX) of the write end, for
    // the process starter.
    std::intptr_t NativeWrite() const { return write_; }

private:
    static constexpr std::intptr_t kInvalid = -1;
    std::intptr_t read_ = kInvalid;
    std::intptr_t write_ = kInvalid;
};

} // namespace kv::os
