// Small file helpers for the tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kv::test {

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// A path whose writes fail with "disk full", where the platform has one
// (/dev/full natively, and under Wine through its Z: drive).
std::optional<std::u16string> FullDevicePath();

} // namespace kv::test
