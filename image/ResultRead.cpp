#include "image/ResultRead.h"

#include <new>

#include "image/FreeImageBinding.h"
#include "image/uImage.h"
#include "os/FileSystem.h"

namespace kv {

ResultRead LoadResultPlanes(const std::u16string& fileName, float* plane1, float* plane2, float* plane3, float factor,
                            int32_t width, int32_t height)
{
    using namespace kv::image;
    try {
        if (!os::FileExists(fileName))
            return ResultRead::NoFile;
        const FreeImageFunctions* fi = FreeImage();
        if (fi == nullptr)
            return ResultRead::NoFreeImage;
        // FreeImage loads a file whose strip is cut short, fills the missing
        // rows with 0 and only says so through its message hook.
        const uint32_t messagesBefore = LoadMessageCount();
        const FreeImageBitmap bitmap = LoadImageFile(fileName, 0);
        if (!bitmap)
            return ResultRead::Unreadable;
        if (LoadMessageCount() != messagesBefore)
            return ResultRead::CutShort;
        const int32_t type = fi->GetImageType(bitmap.get());
        if (type != FIT_UINT16 && type != FIT_INT16 && type != FIT_RGB16 && type != FIT_RGBA16)
            return ResultRead::WrongType;
        if (width < 1 || height < 1 || fi->GetWidth(bitmap.get()) != static_cast<uint32_t>(width) ||
            fi->GetHeight(bitmap.get()) != static_cast<uint32_t>(height))
            return ResultRead::WrongSize;
        const int64_t samples = static_cast<int64_t>(width) * height;
        if (samples > INT32_MAX ||
            !BitmapToPlanes(bitmap.get(), plane1, plane2, plane3, factor, static_cast<int32_t>(samples)))
            return ResultRead::Unreadable;
        return ResultRead::Done;
    } catch (const std::bad_alloc&) {
        return ResultRead::Unreadable;
    }
}

} // namespace kv
