// Taking away the wings of bright stars as a measured radial profile, so that
// what lies beneath them (nebula, fainter stars) stays where it is.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/starless/Detection.h"

namespace kv::starless {

// For each star with a wing radius, in turn: the profile is the median of
// plane on rings one pixel wide around the star's centre, less the median on
// the rings just outside the wing radius, made to fall outward and bounded by a
// broad star's profile of the star's height and width; it is subtracted out
// to the wing radius. The core (masked, filled later) is changed too, to no
// purpose but no harm.
void SubtractWings(float* plane, int32_t width, int32_t height, const std::vector<StarShape>& stars);

} // namespace kv::starless
