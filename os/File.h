// A file opened for writing, unbuffered: each Write goes straight to the
// system with exactly the bytes given. Closed by the destructor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kv::os {

class FileWriter {
public:
    FileWriter() = default;
    ~FileWriter();
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    // Creates the file for binary writing, replacing one of that name.
    bool Create(const std::u16string& path);
    // Writes all bytes or reports failure (a full disk, an I/O error).
    bool Write(const void* data, std::size_t bytes);
    // Closes the file; an error while closing is not reported.
    void Close();
    bool IsOpen() const { return handle_ != kInvalid; }

private:
    static constexpr std::intptr_t kInvalid = -1;
    std::intptr_t handle_ = kInvalid;
};

} // namespace kv::os
