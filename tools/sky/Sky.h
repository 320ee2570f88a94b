// A synthetic sky with known star-free truth: the image a user would hand to a
// star remover (stretched, 16-bit, with background, nebula, galaxies, stars and
// noise), the same image without its stars, and what was put where.
//
// Images are held top row first (row 0 is the first row of the TIFF file);
// star and object positions use the same pixel coordinates, the centre of
// pixel (x, y) being (x, y).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kv::sky {

constexpr float kFullScale = 65535.0f;

struct SkyOptions {
    int32_t width = 2000;
    int32_t height = 1500;
    bool color = true;
    uint64_t seed = 1;
    // Without truth only the image and the star list are made (less memory,
    // for speed runs).
    bool withTruth = true;
};

struct Star {
    double x = 0;
    double y = 0;
    double peak = 0;       // luminance at the centre before clipping, above the sky
    double fwhm = 0;       // pixels
    double beta = 0;       // Moffat exponent; 0 for a Gaussian profile
    double flux = 0;       // luminance summed over the profile (spikes excluded)
    bool saturated = false; // some channel of the image reached full scale at the centre
    bool spikes = false;
    double spikeAmplitude = 0; // a spike's light: amplitude * exp(-along / decay), across a 0.8 px Gaussian
    double spikeDecay = 0;
    double spikeLength = 0; // distance along a spike where its light falls below 0.5
    double extent = 0;     // radius where the profile falls below 0.5
    double color[3] = {1, 1, 1}; // red, green, blue weights, mean 1

    // The star's luminance at (px, py), spikes included.
    double Light(double px, double py, double spikeAngle) const;
};

// A galaxy or the nebula: its own noise-free luminance inside a box.
struct ExtendedObject {
    std::string kind; // "galaxy" or "nebula"
    int32_t x0 = 0, y0 = 0, width = 0, height = 0;
    double centerX = 0, centerY = 0;
    double scale = 0; // galaxies: the exponential scale length in pixels
    std::vector<float> light; // width * height values, row after row
    float At(int32_t x, int32_t y) const
    {
        const int32_t bx = x - x0, by = y - y0;
        if (bx < 0 || by < 0 || bx >= width || by >= height)
            return 0.0f;
        return light[static_cast<std::size_t>(by) * static_cast<std::size_t>(width) + static_cast<std::size_t>(bx)];
    }
};

struct Sky {
    int32_t width = 0;
    int32_t height = 0;
    int channels = 1;                        // 1 grey, 3 red, green, blue
    std::vector<std::vector<float>> image;   // per channel, integer sample values
    std::vector<std::vector<float>> truth;   // the same without stars (noise kept)
    std::vector<Star> stars;
    std::vector<ExtendedObject> objects;
    double noiseSigma = 0; // of each channel, in samples
    double spikeAngle = 0; // radians; spikes run at this angle and every 90 degrees on
};

Sky GenerateSky(const SkyOptions& options);

// The mean of the channels at each pixel.
std::vector<float> Luminance(const std::vector<std::vector<float>>& channels);

} // namespace kv::sky
