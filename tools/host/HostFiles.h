// Whole-file reading and writing for the host's image files. Paths are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kv::host {

// Reads the whole file; on failure sets error to one line and returns false.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error);
// Creates or replaces the file with exactly these bytes.
bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error);

} // namespace kv::host
