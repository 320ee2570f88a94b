// WriteTiff16 on a 6000 x 4000 colour image against one plain fwrite of the
// same number of bytes into the same folder.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "RatioReporter.h"
#include "image/uImage.h"

namespace {

constexpr int32_t kWidth = 6000, kHeight = 4000;
constexpr std::size_t kFileBytes = 128 + std::size_t{kWidth} * kHeight * 6;

std::filesystem::path Folder() { return std::filesystem::temp_directory_path(); }

struct Image {
    std::vector<float> a, b, c;
    Image() : a(std::size_t{kWidth} * kHeight), b(a.size()), c(a.size())
    {
        for (std::size_t i = 0; i < a.size(); ++i) {
            a[i] = static_cast<float>((i * 7) % 70000) + 0.25f; // some values above the range, to clamp
            b[i] = static_cast<float>((i * 13) % 65536) + 0.5f;
            c[i] = static_cast<float>((i * 31) % 65536);
        }
    }
};

void BM_WriteTiff16(benchmark::State& state)
{
    static const Image image;
    const auto path = Folder() / "kelvoran-bench-writer.tif";
    for (auto _ : state) {
        if (!WriteTiff16(image.a.data(), image.b.data(), image.c.data(), 1.0f, kWidth, kHeight, true, path.u16string()))
            state.SkipWithError("WriteTiff16 failed");
    }
    std::filesystem::remove(path);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
}

void BM_PlainFwrite(benchmark::State& state)
{
    const std::vector<char> bytes(kFileBytes, 1);
    const auto path = Folder() / "kelvoran-bench-fwrite.bin";
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (f == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size())
            state.SkipWithError("fwrite failed");
        if (f != nullptr)
            std::fclose(f);
    }
    std::filesystem::remove(path);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
}

BENCHMARK(BM_WriteTiff16)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_PlainFwrite)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return kv::bench::RunWithRatio(argc, argv, "BM_WriteTiff16", "BM_PlainFwrite", 1.15);
}
