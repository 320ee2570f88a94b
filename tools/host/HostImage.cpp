#include "tools/host/HostImage.h"

namespace kv::host {

HostImage::HostImage(int32_t width, int32_t height, int channels)
    : width_(width), height_(height), channels_(channels)
{
    for (int i = 0; i < channels_; ++i)
        planes_[static_cast<std::size_t>(i)].assign(PixelCount(), 0.0f);
}

float* HostImage::Plane(intptr_t code)
{
    return const_cast<float*>(static_cast<const HostImage&>(*this).Plane(code));
}

const float* HostImage::Plane(intptr_t code) const
{
    if (Empty())
        return nullptr;
    std::size_t index = 0;
    switch (code) {
    case 0: index = 0; break;
    case 2: index = 1; break;
    case 3: index = 2; break;
    default: return nullptr;
    }
    if (!IsColor())
        index = 0; // one plane serves every code
    return planes_[index].data();
}

} // namespace kv::host
