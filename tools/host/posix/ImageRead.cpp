// --image through the system FreeImage. FreeImage keeps rows bottom-up, so its
// scan line y is plane row y.
#include <FreeImage.h>
#include <tiffio.h>

#include <cstdarg>
#include <cstdio>

#include <filesystem>
#include <memory>

#include "tools/host/ImageFile.h"

namespace kv::host {

namespace {

struct Unload {
    void operator()(FIBITMAP* dib) const { FreeImage_Unload(dib); }
};
using Bitmap = std::unique_ptr<FIBITMAP, Unload>;

// How the samples of one pixel lie in a scan line.
struct Layout {
    int channels;     // 1 or 3 taken from the file
    int stride;       // samples per pixel in the scan line
    int offset[3];    // sample index of red, green, blue (or grey)
    FREE_IMAGE_TYPE sampleType;
};

template <typename T>
void CopyRows(FIBITMAP* dib, const Layout& layout, HostImage& image)
{
    constexpr intptr_t kCodes[] = {2, 0, 3};
    const auto width = static_cast<std::size_t>(image.Width());
    for (int32_t y = 0; y < image.Height(); ++y) {
        const T* line = reinterpret_cast<const T*>(FreeImage_GetScanLine(dib, y));
        for (int c = 0; c < layout.channels; ++c) {
            float* row = image.Plane(layout.channels == 1 ? 0 : kCodes[c]) + static_cast<std::size_t>(y) * width;
            for (std::size_t x = 0; x < width; ++x)
                row[x] = static_cast<float>(line[x * static_cast<std::size_t>(layout.stride) + static_cast<std::size_t>(layout.offset[c])]);
        }
    }
}

bool LayoutOf(FIBITMAP* dib, Layout& layout)
{
    const unsigned bpp = FreeImage_GetBPP(dib);
    switch (FreeImage_GetImageType(dib)) {
    case FIT_BITMAP:
        if (bpp == 8 && FreeImage_GetColorType(dib) == FIC_MINISBLACK)
            layout = {1, 1, {0, 0, 0}, FIT_BITMAP};
        else if (bpp == 24 || bpp == 32)
            layout = {3, static_cast<int>(bpp / 8), {FI_RGBA_RED, FI_RGBA_GREEN, FI_RGBA_BLUE}, FIT_BITMAP};
        else
            return false;
        return true;
    case FIT_UINT16: case FIT_INT16: case FIT_UINT32: case FIT_INT32: case FIT_FLOAT:
        layout = {1, 1, {0, 0, 0}, FreeImage_GetImageType(dib)};
        return true;
    case FIT_RGB16: layout = {3, 3, {0, 1, 2}, FIT_UINT16}; return true;
    case FIT_RGBA16: layout = {3, 4, {0, 1, 2}, FIT_UINT16}; return true;
    case FIT_RGBF: layout = {3, 3, {0, 1, 2}, FIT_FLOAT}; return true;
    case FIT_RGBAF: layout = {3, 4, {0, 1, 2}, FIT_FLOAT}; return true;
    default: return false;
    }
}

// FreeImage reports through a callback; the host adds the text to its own
// one-line error instead of letting it reach stderr.
std::string lastMessage;

void KeepMessage(FREE_IMAGE_FORMAT, const char* message)
{
    lastMessage = message != nullptr ? message : "";
}

// Debian's FreeImage reads TIFF through the system libtiff, whose default
// handlers print to stderr; its errors go into the same message.
void KeepTiffError(const char*, const char* format, va_list args)
{
    char text[256];
    std::vsnprintf(text, sizeof text, format, args);
    lastMessage = text;
}

void IgnoreTiffWarning(const char*, const char*, va_list) {}

} // namespace

bool ReadImageFile(const std::string& path, HostImage& image, std::string& error)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = "cannot read '" + path + "': not found, or not a regular file";
        return false;
    }
    FreeImage_SetOutputMessage(KeepMessage);
    TIFFSetErrorHandler(KeepTiffError);
    TIFFSetWarningHandler(IgnoreTiffWarning);
    lastMessage.clear();
    // Recognised by content only: a name ending in .tif proves nothing.
    const FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
    if (format != FIF_TIFF) {
        error = "'" + path + "' is not a TIFF file";
        return false;
    }
    const Bitmap dib(FreeImage_Load(format, path.c_str(), 0));
    if (!dib) {
        error = "cannot read the TIFF file '" + path + "'" + (lastMessage.empty() ? "" : ": " + lastMessage);
        return false;
    }
    Layout layout{};
    const auto width = static_cast<int32_t>(FreeImage_GetWidth(dib.get()));
    const auto height = static_cast<int32_t>(FreeImage_GetHeight(dib.get()));
    if (!LayoutOf(dib.get(), layout) || width <= 0 || height <= 0) {
        error = "'" + path + "': only grey or RGB images of 8, 16 or 32 bits per sample are read";
        return false;
    }
    HostImage result(width, height, layout.channels);
    switch (layout.sampleType) {
    case FIT_BITMAP: CopyRows<uint8_t>(dib.get(), layout, result); break;
    case FIT_UINT16: CopyRows<uint16_t>(dib.get(), layout, result); break;
    case FIT_INT16: CopyRows<int16_t>(dib.get(), layout, result); break;
    case FIT_UINT32: CopyRows<uint32_t>(dib.get(), layout, result); break;
    case FIT_INT32: CopyRows<int32_t>(dib.get(), layout, result); break;
    default: CopyRows<float>(dib.get(), layout, result); break;
    }
    image = std::move(result);
    return true;
}

} // namespace kv::host
