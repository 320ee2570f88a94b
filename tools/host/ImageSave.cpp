#include "image/uImage.h"
#include "os/Utf.h"
#include "tools/host/ImageFile.h"

namespace kv::host {

bool SaveTiff16(const std::string& path, const HostImage& image, std::string& error)
{
    // The writer stores planeB, planeA, planeC as red, green, blue.
    if (!WriteTiff16(image.Plane(0), image.Plane(2), image.Plane(3), 1.0f, image.Width(), image.Height(),
                     image.IsColor(), kv::os::Utf8ToUtf16(path))) {
        error = "cannot write the TIFF file '" + path + "'";
        return false;
    }
    return true;
}

} // namespace kv::host
