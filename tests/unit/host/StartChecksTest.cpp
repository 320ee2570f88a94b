// Start's range checks and its failures through the host, as tables: what
// the log says, which commands the host hears, and that the image comes back
// as the tool left it (or untouched) with no exchange file left behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>

#include "RoundTrip.h"
#include "image/uImage.h"
#include "support/Files.h"

namespace {

namespace fs = std::filesystem;
using kv::host::HostImage;
using kv::test::RoundTrip;

const std::vector<int> kRefused = {16, 1, 0, 0, 0};
const std::vector<int> kWholePress = {16, 1, 0, 0, 0, 8, 2};
const std::string kOpening = "Opening Starnet++ ...";
const std::string kSmall = "WARNING: Minimum image size is 512x512 pixels.";

HostImage WithPeak(int32_t width, int32_t height, int channels, float scaleTo, float first)
{
    HostImage image = kv::test::PatternImage(width, height, channels, 0.0f);
    // Values from 0 up to scaleTo, the first one set apart.
    for (intptr_t code : {0, 2, 3}) {
        if (channels == 1 && code != 0)
            break;
        float* plane = image.Plane(code);
        for (std::size_t i = 0; i < image.PixelCount(); ++i)
            plane[i] = std::round(plane[i] / 9000.0f * scaleTo);
    }
    image.Plane(0)[0] = first;
    return image;
}

// The image as it comes back from an exchange file that the tool copied: each
// value stored as a 16-bit sample with factor and read back with 1 / factor.
HostImage ThroughExchange(const HostImage& image, float factor)
{
    HostImage out = image;
    for (intptr_t code : {0, 2, 3}) {
        float* plane = out.Plane(code);
        for (std::size_t i = 0; i < out.PixelCount(); ++i)
            plane[i] = static_cast<float>(std::nearbyint(TiffSample(plane[i], factor) * (1.0 / factor)));
        if (!out.IsColor())
            break;
    }
    return out;
}

bool SamePlanes(const HostImage& a, const HostImage& b)
{
    for (intptr_t code : {0, 2, 3})
        for (std::size_t i = 0; i < a.PixelCount(); ++i)
            if (!(a.Plane(code)[i] == b.Plane(code)[i]))
                return false;
    return true;
}

struct RangeCase {
    const char* name;
    HostImage image;
    bool eightBit;
    std::vector<std::string> log;
    std::vector<int> commands;
};

void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name; }

class StartRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(StartRange, AcceptsOrRefusesTheImage)
{
    const RangeCase& c = GetParam();
    RoundTrip trip;
    trip.Script("keep seen-input.tif\ncopy\n");
    const auto r = trip.Press(c.image, trip.ToolFolder(), c.eightBit);
    EXPECT_EQ(r.log, c.log);
    EXPECT_EQ(r.commands, c.commands);
    const bool ran = c.commands == kWholePress;
    if (!c.image.Empty()) {
        // Refused images are untouched; accepted ones come back through the tool's copy.
        EXPECT_TRUE(SamePlanes(r.image, ran ? ThroughExchange(c.image, c.eightBit ? 256.0f : 1.0f) : c.image));
    }
    EXPECT_EQ(fs::exists(trip.ToolFile("seen-input.tif")), ran);
    if (ran) {
        EXPECT_EQ(kv::test::ReadBytes(trip.ToolFile("seen-input.tif")),
                  kv::test::ExchangeBytes(c.image, c.eightBit ? 256.0f : 1.0f));
    }
    EXPECT_EQ(trip.LeftOverImages(), std::vector<fs::path>{});
}

const float kAboveTenThousand = std::nextafter(10000.0f, 20000.0f);

INSTANTIATE_TEST_SUITE_P(
    Images, StartRange,
    ::testing::Values(
        RangeCase{"NoImage", HostImage(), false, {"Please open an image."}, {16}},
        RangeCase{"EightBitDataWithTheBoxOff", WithPeak(8, 8, 3, 200, 255), false,
                  {"Image seems only 8 bit, please enable the option below."}, kRefused},
        RangeCase{"DarkSixteenBitImage", WithPeak(8, 8, 3, 30, 40), false,
                  {"Image range is too low, it must be 16 bits. See docs."}, kRefused},
        RangeCase{"PeakExactlyTenThousand", WithPeak(8, 8, 3, 9000, 10000), false,
                  {"Image range is too low, it must be 16 bits. See docs."}, kRefused},
        RangeCase{"PeakJustAboveTenThousand", WithPeak(8, 8, 3, 9000, kAboveTenThousand), false,
                  {kOpening, kSmall}, kWholePress},
        // The search stops at the first pixel; what follows is dark.
        RangeCase{"EarlyPeakAboveTenThousand", WithPeak(8, 8, 3, 10, 30000), false, {kOpening, kSmall}, kWholePress},
        RangeCase{"EightBitBoxOnPeak259", WithPeak(8, 8, 3, 200, 259), true, {kOpening, kSmall}, kWholePress},
        RangeCase{"EightBitBoxOnPeak259AndAHalf", WithPeak(8, 8, 3, 200, 259.5f), true,
                  {"Please check: Image seems not 8 bit."}, kRefused},
        RangeCase{"NarrowImageIsWarnedAbout", WithPeak(511, 2000, 1, 9000, 20000), false, {kOpening, kSmall},
                  kWholePress},
        RangeCase{"FullSizeHasNoWarning", WithPeak(512, 512, 1, 9000, 20000), false, {kOpening}, kWholePress},
        RangeCase{"GreyImageGivesAGreyExchangeFile", WithPeak(8, 8, 1, 9000, 20000), false, {kOpening, kSmall},
                  kWholePress}),
    [](const auto& tp) { return std::string(tp.param.name); });

