// LoadTiffPlanes on a 6000 x 4000 colour file against FreeImage's own load of
// the same file (identify, load, unload): the difference is the reader's work.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

#include <FreeImage.h>
#include <tiffio.h>

#include "RatioReporter.h"
#include "image/uImage.h"

namespace {

constexpr int32_t kWidth = 6000, kHeight = 4000;
constexpr std::size_t kPixels = std::size_t{kWidth} * kHeight;

// The file both benchmarks read, written once by WriteTiff16.
const std::filesystem::path& File()
{
    static const std::filesystem::path path = [] {
        auto p = std::filesystem::temp_directory_path() / "kelvoran-bench-reader.tif";
        std::vector<float> a(kPixels), b(kPixels), c(kPixels);
        for (std::size_t i = 0; i < kPixels; ++i) {
            a[i] = static_cast<float>((i * 7) % 65536);
            b[i] = static_cast<float>((i * 13) % 65536);
            c[i] = static_cast<float>((i * 31) % 65536);
        }
        WriteTiff16(a.data(), b.data(), c.data(), 1.0f, kWidth, kHeight, true, p.u16string());
        return p;
    }();
    return path;
}

void BM_LoadTiffPlanes(benchmark::State& state)
{
    std::vector<float> p1(kPixels), p2(kPixels), p3(kPixels);
    const std::u16string name = File().u16string();
    for (auto _ : state) {
        if (!LoadTiffPlanes(name, p1.data(), p2.data(), p3.data(), 1.0f / 256.0f, static_cast<int32_t>(kPixels)))
            state.SkipWithError("LoadTiffPlanes failed");
        benchmark::DoNotOptimize(p1.data());
    }
}

void BM_FreeImageLoad(benchmark::State& state)
{
    // libtiff quiet, as the reader keeps it; printing its warnings would cost time too.
    TIFFSetErrorHandler(nullptr);
    TIFFSetWarningHandler(nullptr);
    const std::string name = File().string();
    for (auto _ : state) {
        const FREE_IMAGE_FORMAT format = FreeImage_GetFileType(name.c_str(), 0);
        FIBITMAP* bitmap = FreeImage_Load(format, name.c_str(), 0);
        if (bitmap == nullptr)
            state.SkipWithError("FreeImage_Load failed");
        benchmark::DoNotOptimize(bitmap);
        FreeImage_Unload(bitmap);
    }
}

BENCHMARK(BM_LoadTiffPlanes)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
BENCHMARK(BM_FreeImageLoad)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    const int result = kv::bench::RunWithRatio(argc, argv, "BM_LoadTiffPlanes", "BM_FreeImageLoad", 1.10);
    std::filesystem::remove(File());
    return result;
}
