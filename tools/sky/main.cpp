// sky: writes a synthetic sky, its star-free truth and its star list.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/sky/Sky.h"
#include "tools/sky/SkyFiles.h"

namespace {

constexpr const char* kUsage =
    "usage: sky <width> <height> <grey|rgb> <seed> <image.tif> <truth.tif> <stars.txt>\n"
    "  width, height: 64 to 20000 pixels; seed: a whole number (the same seed gives the same files)\n";

template <class T>
bool Parse(const char* text, T& value)
{
    const std::string s(text);
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size();
}

} // namespace

int main(int argc, char** argv)
{
    kv::sky::SkyOptions options;
    const std::string kind = argc == 8 ? argv[3] : "";
    if (argc != 8 || !Parse(argv[1], options.width) || !Parse(argv[2], options.height) ||
        !Parse(argv[4], options.seed) || (kind != "grey" && kind != "rgb") || options.width < 64 ||
        options.height < 64 || options.width > 20000 || options.height > 20000) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    options.color = kind == "rgb";
    const kv::sky::Sky sky = kv::sky::GenerateSky(options);
    if (!kv::sky::WriteSkyTiff(sky.image, sky.width, sky.height, argv[5])) {
        std::fprintf(stderr, "sky: cannot write %s\n", argv[5]);
        return 1;
    }
    if (!kv::sky::WriteSkyTiff(sky.truth, sky.width, sky.height, argv[6])) {
        std::fprintf(stderr, "sky: cannot write %s\n", argv[6]);
        return 1;
    }
    std::ofstream list(argv[7], std::ios::binary);
    list << kv::sky::StarListText(sky);
    list.close();
    if (!list) {
        std::fprintf(stderr, "sky: cannot write %s\n", argv[7]);
        return 1;
    }
    std::printf("%s: %d x %d %s, %zu stars, %zu extended objects\n", argv[5], sky.width, sky.height, kind.c_str(),
                sky.stars.size(), sky.objects.size());
    return 0;
}
