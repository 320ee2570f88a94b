// How well a star remover did on a generated sky, measured against its truth
// on the luminance (the mean of the channels).
//
// A star's aperture is a disk of radius 2.5 FWHM, or larger for a bright star
// (out to where its profile falls to 3 noise sigmas), plus strips 2.5 px to
// either side of its spikes while they stand above 3 sigmas. "PSF-smoothed"
// means smoothed with a Gaussian of the stars' median FWHM.
#pragma once

#include <string>
#include <vector>

#include "tools/sky/Sky.h"

namespace kv::sky {

struct ObjectChange {
    std::string kind;
    double centerX = 0, centerY = 0, scale = 0;
    double change = 0; // signed sum of (result - truth) over the object's light, divided by that light
};

struct QualityFigures {
    int stars = 0;
    // Stars whose PSF-smoothed residual at the centre stands more than 5
    // sigma of the local noise (the sky's own, per pixel) above its median on
    // a ring around the aperture.
    int visible = 0;
    std::vector<int> visibleStars; // their indices in sky.stars
    double visibleFraction = 0;
    // The same against the noise as smoothed (the local noise times the
    // smoothing's noise factor, about a fifth): the residuals a matched
    // filter could still find, down to stars of a noise sigma or two that
    // no eye picks out. Stricter; it includes the visible ones.
    int detectable = 0;
    double detectableFraction = 0;
    // Signed sum of (result - truth) over the union of the apertures, divided
    // by the sum of (sky - truth) there.
    double fluxLeft = 0;
    // RMS of (result - truth) where no star's light reaches 0.5 and no
    // extended object's light reaches half a noise sigma, as a fraction of full scale.
    double untouchedRms = 0;
    std::vector<ObjectChange> objects;
    double worstObjectChange = 0; // the largest |change|
    // Stars centred on dark sky (no object light above one noise sigma), and
    // those with a PSF-smoothed dip of (result - truth) in their aperture
    // deeper than 5 % of full scale; the deepest dip as a (negative) fraction.
    int darkStars = 0;
    int holes = 0;
    double deepestDip = 0;
};

// result: channels as in sky.image. sky must hold its truth.
QualityFigures MeasureQuality(const Sky& sky, const std::vector<std::vector<float>>& result);

// The figures as "name value" lines, one per figure.
std::string FormatQuality(const QualityFigures& q);

} // namespace kv::sky
