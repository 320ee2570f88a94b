// A shared library loaded at run time, unloaded by the destructor.
#pragma once

#include <string>

namespace kv::os {

class DynamicLibrary {
public:
    DynamicLibrary() = default;
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    // Loads the library at path; a bare file name goes through the system's
    // normal search order. A library already held is released first.
    bool Open(const std::u16string& path);
    // The address of an exported symbol, or nullptr.
    void* Symbol(const char* name) const;
    void Close();
    bool IsOpen() const { return handle_ != nullptr; }

private:
    void* handle_ = nullptr;
};

} // namespace kv::os
