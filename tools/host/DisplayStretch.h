// What the interactive host shows of its float image: 8-bit BGR pixels with
// a simple display stretch, so that linear or stretched 16-bit data look
// like an astrophotograph and not a black square.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/host/HostImage.h"

namespace kv::host {

struct DisplayBitmap {
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;         // bytes per row, a multiple of 4
    std::vector<uint8_t> bgr;   // rows bottom-up (plane row 0 first), as a bottom-up DIB holds them
};

// Black point at the 1st and white point at the 99.9th percentile of every
// sample (one pair for all channels, so colours keep their balance; the
// smallest and largest sample where those two meet), then a 1/2.2 gamma. A
// flat image shows mid-grey; NaN shows black. Blue from plane
// 3, green from plane 0, red from plane 2; a grey image shows grey.
DisplayBitmap MakeDisplayBitmap(const HostImage& image);

} // namespace kv::host
