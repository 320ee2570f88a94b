// Filling masked pixels from the pixels around them.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/starless/Holes.h"
#include "tools/starless/Plane.h"

namespace kv::starless {

// Replaces every masked pixel of plane (width * height values) by a smooth
// continuation of the unmasked pixels around it (a pull-push pyramid, then
// relaxation towards the solution of Laplace's equation), plus noise of
// noise(x, y) * noiseScale so the filled pixels look like the sky beside them.
// In the holes given (FindHoles) a quadratic surface fitted to the ring
// around takes the place of that continuation where it follows the ring to
// within kSurfaceFit noise sigmas: on the curved flank of a filament or a
// galaxy it keeps the curvature that Laplace's solution flattens.
// Pixels marked kMaskAlongAxis + axis are filled instead along that axis
// (Structure.h), between the known pixels on either side: along a
// filament, what lies beside a star is what lies beneath it.
// masked lists the masked pixel indices in rising order. seed fixes the noise.
void Inpaint(float* plane, int32_t width, int32_t height, const std::vector<uint8_t>& mask,
             const std::vector<std::size_t>& masked, const std::vector<Hole>& holes, const Plane& noise,
             float noiseScale, uint64_t seed);

// Mask values: 0 known, 1 filled as a continuation, kMaskAlongAxis + axis
// filled along that axis.
constexpr uint8_t kMaskAlongAxis = 2;

// The RMS departure of the ring from a fitted surface, in noise sigmas, up
// to which the surface fills the hole.
constexpr double kSurfaceFit = 2.2;

} // namespace kv::starless
