#include "tools/host/TiffDecoder.h"

#include <bit>
#include <cstring>
#include <map>
#include <optional>

namespace kv::host {

namespace {

enum Tag : uint16_t {
    kImageWidth = 256,
    kImageLength = 257,
    kBitsPerSample = 258,
    kCompression = 259,
    kPhotometric = 262,
    kStripOffsets = 273,
    kSamplesPerPixel = 277,
    kRowsPerStrip = 278,
    kStripByteCounts = 279,
    kPlanarConfiguration = 284,
    kSampleFormat = 339,
};

// Bounds-checked access to the file in its byte order.
class Bytes {
public:
    Bytes(const std::vector<uint8_t>& data, bool bigEndian) : data_(data), big_(bigEndian) {}

    bool Has(uint64_t offset, uint64_t length) const { return offset <= data_.size() && length <= data_.size() - offset; }
    uint64_t Unsigned(uint64_t offset, int size) const
    {
        uint64_t value = 0;
        for (int i = 0; i < size; ++i) {
            const uint64_t byte = data_[static_cast<std::size_t>(offset) + static_cast<std::size_t>(i)];
            value |= byte << (8 * (big_ ? size - 1 - i : i));
        }
        return value;
    }

private:
    const std::vector<uint8_t>& data_;
    bool big_;
};

struct Entry {
    uint16_t type;
    uint32_t count;
    uint64_t valueOffset; // where the values start in the file
};

int TypeSize(uint16_t type)
{
    switch (type) {
    case 1: case 2: case 6: case 7: return 1; // BYTE, ASCII, SBYTE, UNDEFINED
    case 3: case 8: return 2;                 // SHORT, SSHORT
    case 4: case 9: case 11: return 4;        // LONG, SLONG, FLOAT
    case 5: case 10: case 12: return 8;       // RATIONAL, SRATIONAL, DOUBLE
    default: return 0;
    }
}

class Directory {
public:
    explicit Directory(const Bytes& file) : file_(file) {}

    bool Read(uint64_t offset, std::string& error)
    {
        if (!file_.Has(offset, 2)) {
            error = "the image directory lies outside the file";
            return false;
        }
        const uint64_t count = file_.Unsigned(offset, 2);
        if (!file_.Has(offset + 2, count * 12)) {
            error = "the image directory is cut short";
            return false;
        }
        for (uint64_t i = 0; i < count; ++i) {
            const uint64_t at = offset + 2 + i * 12;
            Entry entry{static_cast<uint16_t>(file_.Unsigned(at + 2, 2)), static_cast<uint32_t>(file_.Unsigned(at + 4, 4)),
                        at + 8};
            const int size = TypeSize(entry.type);
            if (size != 0 && uint64_t(size) * entry.count > 4)
                entry.valueOffset = file_.Unsigned(at + 8, 4);
            entries_[static_cast<uint16_t>(file_.Unsigned(at, 2))] = entry;
        }
        return true;
    }

    bool Has(uint16_t tag) const { return entries_.count(tag) != 0; }

    // The integer values of a BYTE, SHORT or LONG field, or nothing when the
    // field is missing, of another type, or points outside the file.
    std::optional<std::vector<uint64_t>> Values(uint16_t tag) const
    {
        const auto it = entries_.find(tag);
        if (it == entries_.end())
            return std::nullopt;
        const Entry& e = it->second;
        const int size = e.type == 1 ? 1 : e.type == 3 ? 2 : e.type == 4 ? 4 : 0;
        if (size == 0 || e.count == 0 || !file_.Has(e.valueOffset, uint64_t(size) * e.count))
            return std::nullopt;
        std::vector<uint64_t> values(e.count);
        for (uint32_t i = 0; i < e.count; ++i)
            values[i] = file_.Unsigned(e.valueOffset + uint64_t(i) * uint64_t(size), size);
        return values;
    }

