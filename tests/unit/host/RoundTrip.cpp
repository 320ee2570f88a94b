#include "RoundTrip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "image/uImage.h"
#include "support/Files.h"
#include "tools/host/RawPlanes.h"

namespace kv::test {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool IsNumber(const std::string& s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Utf8(const fs::path& p)
{
    const auto u8 = p.u8string();
    return std::string(u8.begin(), u8.end());
}

} // namespace

RoundTrip::RoundTrip(const std::string& tempName)
{
    temp_ = files_.Path() / fs::path(std::u8string(tempName.begin(), tempName.end()));
    fs::create_directories(temp_);
    for (const char* const* name = TempVariables(); *name; ++name)
        environment_.push_back(std::make_unique<ScopedEnvironment>(*name, temp_.u16string()));
    fs::copy_file(KV_SCRIPTED_TOOL, tool_.Path() / "starnet++.exe");
}

std::string RoundTrip::ToolFolder() const
{
    return Utf8(tool_.Path() / "");
}

void RoundTrip::Script(const std::string& lines) const
{
    std::ofstream(tool_.Path() / "tool-script.txt", std::ios::binary) << lines;
}

PressResult RoundTrip::Press(const host::HostImage& image, const std::string& folder, bool eightBit,
                             const std::vector<std::string>& extra, const fs::path& workingFolder)
{
    std::vector<std::string> args = {"--plugin", KV_PLUGIN, "--folder", folder};
    if (!image.Empty()) {
        WriteBytes(File("in.raw"), host::EncodeRawPlanes(image));
        args.insert(args.end(), {"--raw", std::to_string(image.Width()), std::to_string(image.Height()),
                                 std::to_string(image.Channels()), Utf8(File("in.raw")), "--save-raw",
                                 Utf8(File("out.raw"))});
    }
    if (eightBit)
        args.push_back("--eight-bit");
    args.insert(args.end(), {"--start", "--print-log", "--commands", "--print-gauge"});
    args.insert(args.end(), extra.begin(), extra.end());

    PressResult r;
    r.process = RunProgram(KV_HOST_EXE, args, workingFolder.empty() ? files_.Path() : workingFolder);
    EXPECT_EQ(r.process.exitCode, 0) << r.process.err;
    // Printed in this order: the log, the commands (the first is always 16),
    // the gauge lines, "after start N".
    std::vector<std::string> lines = Lines(r.process.out);
    while (!lines.empty() && (lines.back().rfind("gauge ", 0) == 0 || lines.back().rfind("after start ", 0) == 0)) {
        const std::string& line = lines.back();
        if (line.rfind("after start ", 0) == 0)
            r.startEnabledAfter = line == "after start 1";
        else {
            GaugeLine g;
            int enabled = 0;
            std::sscanf(line.c_str(), "gauge %d start %d ticks %d paints %d", &g.value, &enabled, &g.ticks, &g.paints);
            g.startEnabled = enabled != 0;
            r.gauge.insert(r.gauge.begin(), g);
        }
        lines.pop_back();
    }
    std::size_t first = lines.size();
    while (first > 0 && IsNumber(lines[first - 1]))
        --first;
    while (first < lines.size() && lines[first] != "16")
        ++first;
    for (std::size_t i = first; i < lines.size(); ++i)
        r.commands.push_back(std::stoi(lines[i]));
    r.log.assign(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(first));
    if (!image.Empty()) {
        std::string error;
        EXPECT_TRUE(host::DecodeRawPlanes(ReadBytes(File("out.raw")), image.Width(), image.Height(), image.Channels(),
                                          r.image, error))
            << error;
    }
    return r;
}

std::vector<fs::path> RoundTrip::LeftOverImages() const
{
    std::vector<fs::path> found;
    for (const auto& entry : fs::recursive_directory_iterator(temp_))
        if (entry.path().extension() == ".tif")
            found.push_back(entry.path());
    return found;
}

host::HostImage PatternImage(int32_t width, int32_t height, int channels, float peak, float offset)
{
    host::HostImage image(width, height, channels);
    const intptr_t codes[] = {0, 2, 3};
    for (int c = 0; c < channels; ++c) {
        float* plane = image.Plane(codes[c]);
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x)
                plane[static_cast<std::size_t>(y) * width + x] =
                    std::fmod(offset + 1000.0f * static_cast<float>(c) + 7.0f * static_cast<float>(x) +
                                  13.0f * static_cast<float>(y),
                              9000.0f);
    }
    image.Plane(0)[0] = peak;
    return image;
}

std::vector<uint8_t> ExchangeBytes(const host::HostImage& image, float factor)
{
    TempFolder folder;
    const auto file = folder / "exchange.tif";
    EXPECT_TRUE(WriteTiff16(image.Plane(0), image.Plane(2), image.Plane(3), factor, image.Width(), image.Height(),
                            image.IsColor(), file.u16string()));
    return ReadBytes(file);
}

} // namespace kv::test
