#include "tools/starless/ToolRun.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "image/uImage.h"
#include "tools/host/TiffDecoder.h"
#include "tools/starless/StarRemover.h"

namespace kv::starless {

namespace {

constexpr const char* kUsage = "usage: starnet++.exe <input.tif> <output.tif> [stride]";

namespace fs = std::filesystem;

fs::path PathOf(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

bool ReadFile(const fs::path& path, std::vector<uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

} // namespace

std::string PartialName(const std::string& output) { return output + ".partial"; }

int RunStarless(const std::vector<std::string>& args, Console& console,
                const std::function<void(const std::string&)>& error)
{
    if (args.size() < 2 || args.size() > 3) {
        error(kUsage);
        return kExitUsage;
    }
    int32_t stride = kTileSide;
    if (args.size() == 3) {
        const std::string& s = args[2];
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), stride);
        if (ec != std::errc() || end != s.data() + s.size() || stride < 16 || stride > 4096) {
            error("stride must be a whole number from 16 to 4096, not \"" + s + "\"");
            error(kUsage);
            return kExitUsage;
        }
    }
    const fs::path input = PathOf(args[0]);
    const fs::path output = PathOf(args[1]);
    const fs::path partial = PathOf(PartialName(args[1]));

    console.Line("Reading input image...");
    std::vector<uint8_t> bytes;
    std::error_code ec;
    if (fs::is_directory(input, ec) || !ReadFile(input, bytes)) {
        error("cannot read the input file " + args[0]);
        return kExitFailed;
    }
    host::HostImage image;
    std::string problem;
    if (!host::DecodeTiff(bytes, image, problem)) {
        error("cannot use the input file " + args[0] + ": " + problem);
        return kExitFailed;
    }
    bytes = {};
    const int32_t w = image.Width(), h = image.Height();
    console.Line("Width: " + std::to_string(w) + ", height: " + std::to_string(h) +
                 ", channels: " + std::to_string(image.Channels()));
    console.Line("Total number of tiles: " + std::to_string(TileCount(w, h, stride)));

    std::vector<float*> channels;
    if (image.IsColor())
        channels = {image.Plane(2), image.Plane(0), image.Plane(3)};
    else
        channels = {image.Plane(0)};
    const RemovalReport report = RemoveStars(channels, w, h, [&](int p) { console.Progress(p); }, 0, stride);

    console.Line("Writing output image...");
    const bool written = WriteTiff16(image.Plane(0), image.Plane(2), image.Plane(3), 1.0f, w, h, image.IsColor(),
                                     partial.u16string());
    if (!written) {
        fs::remove(partial, ec);
        error("cannot write the output file " + args[1]);
        return kExitFailed;
    }
    fs::rename(partial, output, ec);
    if (ec) {
        fs::remove(partial, ec);
        error("cannot write the output file " + args[1]);
        return kExitFailed;
    }
    console.Line("Done: " + std::to_string(report.stars) + " stars removed.");
    return kExitOk;
}

} // namespace kv::starless
