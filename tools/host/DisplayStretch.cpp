#include "tools/host/DisplayStretch.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kv::host {

namespace {

struct Stretch {
    float black = 0.0f;
    float white = 1.0f;
};

// Percentiles from at most about 200,000 evenly spaced samples: exact enough
// for a display, and quick on a 24-megapixel image.
Stretch FindStretch(const HostImage& image, const std::array<const float*, 3>& planes, int channels)
{
    const std::size_t count = image.PixelCount();
    const std::size_t step = std::max<std::size_t>(1, count * static_cast<std::size_t>(channels) / 200000);
    std::vector<float> samples;
    for (int c = 0; c < channels; ++c)
        for (std::size_t i = 0; i < count; i += step)
            if (!std::isnan(planes[static_cast<std::size_t>(c)][i]))
                samples.push_back(planes[static_cast<std::size_t>(c)][i]);
    if (samples.empty())
        return {};
    const auto at = [&](double fraction) {
        const auto k = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1));
        std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(k), samples.end());
        return samples[k];
    };
    Stretch s{at(0.01), at(0.999)};
    if (!(s.white > s.black)) // almost every sample alike: the extremes decide
        s = {*std::min_element(samples.begin(), samples.end()), *std::max_element(samples.begin(), samples.end())};
    return s;
}

uint8_t Shade(float value, const Stretch& s)
{
    if (std::isnan(value))
        return 0;
    if (!(s.white > s.black))
        return 128;
    const float x = std::clamp((value - s.black) / (s.white - s.black), 0.0f, 1.0f);
    return static_cast<uint8_t>(std::lround(255.0 * std::pow(x, 1.0 / 2.2)));
}

} // namespace

DisplayBitmap MakeDisplayBitmap(const HostImage& image)
{
    DisplayBitmap bitmap;
    if (image.Empty())
        return bitmap;
    bitmap.width = image.Width();
    bitmap.height = image.Height();
    bitmap.stride = (bitmap.width * 3 + 3) / 4 * 4;
    bitmap.bgr.assign(static_cast<std::size_t>(bitmap.stride) * static_cast<std::size_t>(bitmap.height), 0);

    // Blue, green, red: plane codes 3, 0, 2 (a grey image gives one plane for all).
    const std::array<const float*, 3> bgr{image.Plane(3), image.Plane(0), image.Plane(2)};
    const std::array<const float*, 3> distinct{image.Plane(0), image.Plane(2), image.Plane(3)};
    const Stretch stretch = FindStretch(image, distinct, image.IsColor() ? 3 : 1);
    for (int32_t y = 0; y < bitmap.height; ++y) {
        uint8_t* row = bitmap.bgr.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap.stride);
        const std::size_t base = static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap.width);
        for (int32_t x = 0; x < bitmap.width; ++x)
            for (std::size_t c = 0; c < 3; ++c)
                row[static_cast<std::size_t>(x) * 3 + c] = Shade(bgr[c][base + static_cast<std::size_t>(x)], stretch);
    }
    return bitmap;
}

} // namespace kv::host
