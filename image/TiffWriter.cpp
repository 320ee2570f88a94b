#include <bit>
#include <cmath>
#include <cstddef>
#include <new>
#include <vector>

#include "base/LibBase.h"
#include "image/uImage.h"
#include "os/File.h"

// Samples are assembled in host order and written as they are: the file is
// little-endian, and so is every target of this library.
static_assert(std::endian::native == std::endian::little);

namespace {

constexpr uint16_t kEntryCount = 9;
constexpr uint32_t kBitsArrayOffset = kEntryCount * 12 + 14; // 122
constexpr uint32_t kPixelOffset = kEntryCount * 12 + 20;     // 128
constexpr uint16_t kShort = 3;
constexpr uint16_t kLong = 4;
constexpr int32_t kMaxSide = 65535;              // ImageWidth and ImageLength are SHORT
constexpr uint64_t kMaxStripBytes = 0xFFFFFFFFu; // StripByteCounts is one LONG

static_assert(kBitsArrayOffset == 122 && kPixelOffset == 128);

// One row of the file is assembled here and written with one write. It lives
// for the whole library and grows to the widest row asked for, never shrinks.
std::vector<uint16_t> RowBuffer(25001);
// Colour rows are converted plane by plane into this buffer (three runs of
// width samples), then interleaved into RowBuffer; it grows the same way.
std::vector<uint16_t> ChannelBuffer;

class TiffFile {
public:
    explicit TiffFile(kv::os::FileWriter& file) : file_(file) {}

