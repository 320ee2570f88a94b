// A small reader for uncompressed baseline TIFF: byte order II or MM, strips,
// chunky samples, 1 (grey) or 3 (RGB) samples of 8, 16 or 32 bits, unsigned,
// signed or (32 bits) float. Only the first image of the file is read.
// Sample values are kept as they are (an 8-bit 255 becomes 255.0). The last
// file row becomes plane row 0, as in the exchange files the plug-in writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/host/HostImage.h"

namespace kv::host {

// On failure returns false, sets error to one line and leaves image alone.
bool DecodeTiff(const std::vector<uint8_t>& bytes, HostImage& image, std::string& error);

} // namespace kv::host
