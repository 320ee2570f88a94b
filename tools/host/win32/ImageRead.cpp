// Windows has no FreeImage for the host, so --image goes through the host's
// own baseline TIFF decoder.
#include "tools/host/HostFiles.h"
#include "tools/host/ImageFile.h"
#include "tools/host/TiffDecoder.h"

namespace kv::host {

bool ReadImageFile(const std::string& path, HostImage& image, std::string& error)
{
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, error))
        return false;
    if (!DecodeTiff(bytes, image, error)) {
        error = "'" + path + "': " + error;
        return false;
    }
    return true;
}

} // namespace kv::host
