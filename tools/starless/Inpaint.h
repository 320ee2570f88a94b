// Filling masked pixels from the pixels around them.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/starless/Plane.h"

namespace kv::starless {

// Replaces every masked pixel of plane (width * height values) by a smooth
// continuation of the unmasked pixels around it (a pull-push pyramid, then
// relaxation towards the solution of Laplace's equation), plus noise of
// noise(x, y) * noiseScale so the filled pixels look like the sky beside them.
// masked lists the masked pixel indices in rising order. seed fixes the noise.
void Inpaint(float* plane, int32_t width, int32_t height, const std::vector<uint8_t>& mask,
             const std::vector<std::size_t>& masked, const Plane& noise, float noiseScale, uint64_t seed);

} // namespace kv::starless
