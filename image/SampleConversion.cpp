// FreeImage's 16-bit pixel buffers into float planes.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

#include "image/uImage.h"

namespace {

// Round(p) to the nearest integer, halves to even, as a float; no clamping.
// Adding and subtracting 1.5 * 2^52 rounds in the processor's default mode
// (ties to even) without a library call, so the row loops stay fast; it holds
// for |p| < 2^51, and anything larger (or not finite) takes nearbyint.
inline float RoundToFloat(double p)
{
    constexpr double kMagic = 6755399441055744.0; // 1.5 * 2^52
    constexpr double kLimit = 2251799813685248.0; // 2^51
    if (std::fabs(p) < kLimit)
        return static_cast<float>((p + kMagic) - kMagic);
    return static_cast<float>(std::nearbyint(p));
}

inline uint16_t Sample(const uint8_t* at)
{
    uint16_t s;
    std::memcpy(&s, at, sizeof s); // the buffer holds host-order samples
    return s;
}

// Bytes from one buffer row to the next: the row's samples, rounded up to a
// multiple of 4 when alignRows (FreeImage pads every row to 4 bytes, and the
// buffer starts on a 4-byte boundary).
inline std::size_t RowStride(int32_t width, int32_t samplesPerPixel, bool alignRows)
{
    const std::size_t bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(samplesPerPixel) * 2;
    return alignRows ? (bytes + 3) & ~std::size_t{3} : bytes;
}

} // namespace

void Grey16ToPlane(const uint8_t* pixels, int32_t width, int32_t height, int32_t maxSamples, float* plane,
                   float factor, bool isSigned, bool alignRows)
{
    if (pixels == nullptr || plane == nullptr || width <= 0 || height <= 0 || maxSamples <= 0)
        return;
    const double f = factor;
    const std::size_t stride = RowStride(width, 1, alignRows);
    std::size_t n = 0;
    const auto limit = static_cast<std::size_t>(maxSamples);
    for (int32_t y = 0; y < height && n < limit; ++y) {
        const uint8_t* row = pixels + static_cast<std::size_t>(y) * stride;
        // The last row may stop part-way, right after the value that reaches maxSamples.
        const std::size_t count = std::min(static_cast<std::size_t>(width), limit - n);
        float* out = plane + n;
        if (isSigned) {
            for (std::size_t x = 0; x < count; ++x)
                out[x] = RoundToFloat(static_cast<int16_t>(Sample(row + 2 * x)) * f);
        } else {
            for (std::size_t x = 0; x < count; ++x)
                out[x] = RoundToFloat(Sample(row + 2 * x) * f);
        }
        n += count;
    }
}

void Rgb16ToPlanes(const uint8_t* pixels, int32_t width, int32_t height, int32_t maxSamples, float* plane1,
                   float* plane2, float* plane3, float factor, bool alignRows, int32_t samplesPerPixel)
{
    if (pixels == nullptr || plane1 == nullptr || plane2 == nullptr || plane3 == nullptr || width <= 0 ||
        height <= 0 || maxSamples <= 0 || samplesPerPixel < 3)
        return;
    const double f = factor;
    const std::size_t pixelBytes = static_cast<std::size_t>(samplesPerPixel) * 2;
    const std::size_t stride = RowStride(width, samplesPerPixel, alignRows);
    // A grey host passes one plane three times: it gets the mean of the three
    // channels, not whichever channel happened to be stored last.
    const bool onePlane = plane1 == plane2 && plane2 == plane3;
    std::size_t n = 0;
    const auto limit = static_cast<std::size_t>(maxSamples);
    for (int32_t y = 0; y < height && n < limit; ++y) {
        const uint8_t* row = pixels + static_cast<std::size_t>(y) * stride;
        const std::size_t count = std::min(static_cast<std::size_t>(width), limit - n);
        float* green = plane1 + n;
        float* red = plane2 + n;
        float* blue = plane3 + n;
        if (onePlane) {
            for (std::size_t x = 0; x < count; ++x) {
                const uint8_t* p = row + x * pixelBytes;
                const double sum = static_cast<double>(Sample(p)) + Sample(p + 2) + Sample(p + 4);
                green[x] = RoundToFloat(sum / 3.0 * f);
            }
        } else {
            for (std::size_t x = 0; x < count; ++x) {
                const uint8_t* p = row + x * pixelBytes;
                red[x] = RoundToFloat(Sample(p) * f);
                green[x] = RoundToFloat(Sample(p + 2) * f);
                blue[x] = RoundToFloat(Sample(p + 4) * f);
            }
        }
        n += count;
    }
}
