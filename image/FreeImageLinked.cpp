// FreeImage linked at build time (the native build). Linux FreeImage's
// wide-character functions expect a 4-byte wchar_t and do not work there, so
// the byte-string ones take the path in UTF-8, the system's file name encoding.
#include <FreeImage.h>
#include <tiffio.h>

#include "image/FreeImageBinding.h"
#include "os/Utf.h"

namespace kv::image {

namespace {

uint32_t messageCount = 0;

// FreeImage's messages are counted, not printed: a load that adds one had a problem.
void Count(FREE_IMAGE_FORMAT, const char*) { ++messageCount; }

// libtiff's default handlers print to stderr, and Debian's FreeImage asks it
// for tags it does not know on every load ("TIFFFieldWithTag: Internal error,
// unknown tag ..."). The host's console is not ours: the handlers are off
// while FreeImage reads, and the previous ones come back afterwards.
class QuietTiff {
public:
    QuietTiff() : error_(TIFFSetErrorHandler(nullptr)), warning_(TIFFSetWarningHandler(nullptr)) {}
    ~QuietTiff()
    {
        TIFFSetErrorHandler(error_);
        TIFFSetWarningHandler(warning_);
    }
    QuietTiff(const QuietTiff&) = delete;
    QuietTiff& operator=(const QuietTiff&) = delete;

private:
    TIFFErrorHandler error_;
    TIFFErrorHandler warning_;
};

const FreeImageFunctions kFunctions = {
    [](const std::u16string& fileName, int32_t size) -> int32_t {
        const QuietTiff quiet;
        return FreeImage_GetFileType(os::Utf16ToUtf8(fileName).c_str(), size);
    },
    [](const std::u16string& fileName) -> int32_t {
        return FreeImage_GetFIFFromFilename(os::Utf16ToUtf8(fileName).c_str());
    },
    [](int32_t format) { return FreeImage_FIFSupportsReading(static_cast<FREE_IMAGE_FORMAT>(format)) != FALSE; },
    [](int32_t format, const std::u16string& fileName, int32_t flags) {
        const QuietTiff quiet;
        return FreeImage_Load(static_cast<FREE_IMAGE_FORMAT>(format), os::Utf16ToUtf8(fileName).c_str(), flags);
    },
    [](FIBITMAP* bitmap) -> uint32_t { return FreeImage_GetWidth(bitmap); },
    [](FIBITMAP* bitmap) -> uint32_t { return FreeImage_GetHeight(bitmap); },
    [](FIBITMAP* bitmap) -> int32_t { return FreeImage_GetImageType(bitmap); },
    [](FIBITMAP* bitmap) -> uint8_t* { return FreeImage_GetBits(bitmap); },
    [](FIBITMAP* bitmap) { FreeImage_Unload(bitmap); },
};

} // namespace

const FreeImageFunctions* FreeImage()
{
    // FreeImage's own messages would go to stderr as well; they are counted instead.
    static const bool quiet = (FreeImage_SetOutputMessage(Count), true);
    (void)quiet;
    return &kFunctions;
}

std::u16string BindingProblem() { return {}; }

uint32_t LoadMessageCount()
{
    FreeImage();
    return messageCount;
}

} // namespace kv::image
