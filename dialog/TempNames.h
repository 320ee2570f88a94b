// The names of one Start's exchange files.
#pragma once

#include <cstdint>
#include <string>

namespace kv {

// "Temp%.3d%.3d%.4d.tif" of left mod 1000, top mod 1000 (both keep their
// sign) and (tick >> 4) mod 10000; the tool's output is "Out" + that name.
std::u16string TempImageName(int32_t left, int32_t top, uint32_t tick);

} // namespace kv
