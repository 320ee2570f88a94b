// The image exchange files: the 16-bit TIFF handed to the tool, and the
// reader that puts the tool's TIFF back into the host's float planes.
#pragma once

#include <cstdint>
#include <memory>
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

// ---- Reader -----------------------------------------------------------------

struct FIBITMAP; // FreeImage's bitmap, opaque here

// Releases a FreeImage bitmap through the bound library.
struct FreeImageBitmapRelease {
    void operator()(FIBITMAP* bitmap) const;
};
using FreeImageBitmap = std::unique_ptr<FIBITMAP, FreeImageBitmapRelease>;

// Loads an image with FreeImage: the format from the file's content, else from
// its name; only formats FreeImage can read. None (empty) when the file cannot
// be identified or read, or FreeImage is not available.
FreeImageBitmap LoadImageFile(const std::u16string& fileName, int32_t flags);

// Reads a 16-bit image (grey: FIT_UINT16, FIT_INT16; colour: FIT_RGB16,
// FIT_RGBA16, alpha dropped) into float planes, each sample times factor,
// rounded halves to even, not clamped. The file's last row fills plane indices
// 0..width-1, its first row comes last (the writer's mirroring undone). Colour:
// red -> plane2, green -> plane1, blue -> plane3; when the three planes are one
// (a grey host), each pixel stores the mean of red, green and blue instead.
// Grey files touch plane1 only. At most maxSamples values go into each plane;
// a smaller file leaves the rest as it was. False, with the planes untouched,
// for a missing or unreadable file, a side above 24,000, another image type,
// maxSamples < 1, a null plane, or FreeImage not available.
bool LoadTiffPlanes(const std::u16string& fileName, float* plane1, float* plane2, float* plane3, float factor,
                    int32_t maxSamples);
// The conversion step of LoadTiffPlanes, for a bitmap already loaded.
bool BitmapToPlanes(FIBITMAP* bitmap, float* plane1, float* plane2, float* plane3, float factor, int32_t maxSamples);

// One-sample rows of a FreeImage buffer (bottom-up) into plane, in buffer
// order, stopping right after maxSamples values. alignRows skips the padding
// that ends each row on a multiple of 4 bytes.
void Grey16ToPlane(const uint8_t* pixels, int32_t width, int32_t height, int32_t maxSamples, float* plane,
                   float factor, bool isSigned, bool alignRows);

// The same for unsigned colour pixels of samplesPerPixel samples (3: RGB, 4:
// RGBA, whose alpha is skipped).
void Rgb16ToPlanes(const uint8_t* pixels, int32_t width, int32_t height, int32_t maxSamples, float* plane1,
                   float* plane2, float* plane3, float factor, bool alignRows, int32_t samplesPerPixel);

// Why FreeImage cannot be used in this process, as a line for the dialog's log
// ("ERROR: ..."), or empty when it can. The library is bound once, at the first
// load; the text stays the same afterwards. Natively FreeImage is linked, and
// this is always empty.
std::u16string FreeImageProblem();
