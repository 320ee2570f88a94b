#include "tools/sky/SkyFiles.h"

#include <algorithm>
#include <cstdio>

#include "image/uImage.h"

namespace kv::sky {

bool WriteSkyTiff(const std::vector<std::vector<float>>& channels, int32_t width, int32_t height,
                  const std::filesystem::path& file)
{
    // The writer stores the last plane row first, so the planes are handed over
    // bottom row first.
    const std::size_t w = static_cast<std::size_t>(width);
    std::vector<std::vector<float>> flipped(channels.size(), std::vector<float>(channels.front().size()));
    for (std::size_t c = 0; c < channels.size(); ++c)
        for (int32_t y = 0; y < height; ++y)
            std::copy_n(channels[c].data() + static_cast<std::size_t>(y) * w, w,
                        flipped[c].data() + static_cast<std::size_t>(height - 1 - y) * w);
    const bool color = channels.size() == 3;
    // Colour: the writer's planeA is green, planeB red, planeC blue.
    const float* green = color ? flipped[1].data() : flipped[0].data();
    const float* red = color ? flipped[0].data() : nullptr;
    const float* blue = color ? flipped[2].data() : nullptr;
    return WriteTiff16(green, red, blue, 1.0f, width, height, color, file.u16string());
}

std::string StarListText(const Sky& sky)
{
    std::string text = "# x y peak fwhm profile beta flux saturated spikes\n";
    char line[200];
    for (const Star& s : sky.stars) {
        std::snprintf(line, sizeof line, "%.2f %.2f %.1f %.3f %s %.2f %.1f %d %d\n", s.x, s.y, s.peak, s.fwhm,
                      s.beta > 0 ? "moffat" : "gaussian", s.beta, s.flux, s.saturated ? 1 : 0, s.spikes ? 1 : 0);
        text += line;
    }
    return text;
}

} // namespace kv::sky