    // The first value, the default when the field is missing, nothing when unreadable.
    std::optional<uint64_t> Value(uint16_t tag, std::optional<uint64_t> fallback = std::nullopt) const
    {
        if (!Has(tag))
            return fallback;
        const auto values = Values(tag);
        if (!values)
            return std::nullopt;
        return values->front();
    }

private:
    const Bytes& file_;
    std::map<uint16_t, Entry> entries_;
};

// Checks that every entry of a per-sample field has the same value.
std::optional<uint64_t> Uniform(const std::optional<std::vector<uint64_t>>& values)
{
    if (!values)
        return std::nullopt;
    for (uint64_t v : *values)
        if (v != values->front())
            return std::nullopt;
    return values->front();
}

float Sample(const Bytes& file, uint64_t at, uint64_t bits, uint64_t format)
{
    const int size = static_cast<int>(bits / 8);
    const uint64_t raw = file.Unsigned(at, size);
    if (format == 3)
        return std::bit_cast<float>(static_cast<uint32_t>(raw));
    if (format == 2) {
        const uint64_t sign = uint64_t{1} << (bits - 1);
        return static_cast<float>(static_cast<int64_t>(raw ^ sign) - static_cast<int64_t>(sign));
    }
    return static_cast<float>(raw);
}

} // namespace

bool DecodeTiff(const std::vector<uint8_t>& data, HostImage& image, std::string& error)
{
    if (data.size() < 8 || !((data[0] == 'I' && data[1] == 'I') || (data[0] == 'M' && data[1] == 'M'))) {
        error = "not a TIFF file";
        return false;
    }
    const Bytes file(data, data[0] == 'M');
    if (file.Unsigned(2, 2) != 42) {
        error = "not a classic TIFF file";
        return false;
    }
    Directory dir(file);
    if (!dir.Read(file.Unsigned(4, 4), error))
        return false;

    const auto width = dir.Value(kImageWidth);
    const auto height = dir.Value(kImageLength);
    const auto samples = dir.Value(kSamplesPerPixel, 1);
    const auto bits = Uniform(dir.Has(kBitsPerSample) ? dir.Values(kBitsPerSample) : std::vector<uint64_t>{1});
    const auto format = Uniform(dir.Has(kSampleFormat) ? dir.Values(kSampleFormat) : std::vector<uint64_t>{1});
    const auto compression = dir.Value(kCompression, 1);
    const auto planar = dir.Value(kPlanarConfiguration, 1);
    const auto photometric = dir.Value(kPhotometric, samples == 3u ? 2u : 1u);
    const auto offsets = dir.Values(kStripOffsets);

    if (!width || !height || *width == 0 || *height == 0 || *width > 0x7FFFFFFF || *height > 0x7FFFFFFF)
        error = "missing or bad image size";
    else if (!samples || (*samples != 1 && *samples != 3))
        error = "only 1 or 3 samples per pixel are read";
    else if (!bits || (*bits != 8 && *bits != 16 && *bits != 32))
        error = "only 8, 16 or 32 bits per sample are read";
    else if (!format || *format < 1 || *format > 3 || (*format == 3 && *bits != 32))
        error = "unsupported sample format";
    else if (compression != 1u)
        error = "compressed TIFF files are not read";
    else if (planar != 1u)
        error = "only interleaved (chunky) samples are read";
    else if (photometric != (*samples == 3 ? 2u : 1u))
        error = "unsupported photometric interpretation";
    else if (!offsets)
        error = "missing strip offsets";
    if (!error.empty())
        return false;

    const uint64_t rowsPerStrip = std::min<uint64_t>(dir.Value(kRowsPerStrip, *height).value_or(0), *height);
    const uint64_t rowBytes = *width * *samples * (*bits / 8);
    if (rowsPerStrip == 0) {
        error = "bad rows per strip";
        return false;
    }
    // Every row must lie in the file; this also keeps the sums below from overflowing.
    if (rowBytes > data.size() || *height > data.size() / rowBytes) {
        error = "the image is larger than the file";
        return false;
    }
    const uint64_t strips = (*height + rowsPerStrip - 1) / rowsPerStrip;
    const auto counts = dir.Values(kStripByteCounts);
    if (offsets->size() < strips || (counts && counts->size() < strips)) {
        error = "too few strips for the image";
        return false;
    }
    for (uint64_t s = 0; s < strips; ++s) {
        const uint64_t rows = std::min(rowsPerStrip, *height - s * rowsPerStrip);
        const uint64_t need = rows * rowBytes;
        const auto index = static_cast<std::size_t>(s); // below the field's count, so it fits
        if ((counts && (*counts)[index] < need) || !file.Has((*offsets)[index], need)) {
            error = "strip " + std::to_string(s) + " is cut short";
            return false;
        }
    }

    HostImage result(static_cast<int32_t>(*width), static_cast<int32_t>(*height), static_cast<int>(*samples));
    // File sample order R, G, B; plane codes 2, 0, 3.
    constexpr intptr_t kCodeOfSample[] = {2, 0, 3};
    const uint64_t sampleBytes = *bits / 8;
    for (uint64_t row = 0; row < *height; ++row) {
        const auto strip = static_cast<std::size_t>(row / rowsPerStrip);
        const uint64_t rowStart = (*offsets)[strip] + (row % rowsPerStrip) * rowBytes;
        const std::size_t planeRow = static_cast<std::size_t>(*height - 1 - row);
        for (uint64_t s = 0; s < *samples; ++s) {
            float* plane = result.Plane(*samples == 1 ? 0 : kCodeOfSample[s]) + planeRow * static_cast<std::size_t>(*width);
            for (uint64_t x = 0; x < *width; ++x)
                plane[x] = Sample(file, rowStart + (x * *samples + s) * sampleBytes, *bits, *format);
        }
    }
    image = std::move(result);
    return true;
}

} // namespace kv::host
