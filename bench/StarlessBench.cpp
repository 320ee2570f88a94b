// The stand-in star remover on generated skies: its quality against the
// truth (2000 x 1500 colour, 1000 x 800 grey) and its speed (6000 x 4000 and
// 2000 x 1500 colour, the method alone and the tool from file to file).
// Quality figures are printed one per line and written to the results file
// (starless-results.txt in the working folder, or the path in
// KV_STARLESS_RESULTS).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/sky/Quality.h"
#include "tools/sky/Sky.h"
#include "tools/sky/SkyFiles.h"
#include "tools/starless/StarRemover.h"
#include "tools/starless/ToolRun.h"

namespace {

using kv::sky::GenerateSky;
using kv::sky::QualityFigures;
using kv::sky::Sky;
using kv::sky::SkyOptions;

std::vector<float*> Pointers(std::vector<std::vector<float>>& channels)
{
    std::vector<float*> p;
    for (auto& c : channels)
        p.push_back(c.data());
    return p;
}

struct Target {
    const char* name;
    double value;
    double limit;
    bool absolute; // compare |value|
};

std::string QualityReport(const char* label, const SkyOptions& options, double& seconds)
{
    Sky sky = GenerateSky(options);
    std::vector<std::vector<float>> result = sky.image;
    const auto start = std::chrono::steady_clock::now();
    const kv::starless::RemovalReport removal = kv::starless::RemoveStars(Pointers(result), sky.width, sky.height, {});
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const QualityFigures q = kv::sky::MeasureQuality(sky, result);

    std::ostringstream out;
    out << "== " << label << " (seed " << options.seed << "): " << removal.stars << " stars found of " << q.stars
        << " placed, " << removal.candidates << " peaks examined, " << 100 * removal.maskedFraction
        << " % of pixels filled, " << seconds << " s\n";
    out << kv::sky::FormatQuality(q);
    const Target targets[] = {
        {"stars_visible_fraction", q.visibleFraction, 0.02, false},
        {"star_flux_left", q.fluxLeft, 0.05, true},
        {"untouched_sky_rms", q.untouchedRms, 0.0005, false},
        {"worst_object_change", q.worstObjectChange, 0.05, false},
        {"holes", double(q.holes), 0.0, false},
    };
    {
        char line[200];
        std::snprintf(line, sizeof line, "figure stars_detectable_fraction: %.5g (no target; stricter than visible)\n",
                      q.detectableFraction);
        out << line;
    }
    for (const Target& t : targets) {
        const bool met = (t.absolute ? std::abs(t.value) : t.value) <= t.limit;
        char line[200];
        std::snprintf(line, sizeof line, "target %s: %.5g (limit %s%.5g) %s\n", t.name, t.value, t.absolute ? "+-" : "<= ",
                      t.limit, met ? "met" : "NOT MET");
        out << line;
    }
    return out.str();
}

void BM_RemoveStars(benchmark::State& state)
{
    const SkyOptions options{static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)), true, 7, false};
    const Sky sky = GenerateSky(options);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::vector<float>> work = sky.image;
        state.ResumeTiming();
        const auto report = kv::starless::RemoveStars(Pointers(work), sky.width, sky.height, {});
        benchmark::DoNotOptimize(report.stars);
    }
}

// The whole tool: read the TIFF, remove the stars, write the TIFF.
void BM_ToolFileToFile(benchmark::State& state)
{
    const SkyOptions options{static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)), true, 7, false};
    const auto folder = std::filesystem::temp_directory_path();
    const auto input = folder / "kelvoran-bench-starless-in.tif";
    const auto output = folder / "kelvoran-bench-starless-out.tif";
    {
        const Sky sky = GenerateSky(options);
        if (!kv::sky::WriteSkyTiff(sky.image, sky.width, sky.height, input)) {
            state.SkipWithError("cannot write the input");
            return;
        }
    }
    kv::starless::Console quiet([](std::string_view) {}, [] {});
    for (auto _ : state) {
        const int code = kv::starless::RunStarless({input.string(), output.string()}, quiet, [](const std::string&) {});
        if (code != 0)
            state.SkipWithError("the tool failed");
    }
    std::filesystem::remove(input);
    std::filesystem::remove(output);
}

BENCHMARK(BM_RemoveStars)->Args({6000, 4000})->Args({2000, 1500})->Unit(benchmark::kSecond)->Iterations(2)->UseRealTime();
BENCHMARK(BM_ToolFileToFile)->Args({6000, 4000})->Unit(benchmark::kSecond)->Iterations(2)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    double rgbSeconds = 0, greySeconds = 0;
    std::string text = QualityReport("2000 x 1500 rgb", SkyOptions{2000, 1500, true, 11, true}, rgbSeconds);
    text += QualityReport("1000 x 800 grey", SkyOptions{1000, 800, false, 12, true}, greySeconds);
    std::cout << text << std::flush;
    const char* path = std::getenv("KV_STARLESS_RESULTS");
    std::ofstream results(path != nullptr ? path : "starless-results.txt");
    results << text;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
