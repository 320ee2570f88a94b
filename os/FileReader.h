// Reads a whole small file, opened read-only and shared with other readers
// only (nobody may write it while it is read).
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace kv::os {

// The file's bytes, or nothing when it does not exist, is not a regular file,
// cannot be opened or read, or holds more than maxBytes (so that a damaged or
// hostile file cannot make the caller allocate without bound).
std::optional<std::string> ReadSmallFile(const std::u16string& path, std::size_t maxBytes);

} // namespace kv::os
