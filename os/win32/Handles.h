// The owner of one kernel handle (file, pipe end, process, thread), closed
// once by the destructor. Both null and INVALID_HANDLE_VALUE mean none, as
// the system's functions return either on failure.
#pragma once

#include <windows.h>

#include <utility>

namespace kv::os::win32 {

class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    HANDLE Get() const { return handle_; }
    bool IsValid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    // Gives up ownership without closing.
    HANDLE Release() { return std::exchange(handle_, nullptr); }
    // Closes the handle held, if any, and takes the new one.
    void Reset(HANDLE handle = nullptr)
    {
        if (IsValid())
            ::CloseHandle(handle_);
        handle_ = handle;
    }

private:
    HANDLE handle_ = nullptr;
};

} // namespace kv::os::win32
