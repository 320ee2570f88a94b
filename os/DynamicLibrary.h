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
    // normal search order, a path with a folder is taken as it stands (and on
    // Windows the library's own folder is searched for its dependencies).
    // A library already held is released first. On failure, why (when given)
    // receives the system's reason.
    bool Open(const std::u16string& path, std::string* why = nullptr);
    // The address of an exported symbol, or nullptr.
    void* Symbol(const char* name) const;
    void Close();
    bool IsOpen() const { return handle_ != nullptr; }

private:
    void* handle_ = nullptr;
};

} // namespace kv::os
