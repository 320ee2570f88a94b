// The host's image: one (grey) or three (colour) planes of 32-bit floats, row
// after row, plane row 0 first. Plane code 0 is the main (green) plane, 2 red,
// 3 blue; a grey image answers every code with its one plane.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace kv::host {

class HostImage {
public:
    HostImage() = default;
    // An image of the given size with all values 0. channels is 1 or 3.
    HostImage(int32_t width, int32_t height, int channels);

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    int Channels() const { return channels_; }
    bool IsColor() const { return channels_ == 3; }
    bool Empty() const { return channels_ == 0; }
    std::size_t PixelCount() const { return static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_); }

    // The plane of a plane code (0, 2 or 3), or null for any other code.
    float* Plane(intptr_t code);
    const float* Plane(intptr_t code) const;

private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    int channels_ = 0;
    std::array<std::vector<float>, 3> planes_; // green, red, blue
};

} // namespace kv::host
