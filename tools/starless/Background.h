// The pixel noise, estimated per tile and interpolated, and the smoothings
// the detection works on.
#pragma once

#include "tools/starless/Plane.h"

namespace kv::starless {

struct Background {
    Plane noise; // pixel noise (sigma) per tile, interpolated bilinearly
};

// tile: side of the estimation tiles in pixels.
Background EstimateNoise(const Plane& image, int32_t tile, int threads);

// Gaussian smoothing with sigma 1 pixel (7 taps), edges clamped. Noise of
// independent pixels is scaled by kSmoothNoise.
Plane SmoothSigma1(const Plane& image, int threads);
constexpr float kSmoothNoise = 0.2821f; // 1 / (2 sqrt(pi) sigma) for sigma 1

// A wide Gaussian (sigma about 3.5) made of three box passes of radius 3.
Plane WideSmooth(const Plane& image, int threads);
// Noise of independent pixels in (SmoothSigma1 - WideSmooth of it).
constexpr float kBandNoise = 0.251f;

// Pixel noise of one plane as a whole, from the differences of neighbours.
float GlobalNoise(const float* values, int32_t width, int32_t height);

} // namespace kv::starless
