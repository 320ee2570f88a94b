// sky-quality: measures a star remover's result against the star-free truth
// of the sky that the same arguments generate (the seed makes it the same).
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/host/TiffDecoder.h"
#include "tools/sky/Quality.h"
#include "tools/sky/Sky.h"
#include "tools/sky/SkyArguments.h"

namespace {

constexpr const char* kUsage = "usage: sky-quality <width> <height> <grey|rgb> <seed> <result.tif>\n"
                               "  the first four as given to sky for the image the result was made from\n";

} // namespace

int main(int argc, char** argv)
{
    kv::sky::SkyOptions options;
    if (argc != 6 || !kv::sky::ParseSkyArguments(argv + 1, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::ifstream in(argv[5], std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    kv::host::HostImage result;
    std::string problem;
    if (!in || !kv::host::DecodeTiff(bytes, result, problem)) {
        std::fprintf(stderr, "sky-quality: cannot read %s %s\n", argv[5], problem.c_str());
        return 1;
    }
    const kv::sky::Sky sky = kv::sky::GenerateSky(options);
    if (result.Width() != sky.width || result.Height() != sky.height || result.Channels() != sky.channels) {
        std::fprintf(stderr, "sky-quality: %s is not of that sky's size and channels\n", argv[5]);
        return 1;
    }
    // The host image holds the file's bottom row first; the sky, its top row.
    const std::vector<intptr_t> codes = sky.channels == 3 ? std::vector<intptr_t>{2, 0, 3} : std::vector<intptr_t>{0};
    std::vector<std::vector<float>> channels(codes.size());
    const auto w = static_cast<std::size_t>(sky.width), h = static_cast<std::size_t>(sky.height);
    for (std::size_t c = 0; c < codes.size(); ++c) {
        const float* plane = result.Plane(codes[c]);
        channels[c].resize(w * h);
        for (std::size_t y = 0; y < h; ++y)
            std::copy_n(plane + (h - 1 - y) * w, w, channels[c].begin() + static_cast<std::ptrdiff_t>(y * w));
    }
    std::fputs(kv::sky::FormatQuality(kv::sky::MeasureQuality(sky, channels)).c_str(), stdout);
    return 0;
}
