// sky: writes a synthetic sky, its star-free truth and its star list.
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/sky/Sky.h"
#include "tools/sky/SkyArguments.h"
#include "tools/sky/SkyFiles.h"

namespace {

constexpr const char* kUsage =
    "usage: sky <width> <height> <grey|rgb> <seed> <image.tif> <truth.tif> <stars.txt>\n"
    "  width, height: 64 to 20000 pixels; seed: a whole number (the same seed gives the same files)\n";

} // namespace

int main(int argc, char** argv)
{
    kv::sky::SkyOptions options;
    if (argc != 8 || !kv::sky::ParseSkyArguments(argv + 1, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string kind = argv[3];
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
