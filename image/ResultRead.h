// Reading the tool's result into the host's planes only when it is sound:
// a 16-bit image of the host image's size that FreeImage read whole.
#pragma once

#include <cstdint>
#include <string>

namespace kv {

enum class ResultRead { Done, NoFile, NoFreeImage, Unreadable, WrongType, WrongSize, CutShort };

// As LoadTiffPlanes with width x height values, but every result other than
// Done leaves the planes untouched.
ResultRead LoadResultPlanes(const std::u16string& fileName, float* plane1, float* plane2, float* plane3, float factor,
                            int32_t width, int32_t height);

} // namespace kv
