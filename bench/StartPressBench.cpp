// One Start press on a 6000 x 4000 colour image (headless dialog, a tool that
// copies its input to its output) against the floor of the same work in the
// same run: one plain write of the exchange file's bytes, the copying tool
// run on its own on that file, and one FreeImage load of its output.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include <FreeImage.h>
#include <tiffio.h>

#include "RatioReporter.h"
#include "base/HostCallback.h"
#include "dialog/Unit1.h"
#include "image/uImage.h"
#include "os/Pipe.h"
#include "os/Process.h"
#include "ui/Application.h"

namespace {

namespace fs = std::filesystem;

constexpr int32_t kWidth = 6000, kHeight = 4000;
constexpr std::size_t kPixels = std::size_t{kWidth} * kHeight;
constexpr std::size_t kFileBytes = 128 + kPixels * 6; // what WriteTiff16 writes for this image

struct Image {
    std::vector<float> green, red, blue;
};

Image& TheImage()
{
    static Image image = [] {
        Image im{std::vector<float>(kPixels), std::vector<float>(kPixels), std::vector<float>(kPixels)};
        for (std::size_t i = 0; i < kPixels; ++i) {
            im.green[i] = static_cast<float>((i * 7) % 65536);
            im.red[i] = static_cast<float>((i * 13) % 65536);
            im.blue[i] = static_cast<float>((i * 31) % 65536);
        }
        im.green[0] = 60000.0f;
        return im;
    }();
    return image;
}

// The host's answers for the one image.
intptr_t KV_STDCALL Host(uint8_t command, intptr_t value, void* data, intptr_t param)
{
    Image& im = TheImage();
    switch (command) {
    case HC_GET_ACTIVE_IMAGE:
        return 1;
    case HC_GET_IMAGE_SIZE:
        *static_cast<int32_t*>(data) = kWidth;
        *reinterpret_cast<int32_t*>(param) = kHeight;
        return 1;
    case HC_GET_PLANE:
        *static_cast<float**>(data) = param == PLANE_MAIN ? im.green.data() : param == PLANE_SECOND ? im.red.data() : im.blue.data();
        return 1;
    default:
        (void)value;
        return 1;
    }
}

const fs::path& ToolFolder()
{
    static const fs::path folder = [] {
        const fs::path f = fs::temp_directory_path() / "kelvoran-bench-tool";
        fs::create_directories(f);
        fs::copy_file(KV_COPY_TOOL, f / "starnet++.exe", fs::copy_options::overwrite_existing);
        return f;
    }();
    return folder;
}

void BM_StartPress(benchmark::State& state)
{
    kv::HostCallback = &Host;
    auto* form = new kv::TForm1(&kv::ui::Application());
    form->EdStarnet->SetText(ToolFolder().u16string());
    for (auto _ : state) {
        form->ButStartClick(nullptr);
        // Anything but the tool's own lines means the press did not complete.
        if (form->MemoLog->Lines().Count() != 1)
            state.SkipWithError("the press logged a problem");
    }
    delete form;
}

// Runs the copying tool on its own, as the process layer starts programs.
bool RunTool(const fs::path& in, const fs::path& out)
{
    kv::os::Pipe pipe;
    kv::os::ChildProcess child;
    if (!pipe.Create() ||
        !child.StartProgram((ToolFolder() / "starnet++.exe").u16string(), {in.u16string(), out.u16string()},
                            ToolFolder().u16string(), pipe, pipe))
        return false;
    pipe.CloseWrite();
    child.Wait();
    return child.ExitCode() == 0;
}

void BM_Floor(benchmark::State& state)
{
    TIFFSetErrorHandler(nullptr);
    TIFFSetWarningHandler(nullptr);
    const fs::path in = fs::temp_directory_path() / "kelvoran-bench-floor.tif";
    const fs::path out = fs::temp_directory_path() / "kelvoran-bench-floor-out.tif";
    // Real image bytes, so that FreeImage has a file to load.
    std::vector<char> bytes(kFileBytes);
    {
        const Image& im = TheImage();
        WriteTiff16(im.green.data(), im.red.data(), im.blue.data(), 1.0f, kWidth, kHeight, true, in.u16string());
        std::FILE* f = std::fopen(in.c_str(), "rb");
        if (f == nullptr || std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size())
            state.SkipWithError("cannot read the exchange file");
        if (f)
            std::fclose(f);
    }
    for (auto _ : state) {
        std::FILE* f = std::fopen(in.c_str(), "wb");
        if (f == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size())
            state.SkipWithError("write failed");
        if (f)
            std::fclose(f);
        if (!RunTool(in, out))
            state.SkipWithError("the tool failed");
        FIBITMAP* bitmap = FreeImage_Load(FreeImage_GetFileType(out.c_str(), 0), out.c_str(), 0);
        if (bitmap == nullptr)
            state.SkipWithError("FreeImage_Load failed");
        benchmark::DoNotOptimize(bitmap);
        FreeImage_Unload(bitmap);
    }
    fs::remove(in);
    fs::remove(out);
}

BENCHMARK(BM_StartPress)->Unit(benchmark::kMillisecond)->MinTime(5.0)->UseRealTime();
BENCHMARK(BM_Floor)->Unit(benchmark::kMillisecond)->MinTime(5.0)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    const int result = kv::bench::RunWithRatio(argc, argv, "BM_StartPress", "BM_Floor", 1.5);
    fs::remove_all(ToolFolder());
    return result;
}
