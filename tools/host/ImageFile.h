// Opening an image file for the host (--image) and saving one (--save).
#pragma once

#include <string>

#include "tools/host/HostImage.h"

namespace kv::host {

// Reads a grey or RGB TIFF with 8, 16 or 32 bits per sample, values kept as
// they are; the bottom file row becomes plane row 0. The reader is the
// platform's (FreeImage natively, the host's own TIFF decoder on Windows).
bool ReadImageFile(const std::string& path, HostImage& image, std::string& error);

// Writes the image as a 16-bit TIFF (values clamped to 0..65535), the same way
// the plug-in writes its exchange files.
bool SaveTiff16(const std::string& path, const HostImage& image, std::string& error);

} // namespace kv::host
