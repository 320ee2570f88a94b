// The masked pixels as holes, each with the ring of known pixels around it,
// and the fit of a smooth surface to that ring.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kv::starless {

struct Hole {
    std::vector<std::size_t> pixels; // masked, 4-connected
    std::vector<std::size_t> ring;   // the known pixels within ringWidth (chessboard distance) of them
    double cx = 0, cy = 0;           // the centre of the pixels
};

// The holes of mask (1: masked; masked lists those pixels in rising order)
// up to largest pixels; larger ones are not returned.
std::vector<Hole> FindHoles(const std::vector<uint8_t>& mask, const std::vector<std::size_t>& masked, int32_t width,
                            int32_t height, std::size_t largest, int32_t ringWidth);

// Fits a quadratic surface to plane on the hole's ring and, where it follows
// the ring to within tolerance (RMS of the ring's departures from it), writes
// it into the hole's pixels. Returns whether it did.
bool FillWithSurface(float* plane, int32_t width, const Hole& hole, double tolerance);

} // namespace kv::starless