// ---- Failures -------------------------------------------------------------

// What a failing press is given: the folder to type, the tool's script and
// the files beside the tool; the log it must end with.
struct FailureCase {
    const char* name;
    std::function<std::string(const RoundTrip&)> folder;
    std::string script;
    std::function<void(const RoundTrip&, const HostImage&)> prepare;
    std::function<std::vector<std::string>(const RoundTrip&)> log;
    // The interpreter may add lines of its own (a shell reports a crash).
    bool interpreterMayAdd = false;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class StartFailure : public ::testing::TestWithParam<FailureCase> {};

HostImage FailureImage() { return WithPeak(8, 6, 3, 9000, 20000); }

std::string ToolFolder(const RoundTrip& rt) { return rt.ToolFolder(); }

std::vector<std::string> Lines(std::initializer_list<std::string> lines) { return lines; }

// A result file of the host image's kind, changed by f.
void ResultFrom(const RoundTrip& rt, const HostImage& image, const std::function<void(std::vector<uint8_t>&)>& f)
{
    auto bytes = kv::test::ExchangeBytes(image);
    f(bytes);
    kv::test::WriteBytes(rt.ToolFile("result.tif"), bytes);
}

TEST_P(StartFailure, LeavesTheImageAndSaysWhy)
{
    const FailureCase& c = GetParam();
    RoundTrip trip;
    const HostImage image = FailureImage();
    trip.Script(c.script);
    if (c.prepare)
        c.prepare(trip, image);
    const auto r = trip.Press(image, c.folder(trip));
    const auto expected = c.log(trip);
    std::vector<std::string> log = r.log;
    if (c.interpreterMayAdd && !log.empty()) {
        // Only the lines expected, in their order; the error line still last.
        EXPECT_EQ(log.back(), expected.back());
        std::erase_if(log, [&](const std::string& line) {
            return std::find(expected.begin(), expected.end(), line) == expected.end();
        });
    }
    EXPECT_EQ(log, expected);
    // A refused folder starts nothing and leaves the gauge alone; a run ends at 0.
    if (expected.front() != kOpening) {
        EXPECT_EQ(r.gauge.size(), 0u);
    } else if (!r.gauge.empty()) {
        EXPECT_EQ(r.gauge.back().value, 0);
    }
    EXPECT_EQ(r.commands, kWholePress);
    EXPECT_TRUE(SamePlanes(r.image, image));
    EXPECT_TRUE(r.startEnabledAfter);
    EXPECT_EQ(trip.LeftOverImages(), std::vector<fs::path>{});
}

FailureCase Metacharacter(const char* name, const std::string& c)
{
    return {name, [c](const RoundTrip& rt) { return rt.ToolFolder() + "a" + c + "b"; }, "copy\n", nullptr,
            [c](const RoundTrip&) { return Lines({"ERROR: The path cannot contain the character " + c}); }};
}

INSTANTIATE_TEST_SUITE_P(
    Failures, StartFailure,
    ::testing::Values(
        FailureCase{"FolderWithABlank", [](const RoundTrip& rt) { return rt.ToolFolder() + "a b"; }, "copy\n", nullptr,
                    [](const RoundTrip&) { return Lines({"ERROR: The path cannot contain spaces"}); }},
        FailureCase{"FolderWithoutTheTool",
                    [](const RoundTrip& rt) { return (rt.File("") / "empty").string(); }, "copy\n",
                    [](const RoundTrip& rt, const HostImage&) { fs::create_directories(rt.File("empty")); },
                    [](const RoundTrip& rt) {
                        return Lines({"ERROR: Starnet++ 2.0 not found in: \r" + (rt.File("") / "empty" / "").string()});
                    }},
        Metacharacter("Ampersand", "&"), Metacharacter("Bar", "|"), Metacharacter("Less", "<"),
        Metacharacter("Greater", ">"), Metacharacter("Caret", "^"), Metacharacter("Quote", "\""),
        Metacharacter("Percent", "%"),
        FailureCase{"ToolWritesNothing", ToolFolder, "", nullptr,
                    [](const RoundTrip&) {
                        return Lines({"Opening Starnet++ ...", "WARNING: Minimum image size is 512x512 pixels.",
                                      "ERROR: Starnet++ wrote no result; the image is unchanged."});
                    }},
        FailureCase{"ToolCrashesMidRun", ToolFolder, "write Working\\r\\n\npause 100\ncrash\ncopy\n", nullptr,
                    [](const RoundTrip&) {
                        return Lines({"Opening Starnet++ ...", "WARNING: Minimum image size is 512x512 pixels.",
                                      "Working", "ERROR: Starnet++ wrote no result; the image is unchanged."});
                    },
                    true},
        FailureCase{"ResultIsEightBit", ToolFolder, "result result.tif\n",
                    [](const RoundTrip& rt, const HostImage& image) {
                        // The grey exchange layout with 8-bit samples.
                        HostImage grey(image.Width(), image.Height(), 1);
                        auto bytes = kv::test::ExchangeBytes(grey);
                        const uint32_t samples = static_cast<uint32_t>(grey.PixelCount());
                        bytes[54] = 8; // BitsPerSample
                        for (int i = 0; i < 4; ++i)
                            bytes[114 + i] = static_cast<uint8_t>(samples >> (8 * i)); // StripByteCounts
                        bytes.resize(128 + samples);
                        kv::test::WriteBytes(rt.ToolFile("result.tif"), bytes);
                    },
                    [](const RoundTrip&) {
                        return Lines({"Opening Starnet++ ...", "WARNING: Minimum image size is 512x512 pixels.",
                                      "ERROR: The result is not a 16-bit image; the image is unchanged."});
                    }},
        FailureCase{"ResultOfAnotherSize", ToolFolder, "result result.tif\n",
                    [](const RoundTrip& rt, const HostImage&) {
                        kv::test::WriteBytes(rt.ToolFile("result.tif"),
                                             kv::test::ExchangeBytes(kv::test::PatternImage(6, 8, 3, 100)));
                    },
                    [](const RoundTrip&) {
                        return Lines({"Opening Starnet++ ...", "WARNING: Minimum image size is 512x512 pixels.",
                                      "ERROR: The result has another size than the image; the image is unchanged."});
                    }},
        FailureCase{"ResultCutShort", ToolFolder, "result result.tif\n",
                    [](const RoundTrip& rt, const HostImage& image) {
                        ResultFrom(rt, kv::test::PatternImage(image.Width(), image.Height(), 3, 5000),
                                   [](std::vector<uint8_t>& bytes) { bytes.resize(bytes.size() - 40); });
                    },
                    [](const RoundTrip&) {
                        return Lines({"Opening Starnet++ ...", "WARNING: Minimum image size is 512x512 pixels.",
                                      "ERROR: The result is incomplete; the image is unchanged."});
                    }},
        FailureCase{"ResultIsNoImage", ToolFolder, "result result.tif\n",
                    [](const RoundTrip& rt, const HostImage&) {
                        kv::test::WriteBytes(rt.ToolFile("result.tif"), {'n', 'o', 't', ' ', 'a', 'n', 'y'});
                    },
                    [](const RoundTrip&) {
                        return Lines({"Opening Starnet++ ...", "WARNING: Minimum image size is 512x512 pixels.",
                                      "ERROR: The result cannot be read; the image is unchanged."});
                    }}),
    [](const auto& tp) { return std::string(tp.param.name); });

TEST(StartFailure, FloodOfOutputReachesTheLogWhole)
{
    RoundTrip trip;
    const HostImage image = FailureImage();
    trip.Script("flood 204800\ncopy\n");
    const auto r = trip.Press(image, trip.ToolFolder());
    ASSERT_GE(r.log.size(), 2u);
    EXPECT_EQ(r.log[0], kOpening);
    EXPECT_EQ(r.log[1], kSmall);
    std::size_t total = 0;
    for (std::size_t i = 2; i < r.log.size(); ++i) {
        EXPECT_EQ(r.log[i].find_first_not_of('x'), std::string::npos) << r.log[i];
        total += r.log[i].size();
    }
    EXPECT_EQ(total, 204800u);
    EXPECT_EQ(r.commands, kWholePress);
    EXPECT_TRUE(SamePlanes(r.image, image));
}

TEST(StartFailure, ExchangeFileThatCannotBeWrittenRunsNoTool)
{
    RoundTrip trip;
    const auto unwritable = kv::test::UnwritableTempFor(trip.File("").u16string());
    std::vector<std::unique_ptr<kv::test::ScopedEnvironment>> temp;
    for (const char* const* name = kv::test::TempVariables(); *name; ++name)
        temp.push_back(std::make_unique<kv::test::ScopedEnvironment>(*name, unwritable.temp));
    trip.Script("args tool-args.txt\ncopy\n");
    const HostImage image = FailureImage();
    const auto r = trip.Press(image, trip.ToolFolder(), false, {}, fs::path(unwritable.workingFolder));
    ASSERT_EQ(r.log.size(), 1u);
    EXPECT_EQ(r.log[0].rfind("ERROR: Cannot write the temporary image ", 0), 0u) << r.log[0];
    EXPECT_EQ(r.commands, kWholePress);
    EXPECT_FALSE(fs::exists(trip.ToolFile("tool-args.txt")));
    EXPECT_TRUE(SamePlanes(r.image, image));
}

} // namespace
