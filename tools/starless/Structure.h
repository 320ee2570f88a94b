// A star's contrast against the structure it lies on, taken along that
// structure's axis.
//
// A filament is nearly the same along its length; across it, its flanks
// fall steeply. A faint star on such a flank is no peak of the smoothed
// image and barely one of its band (the filament's light spreads into the
// wide smoothing). Compared with the pixels a few widths away along the
// filament, it stands out as on dark sky, and the filament does not; and
// along the filament the pixels beside the star tell what lies beneath it.
#pragma once

#include "tools/starless/Plane.h"

namespace kv::starless {

// The axes: kAxes directions over half a turn, axis k at k * 180 / kAxes degrees.
constexpr int kAxes = 8;
void AxisVector(int axis, double& dx, double& dy);

// The axis at (x, y): of the axes, the one along which the wide smoothing
// (its gradient and curvature at the pixel) changes least over 5 px, and how
// much it changes along that axis and along the axis of most change. The
// wide smoothing is given as smooth - band.
struct Axis {
    int k = 0;
    double least = 0, most = 0;
};
Axis AxisAt(const Plane& smooth, const Plane& band, int32_t x, int32_t y);

// Each pixel of smooth less the mean of smooth 4 and 5 px away on either side
// along the axis there (of the wide smoothing wide).
Plane AxisContrast(const Plane& smooth, const Plane& wide, int threads);

// Noise of AxisContrast over independent pixels, as a multiple of their sigma.
constexpr float kAxisNoise = 0.316f;

} // namespace kv::starless
