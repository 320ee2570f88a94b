// The --raw layout: little-endian float32 planes one after the other, plane
// code 0 first, then 2 and 3 for a colour image; each plane row 0 first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/host/HostImage.h"
#include "tools/host/Options.h"

namespace kv::host {

// Builds the image from the file's bytes; a size other than
// width x height x channels x 4 bytes is an error.
bool DecodeRawPlanes(const std::vector<uint8_t>& bytes, int32_t width, int32_t height, int channels,
                     HostImage& image, std::string& error);
std::vector<uint8_t> EncodeRawPlanes(const HostImage& image);

bool ReadRawImage(const RawInput& raw, HostImage& image, std::string& error);
bool WriteRawImage(const std::string& path, const HostImage& image, std::string& error);

} // namespace kv::host