    bool Put16(uint16_t v)
    {
        const unsigned char b[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
        return file_.Write(b, sizeof b);
    }
    bool Put32(uint32_t v)
    {
        const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                    static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
        return file_.Write(b, sizeof b);
    }

    // "II", 42, offset 8 of the directory, entry count: 10 bytes.
    bool WriteTiffHeader(uint16_t entryCount)
    {
        return Put32(0x49u | 0x49u << 8 | 42u << 16) && Put32(8) && Put16(entryCount);
    }

    // Tag and type as one 4-byte value (tag first), then count and value: 12 bytes.
    bool WriteIfdEntry(uint16_t tag, uint16_t type, uint32_t count, uint32_t value)
    {
        return Put32(tag + type * 65536u) && Put32(count) && Put32(value);
    }

    bool WriteRow(std::size_t bytes) { return file_.Write(RowBuffer.data(), bytes); }

private:
    kv::os::FileWriter& file_;
};

// ClampRound(v * factor, 0, 65535), without branches or calls so that the row
// loops vectorise. The bounds are applied in the same order (a NaN fails both
// comparisons and ends at 0). Adding and subtracting 2^52 rounds any value in
// 0..65535 to an integer in the processor's default mode, ties to even, just as
// the conversion in ClampRound does.
inline uint16_t Sample(float v, float factor)
{
    constexpr double kRound = 4503599627370496.0; // 2^52
    double p = static_cast<double>(v) * static_cast<double>(factor);
    p = p > 65535.0 ? 65535.0 : p;
    p = p >= 0.0 ? p : 0.0;
    p = (p + kRound) - kRound;
    return static_cast<uint16_t>(static_cast<int32_t>(p));
}

// The same conversion in single precision. Valid only when factor is a power
// of two: then v * factor is exact in float as in double (an overflow to
// infinity and an underflow below 0.5 clamp and round to the same samples).
inline uint16_t SampleExactFactor(float v, float factor)
{
    constexpr float kRound = 8388608.0f; // 2^23
    float p = v * factor;
    p = p > 65535.0f ? 65535.0f : p;
    p = p >= 0.0f ? p : 0.0f;
    // p + 2^23 is rounded to an integer, which then stands in the low mantissa bits.
    return static_cast<uint16_t>(std::bit_cast<uint32_t>(p + kRound));
}

bool IsPowerOfTwo(float factor)
{
    int exponent = 0;
    return std::isfinite(factor) && std::frexp(factor, &exponent) == 0.5f;
}

// Kept apart from the interleaving so that it vectorises.
void ConvertRun(const float* __restrict values, uint16_t* __restrict samples, std::size_t count, float factor)
{
    if (IsPowerOfTwo(factor)) {
        for (std::size_t i = 0; i < count; ++i)
            samples[i] = SampleExactFactor(values[i], factor);
    } else {
        for (std::size_t i = 0; i < count; ++i)
            samples[i] = Sample(values[i], factor);
    }
}

bool WriteImage(TiffFile& tiff, const float* planeA, const float* planeB, const float* planeC, float factor,
                int32_t width, int32_t height, bool isColor)
{
    const uint32_t spp = isColor ? 3 : 1;
    const uint32_t w = static_cast<uint32_t>(width);
    const uint32_t h = static_cast<uint32_t>(height);

    if (!tiff.WriteTiffHeader(kEntryCount))
        return false;
    const bool directory = tiff.WriteIfdEntry(254, kLong, 1, 0)             // NewSubfileType
                           && tiff.WriteIfdEntry(256, kShort, 1, w)         // ImageWidth
                           && tiff.WriteIfdEntry(257, kShort, 1, h)         // ImageLength
                           && (isColor ? tiff.WriteIfdEntry(258, kShort, 3, kBitsArrayOffset)
                                       : tiff.WriteIfdEntry(258, kShort, 1, 16)) // BitsPerSample
                           && tiff.WriteIfdEntry(259, kShort, 1, 1)         // Compression: none
                           && tiff.WriteIfdEntry(262, kShort, 1, isColor ? 2 : 1) // Photometric
                           && tiff.WriteIfdEntry(273, kLong, 1, kPixelOffset)     // StripOffsets
                           && tiff.WriteIfdEntry(277, kShort, 1, spp)             // SamplesPerPixel
                           && tiff.WriteIfdEntry(279, kLong, 1, w * h * spp * 2); // StripByteCounts
    // No further directory; then the BitsPerSample array 16, 16, 16 (grey files too).
    if (!directory || !tiff.Put32(0) || !tiff.Put32(16 * 65536 + 16) || !tiff.Put16(16))
        return false;

    const std::size_t rowBytes = std::size_t{w} * spp * 16 / 8;
    uint16_t* row = RowBuffer.data();
    uint16_t* red = ChannelBuffer.data();
    uint16_t* green = red + w;
    uint16_t* blue = green + w;
    for (int32_t y = height - 1; y >= 0; --y) {
        const std::size_t first = static_cast<std::size_t>(y) * w;
        if (isColor) {
            ConvertRun(planeB + first, red, w, factor);
            ConvertRun(planeA + first, green, w, factor);
            ConvertRun(planeC + first, blue, w, factor);
            for (std::size_t x = 0; x < w; ++x) {
                row[3 * x] = red[x];
                row[3 * x + 1] = green[x];
                row[3 * x + 2] = blue[x];
            }
        } else {
            ConvertRun(planeA + first, row, w, factor);
        }
        if (!tiff.WriteRow(rowBytes))
            return false;
    }
    return true;
}

} // namespace

uint16_t TiffSample(float v, float factor) { return Sample(v, factor); }

bool WriteTiff16(const float* planeA, const float* planeB, const float* planeC, float factor, int32_t width,
                 int32_t height, bool isColor, const std::u16string& fileName)
{
    const uint32_t spp = isColor ? 3 : 1;
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide)
        return false;
    if (uint64_t{static_cast<uint32_t>(width)} * static_cast<uint32_t>(height) * spp * 2 > kMaxStripBytes)
        return false;
    const bool hasPixels = width > 0 && height > 0;
    if (hasPixels && (planeA == nullptr || (isColor && (planeB == nullptr || planeC == nullptr))))
        return false;

    const std::size_t rowSamples = static_cast<std::size_t>(width) * spp;
    try {
        if (rowSamples > RowBuffer.size())
            RowBuffer.resize(rowSamples);
        if (isColor && rowSamples > ChannelBuffer.size())
            ChannelBuffer.resize(rowSamples);
    } catch (const std::bad_alloc&) {
        return false;
    }

    kv::os::FileWriter file;
    if (!file.Create(fileName))
        return false;
    TiffFile tiff(file);
    const bool result = WriteImage(tiff, planeA, planeB, planeC, factor, width, height, isColor);
    file.Close();
    return result;
}
