#include "tools/starless/StarRemover.h"

#include <algorithm>
#include <atomic>
#include <mutex>

#include "tools/starless/Background.h"
#include "tools/starless/Detection.h"
#include "tools/starless/Holes.h"
#include "tools/starless/Inpaint.h"
#include "tools/starless/Parallel.h"
#include "tools/starless/Structure.h"
#include "tools/starless/Wings.h"

namespace kv::starless {

namespace {

constexpr int32_t kBackgroundTile = 64;
// Holes up to this many pixels (a star's mask, or a few merged) may be filled
// with a surface fitted to a ring of this width around them; larger ones
// (the cores of saturated stars and their spikes) keep the smooth continuation.
constexpr std::size_t kLargestSurfaceHole = 2000;
constexpr int32_t kSurfaceRing = 4;

// Passes rising percentages on, one caller at a time.
class ProgressGate {
public:
    explicit ProgressGate(const std::function<void(int)>& sink) : sink_(sink) {}
    void Report(int percent)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (percent <= last_)
            return;
        last_ = percent;
        if (sink_)
            sink_(percent);
    }

private:
    const std::function<void(int)>& sink_;
    std::mutex mutex_;
    int last_ = -1;
};

} // namespace

int TileCount(int32_t width, int32_t height, int32_t tileSide)
{
    return static_cast<int>(((width + tileSide - 1) / tileSide) * ((height + tileSide - 1) / tileSide));
}

namespace {

// One round: detect on the channels as they are, mask, fill. Progress runs
// from first to last percent.
void RemovalPass(const std::vector<float*>& channels, int32_t width, int32_t height, int threads, int32_t tileSide,
                 ProgressGate& gate, int first, int last, uint64_t seed, Background& background, float& typicalWidth,
                 std::vector<Position>& refused, RemovalReport& report)
{
    const std::size_t n = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const auto at = [&](double f) { return first + static_cast<int>((last - first) * f); };

    Plane luminance(width, height);
    const float share = 1.0f / static_cast<float>(channels.size());
    ParallelRows(height, threads, [&](int32_t y0, int32_t y1) {
        for (std::size_t i = static_cast<std::size_t>(y0) * width; i < static_cast<std::size_t>(y1) * width; ++i) {
            float sum = 0;
            for (const float* c : channels)
                sum += c[i];
            luminance.v[i] = sum * share;
        }
    });
    // The noise is that of the image as given: the second round keeps it.
    if (background.noise.v.empty())
        background = EstimateNoise(luminance, kBackgroundTile, threads);
    const Plane smooth = SmoothSigma1(luminance, threads);
    Plane band = WideSmooth(smooth, threads);
    const Plane axis = AxisContrast(smooth, band, threads);
    ParallelRows(height, threads, [&](int32_t y0, int32_t y1) {
        for (std::size_t i = static_cast<std::size_t>(y0) * width; i < static_cast<std::size_t>(y1) * width; ++i)
            band.v[i] = smooth.v[i] - band.v[i];
    });
    gate.Report(at(0.1));

    // Detection, tile by tile.
    const int32_t tilesX = (width + tileSide - 1) / tileSide;
    const int tiles = TileCount(width, height, tileSide);
    std::vector<std::vector<StarShape>> found(static_cast<std::size_t>(tiles));
    std::vector<int> examined(static_cast<std::size_t>(tiles), 0);
    std::vector<const float*> readOnly(channels.begin(), channels.end());
    const DetectionInput input{luminance, smooth, band, axis, background, readOnly, 65000.0f};
    std::atomic<int> done{0};
    ParallelFor(tiles, threads, [&](int t) {
        const int32_t x0 = (t % tilesX) * tileSide, y0 = (t / tilesX) * tileSide;
        found[static_cast<std::size_t>(t)] = FindStars(input, x0, y0, std::min(width, x0 + tileSide),
                                                       std::min(height, y0 + tileSide), examined[static_cast<std::size_t>(t)]);
        gate.Report(at(0.1 + 0.6 * ++done / tiles));
    });
    std::vector<StarShape> stars;
    for (std::size_t t = 0; t < found.size(); ++t) {
        stars.insert(stars.end(), found[t].begin(), found[t].end());
        report.candidates += examined[t];
    }
    JudgeWidths(stars, typicalWidth, refused);
    report.stars += static_cast<int>(stars.size());
    double spikeAngle = 0;
    FindSpikes(input, stars, spikeAngle);

    std::vector<uint8_t> mask(n, 0);
    PaintMasks(stars, spikeAngle, width, height, mask);
    std::vector<std::size_t> masked;
    for (std::size_t i = 0; i < n; ++i)
        if (mask[i])
            masked.push_back(i);
    report.maskedFraction = std::max(report.maskedFraction, double(masked.size()) / double(n));
    const std::vector<Hole> holes = FindHoles(mask, masked, width, height, kLargestSurfaceHole, kSurfaceRing);
    gate.Report(at(0.75));

    // Wings and filling, one channel per thread. The noise map is the luminance's;
    // each channel's own noise scales it.
    const float lumNoise = GlobalNoise(luminance.v.data(), width, height);
    std::atomic<int> filled{0};
    ParallelFor(static_cast<int>(channels.size()), threads, [&](int c) {
        float* plane = channels[static_cast<std::size_t>(c)];
        const float scale = GlobalNoise(plane, width, height) / lumNoise;
        SubtractWings(plane, width, height, stars);
        Inpaint(plane, width, height, mask, masked, holes, background.noise, scale, seed + static_cast<uint64_t>(c));
        gate.Report(at(0.75 + 0.25 * ++filled / static_cast<int>(channels.size())));
    });
}

} // namespace

RemovalReport RemoveStars(const std::vector<float*>& channels, int32_t width, int32_t height,
                          const std::function<void(int)>& progress, int threads, int32_t tileSide)
{
    RemovalReport report;
    ProgressGate gate(progress);
    gate.Report(0);
    if (threads <= 0)
        threads = DefaultThreads();
    report.tiles = TileCount(width, height, tileSide);
    if (width > 0 && height > 0 && !channels.empty()) {
        // A second round finds the stars the first could not judge: those
        // beside brighter stars, whose light the first round has taken away.
        Background background;
        float typicalWidth = 0;
        std::vector<Position> refused;
        RemovalPass(channels, width, height, threads, tileSide, gate, 0, 65, 0x5EED0000u, background, typicalWidth, refused, report);
        RemovalPass(channels, width, height, threads, tileSide, gate, 65, 100, 0x5EED1000u, background, typicalWidth, refused, report);
    }
    gate.Report(100);
    return report;
}

} // namespace kv::starless
