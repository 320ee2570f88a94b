// FreeImage's 16-bit pixel buffers into float planes.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

#include "image/uImage.h"

namespace {

// Round(p) to the nearest integer, halves to even, as a float; no clamping.
// Adding and subtracting 1.5 * 2^52 rounds in the processor's default mode
// (ties to even) without a library call, so that the row loops vectorise; it
// holds for |p| < 2^51. With |factor| below 2^35 every product of a 16-bit
// sample is that small, so the choice is made once per image.
struct DoubleRound {
    using Scalar = double;
    static float Apply(double p) { return static_cast<float>((p + 6755399441055744.0) - 6755399441055744.0); }
};
struct LibraryRound { // huge or non-finite factors
    using Scalar = double;
    static float Apply(double p) { return static_cast<float>(std::nearbyint(p)); }
};
// The same in single precision (1.5 * 2^23, for |p| < 2^22), twice as many
// samples per instruction. Used only where it gives the very same results:
// see FloatIsExact.
struct FloatRound {
    using Scalar = float;
    static float Apply(float p) { return (p + 12582912.0f) - 12582912.0f; }
};

bool DoubleRoundHolds(double factor) { return std::fabs(factor) * 65536.0 < 2251799813685248.0; } // false for NaN

// A 16-bit sample times a factor of at most 8 significant bits has at most 24
// and fits a float exactly, so the float product equals the double one. The
// common factors 1 and 1/256 are such. |factor| < 64 keeps every product
// below 2^22, where the float rounding holds.
bool FloatIsExact(float factor)
{
    if (!(std::fabs(factor) < 64.0f)) // also NaN
        return false;
    uint32_t bits;
    std::memcpy(&bits, &factor, sizeof bits);
    return (bits & 0xFFFFu) == 0; // the low 16 of the 23 stored mantissa bits are zero
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

template <typename Round, typename SampleType>
void GreyRow(const uint8_t* row, std::size_t count, float* out, typename Round::Scalar f)
{
    using Scalar = typename Round::Scalar;
    for (std::size_t x = 0; x < count; ++x)
        out[x] = Round::Apply(static_cast<Scalar>(static_cast<SampleType>(Sample(row + 2 * x))) * f);
}

template <typename Round>
void ColourRow(const uint8_t* row, std::size_t count, std::size_t pixelBytes, float* red, float* green, float* blue,
               typename Round::Scalar f)
{
    using Scalar = typename Round::Scalar;
    for (std::size_t x = 0; x < count; ++x) {
        const uint8_t* p = row + x * pixelBytes;
        red[x] = Round::Apply(static_cast<Scalar>(Sample(p)) * f);
        green[x] = Round::Apply(static_cast<Scalar>(Sample(p + 2)) * f);
        blue[x] = Round::Apply(static_cast<Scalar>(Sample(p + 4)) * f);
    }
}

template <typename Round>
void MeanRow(const uint8_t* row, std::size_t count, std::size_t pixelBytes, float* out, double f)
{
    for (std::size_t x = 0; x < count; ++x) {
        const uint8_t* p = row + x * pixelBytes;
        const double sum = static_cast<double>(Sample(p)) + Sample(p + 2) + Sample(p + 4);
        out[x] = Round::Apply(sum / 3.0 * f);
    }
}

} // namespace

void Grey16ToPlane(const uint8_t* pixels, int32_t width, int32_t height, int32_t maxSamples, float* plane,
                   float factor, bool isSigned, bool alignRows)
{
    if (pixels == nullptr || plane == nullptr || width <= 0 || height <= 0 || maxSamples <= 0)
        return;
    const double f = factor;
    const bool fast = DoubleRoundHolds(f);
    const bool single = FloatIsExact(factor);
    const std::size_t stride = RowStride(width, 1, alignRows);
    std::size_t n = 0;
    const auto limit = static_cast<std::size_t>(maxSamples);
    for (int32_t y = 0; y < height && n < limit; ++y) {
        const uint8_t* row = pixels + static_cast<std::size_t>(y) * stride;
        // The last row may stop part-way, right after the value that reaches maxSamples.
        const std::size_t count = std::min(static_cast<std::size_t>(width), limit - n);
        float* out = plane + n;
        if (single)
            isSigned ? GreyRow<FloatRound, int16_t>(row, count, out, factor)
                     : GreyRow<FloatRound, uint16_t>(row, count, out, factor);
        else if (fast)
            isSigned ? GreyRow<DoubleRound, int16_t>(row, count, out, f)
                     : GreyRow<DoubleRound, uint16_t>(row, count, out, f);
        else
            isSigned ? GreyRow<LibraryRound, int16_t>(row, count, out, f)
                     : GreyRow<LibraryRound, uint16_t>(row, count, out, f);
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
    const bool fast = DoubleRoundHolds(f);
    const bool single = FloatIsExact(factor);
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
        if (onePlane)
            fast ? MeanRow<DoubleRound>(row, count, pixelBytes, green, f)
                 : MeanRow<LibraryRound>(row, count, pixelBytes, green, f);
        else if (single)
            ColourRow<FloatRound>(row, count, pixelBytes, red, green, blue, factor);
        else
            fast ? ColourRow<DoubleRound>(row, count, pixelBytes, red, green, blue, f)
                 : ColourRow<LibraryRound>(row, count, pixelBytes, red, green, blue, f);
        n += count;
    }
}
