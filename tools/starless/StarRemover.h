// A classical star remover for float planes: a robust background and noise
// estimate, star detection with a shape test that tells stars from galaxy
// cores and nebula filaments, a mask sized to each star (and its spikes), and
// the masked pixels filled in from the surrounding structure.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace kv::starless {

struct RemovalReport {
    int tiles = 0;      // detection work units
    int candidates = 0; // peaks examined
    int stars = 0;      // peaks taken for stars
    double maskedFraction = 0;
};

// Side of the square tiles the detection works in, by default. The tiles are
// units of work and progress only: the result does not depend on their size.
constexpr int32_t kTileSide = 256;
int TileCount(int32_t width, int32_t height, int32_t tileSide = kTileSide);

// channels: one (grey) or three planes of width * height samples on the 16-bit
// scale (0 .. 65535), changed in place. progress(percent) is called with
// rising values from 0 to 100, from any of the working threads but never two
// at once. threads: 0 for one per core. tileSide: at least 16.
RemovalReport RemoveStars(const std::vector<float*>& channels, int32_t width, int32_t height,
                          const std::function<void(int)>& progress, int threads = 0, int32_t tileSide = kTileSide);

} // namespace kv::starless
