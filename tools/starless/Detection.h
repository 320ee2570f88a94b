// Finding the stars and drawing their masks.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/starless/Background.h"

namespace kv::starless {

constexpr int kDirections = 16;

struct StarShape {
    int32_t x = 0, y = 0;
    float floor = 0;  // the local level around the star (smoothed luminance)
    float peak = 0;   // smoothed height above that level
    float fwhm = 0;
    float significance = 0; // peak over the noise of the smoothed luminance
    bool saturated = false;
    bool doubtful = false; // wings on most sides, but not on both sides of most axes
    // Wings on both sides of most axes, as a galaxy's core has; kept only
    // when no wider than the stars' own width (a star on a dome of nebula,
    // or beside a neighbour).
    bool winged = false;
    double cx = 0, cy = 0; // the centre of its light, between pixels
    float radius[kDirections] = {}; // mask radius along each direction (angle k * 22.5 degrees)
    // Bright stars: their wings out to this radius are measured and
    // subtracted (SubtractWings), and only their core is masked; 0 for others.
    float wingRadius = 0;
    float spike[4] = {};            // mask length along each spike direction, 0 for none
    // A star found along a filament's axis (AxisAt): its mask is filled along
    // that axis; -1 for others.
    int axis = -1;
};

struct DetectionInput {
    const Plane& luminance;
    const Plane& smooth; // the luminance smoothed with sigma 1
    const Plane& band;   // smooth minus a wide smoothing of it: stars stand out, slopes vanish
    const Plane& axis;   // AxisContrast of smooth: stars on filaments stand out, filaments vanish
    const Background& background;
    const std::vector<const float*>& channels; // for saturation
    float saturation; // a sample at or above this is clipped
};

// The stars whose peaks lie in [x0, x1) x [y0, y1). candidates counts the peaks examined.
std::vector<StarShape> FindStars(const DetectionInput& in, int32_t x0, int32_t y0, int32_t x1, int32_t y1,
                                 int& candidates);

// Drops the unsaturated stars much wider than the clearly measured ones (at
// the stars' own width they are cores of galaxies or knots of nebula), and
// the doubtful ones unless they are as narrow as those.
// typicalWidth: 0 the first time, when it is set from the stars given, if
// they are enough to judge by; later rounds, with fewer stars, keep it.
// refused: where peaks were dropped, by earlier rounds and now by this one.
// A later round drops what it finds within 2 px of them too: a galaxy's
// core whose edge the first round has filled may measure a little narrower
// the second time.
struct Position {
    int32_t x = 0, y = 0;
};
void JudgeWidths(std::vector<StarShape>& stars, float& typicalWidth, std::vector<Position>& refused);

// The direction of the diffraction spikes (radians, modulo 90 degrees) seen
// around the saturated stars, and for each of them how far its spikes reach.
// Nothing is set when no spikes stand out.
void FindSpikes(const DetectionInput& in, std::vector<StarShape>& stars, double& angle);

// Marks the pixels each star covers, its shaped disk and its spikes: 1, or
// kMaskAlongAxis + axis for the disk of a star with an axis where no other
// star's mask lies.
void PaintMasks(const std::vector<StarShape>& stars, double spikeAngle, int32_t w, int32_t h, std::vector<uint8_t>& mask);

} // namespace kv::starless
