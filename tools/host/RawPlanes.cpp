#include "tools/host/RawPlanes.h"

#include <bit>
#include <filesystem>

#include "os/Utf.h"
#include "tools/host/HostFiles.h"

namespace kv::host {

namespace {

constexpr intptr_t kPlaneOrder[] = {0, 2, 3};
static_assert(sizeof(float) == 4);

float LoadFloat(const uint8_t* p)
{
    const uint32_t bits = uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
    return std::bit_cast<float>(bits);
}

void StoreFloat(uint8_t* p, float value)
{
    const auto bits = std::bit_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(bits >> (8 * i));
}

uint64_t ExpectedSize(int32_t width, int32_t height, int channels)
{
    return uint64_t(width) * uint64_t(height) * uint64_t(channels) * 4u;
}

std::string SizeError(uint64_t size, int32_t width, int32_t height, int channels)
{
    return "raw file holds " + std::to_string(size) + " bytes, expected " +
           std::to_string(ExpectedSize(width, height, channels)) + " for " + std::to_string(width) + " x " +
           std::to_string(height) + " x " + std::to_string(channels) + " float32 values";
}

} // namespace

bool DecodeRawPlanes(const std::vector<uint8_t>& bytes, int32_t width, int32_t height, int channels,
                     HostImage& image, std::string& error)
{
    if (bytes.size() != ExpectedSize(width, height, channels)) {
        error = SizeError(bytes.size(), width, height, channels);
        return false;
    }
    HostImage result(width, height, channels);
    const uint8_t* p = bytes.data();
    for (int c = 0; c < channels; ++c) {
        float* plane = result.Plane(kPlaneOrder[c]);
        for (std::size_t i = 0; i < result.PixelCount(); ++i, p += 4)
            plane[i] = LoadFloat(p);
    }
    image = std::move(result);
    return true;
}

std::vector<uint8_t> EncodeRawPlanes(const HostImage& image)
{
    std::vector<uint8_t> bytes(image.PixelCount() * static_cast<std::size_t>(image.Channels()) * 4u);
    uint8_t* p = bytes.data();
    for (int c = 0; c < image.Channels(); ++c) {
        const float* plane = image.Plane(kPlaneOrder[c]);
        for (std::size_t i = 0; i < image.PixelCount(); ++i, p += 4)
            StoreFloat(p, plane[i]);
    }
    return bytes;
}

bool ReadRawImage(const RawInput& raw, HostImage& image, std::string& error)
{
    // The size is checked before reading, so a wrong (huge) file is not read in.
    std::error_code ec;
    const auto size = std::filesystem::file_size(std::filesystem::path(kv::os::Utf8ToUtf16(raw.file)), ec);
    if (!ec && size != ExpectedSize(raw.width, raw.height, raw.channels)) {
        error = "'" + raw.file + "': " + SizeError(size, raw.width, raw.height, raw.channels);
        return false;
    }
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(raw.file, bytes, error))
        return false;
    if (!DecodeRawPlanes(bytes, raw.width, raw.height, raw.channels, image, error)) {
        error = "'" + raw.file + "': " + error;
        return false;
    }
    return true;
}

bool WriteRawImage(const std::string& path, const HostImage& image, std::string& error)
{
    return WriteWholeFile(path, EncodeRawPlanes(image), error);
}

} // namespace kv::host
