// The image exchange files: the 16-bit TIFF handed to the tool, and the
// reader that puts the tool's TIFF back into the host's float planes.
#pragma once

#include <cstdint>
#include <string>

// Writes one (grey) or three (colour) float planes as an uncompressed
// little-endian 16-bit TIFF. Colour samples are stored planeB, planeA, planeC;
// the last plane row becomes the first file row. Each value is multiplied by
// factor, clamped to 0..65535 and rounded halves to even. Returns false on any
// failure; a partly written file is left as it is. Sizes the format cannot
// hold (a side above 65,535, a strip of 4 GiB or more) are refused before a
// file is created. Not re-entrant: it assembles rows in one module buffer.
bool WriteTiff16(const float* planeA, const float* planeB, const float* planeC, float factor, int32_t width,
                 int32_t height, bool isColor, const std::u16string& fileName);

// The 16-bit sample the writer stores for a plane value: v times factor,
// clamped to 0..65535, rounded halves to even.
uint16_t TiffSample(float v, float factor);
