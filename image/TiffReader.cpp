// The tool's result file back into the host's planes, through FreeImage.
#include <new>

#include "image/FreeImageBinding.h"
#include "image/uImage.h"

namespace {

constexpr uint32_t kMaxSide = 24000;

} // namespace

void FreeImageBitmapRelease::operator()(FIBITMAP* bitmap) const
{
    // A bitmap exists only when FreeImage was bound.
    if (bitmap != nullptr)
        kv::image::FreeImage()->Unload(bitmap);
}

FreeImageBitmap LoadImageFile(const std::u16string& fileName, int32_t flags)
{
    using namespace kv::image;
    const FreeImageFunctions* fi = FreeImage();
    if (fi == nullptr)
        return {};
    int32_t format = fi->GetFileTypeU(fileName, 0);
    if (format == FIF_UNKNOWN)
        format = fi->GetFIFFromFilenameU(fileName);
    if (format == FIF_UNKNOWN || !fi->FIFSupportsReading(format))
        return {};
    return FreeImageBitmap(fi->LoadU(format, fileName, flags));
}

bool BitmapToPlanes(FIBITMAP* bitmap, float* plane1, float* plane2, float* plane3, float factor, int32_t maxSamples)
{
    using namespace kv::image;
    // Checked before anything is read: every conversion stores at least one
    // value, and a plane of fewer than one value has no room for it.
    if (bitmap == nullptr || plane1 == nullptr || plane2 == nullptr || plane3 == nullptr || maxSamples < 1)
        return false;
    const FreeImageFunctions& fi = *FreeImage();
    const uint32_t width = fi.GetWidth(bitmap);
    const uint32_t height = fi.GetHeight(bitmap);
    const int32_t type = fi.GetImageType(bitmap);
    const uint8_t* pixels = fi.GetBits(bitmap);
    if (width > kMaxSide || height > kMaxSide || pixels == nullptr)
        return false;
    const auto w = static_cast<int32_t>(width);
    const auto h = static_cast<int32_t>(height);
    switch (type) {
    case FIT_RGB16:
    case FIT_RGBA16:
        Rgb16ToPlanes(pixels, w, h, maxSamples, plane1, plane2, plane3, factor, true, type == FIT_RGB16 ? 3 : 4);
        return true;
    case FIT_UINT16:
    case FIT_INT16:
        Grey16ToPlane(pixels, w, h, maxSamples, plane1, factor, type == FIT_INT16, true);
        return true;
    default:
        return false;
    }
}

bool LoadTiffPlanes(const std::u16string& fileName, float* plane1, float* plane2, float* plane3, float factor,
                    int32_t maxSamples)
{
    if (plane1 == nullptr || plane2 == nullptr || plane3 == nullptr || maxSamples < 1)
        return false;
    try {
        const FreeImageBitmap bitmap = LoadImageFile(fileName, 0);
        return BitmapToPlanes(bitmap.get(), plane1, plane2, plane3, factor, maxSamples);
    } catch (const std::bad_alloc&) { // converting the file name
        return false;
    }
}

std::u16string FreeImageProblem()
{
    try {
        return kv::image::BindingProblem();
    } catch (const std::bad_alloc&) {
        return {};
    }
}
