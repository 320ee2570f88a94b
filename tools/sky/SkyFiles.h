// Writing a generated sky: 16-bit TIFF files through the project's writer
// and the star list as text.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/sky/Sky.h"

namespace kv::sky {

// Writes channels (top row first; grey or red, green, blue) as a 16-bit TIFF
// whose first file row is row 0. False when the file cannot be written.
bool WriteSkyTiff(const std::vector<std::vector<float>>& channels, int32_t width, int32_t height,
                  const std::filesystem::path& file);

// One line per star after a header line: x y peak fwhm profile beta flux
// saturated spikes (positions in the TIFF's pixel coordinates, top row 0).
std::string StarListText(const Sky& sky);

} // namespace kv::sky
