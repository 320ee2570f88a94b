// One Start press through the reference host with the real plug-in and the
// scripted stand-in tool, and what came of it.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/Environment.h"
#include "support/Process.h"
#include "support/TempFolder.h"
#include "tools/host/HostImage.h"

namespace kv::test {

struct GaugeLine {
    int value = 0;
    bool startEnabled = false;
    int ticks = 0;
    int paints = 0;
    bool operator==(const GaugeLine& o) const { return value == o.value && startEnabled == o.startEnabled; }
};

struct PressResult {
    ProcessResult process;
    std::vector<std::string> log; // the dialog's log after the press, one entry a line
    std::vector<int> commands;    // callback commands, in order
    std::vector<GaugeLine> gauge; // gauge values seen during the press
    bool startEnabledAfter = false;
    host::HostImage image; // the host's image afterwards (when one was given)
};

class RoundTrip {
public:
    // temp: the name of the user's temporary folder inside the test's folder.
    explicit RoundTrip(const std::string& tempName = "Temp");

    // The folder holding starnet++.exe, with a trailing delimiter.
    std::string ToolFolder() const;
    std::filesystem::path ToolFile(const std::string& name) const { return tool_.Path() / name; }
    void Script(const std::string& lines) const;
    std::filesystem::path Temp() const { return temp_; }
    std::filesystem::path File(const std::string& name) const { return files_.Path() / name; }

    // Presses Start on image (an empty image: none open) with folder typed in;
    // extra goes to the host's command line as well.
    PressResult Press(const host::HostImage& image, const std::string& folder, bool eightBit = false,
                      const std::vector<std::string>& extra = {},
                      const std::filesystem::path& workingFolder = {});
    // The .tif files left anywhere under the temporary folder.
    std::vector<std::filesystem::path> LeftOverImages() const;

private:
    TempFolder tool_;
    TempFolder files_;
    std::filesystem::path temp_;
    std::vector<std::unique_ptr<ScopedEnvironment>> environment_;
};

// A colour (or grey) image whose values differ by row, column and plane;
// plane 0 peaks at peak in its first pixel.
host::HostImage PatternImage(int32_t width, int32_t height, int channels, float peak, float offset = 0.0f);
// The bytes WriteTiff16 writes for the image's planes.
std::vector<uint8_t> ExchangeBytes(const host::HostImage& image, float factor = 1.0f);

} // namespace kv::test
