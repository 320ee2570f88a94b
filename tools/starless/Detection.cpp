#include "tools/starless/Detection.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/starless/Inpaint.h"
#include "tools/starless/Median.h"
#include "tools/starless/Structure.h"
#include "tools/starless/Surface.h"

namespace kv::starless {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Peaks are examined from this many (smoothed) noise sigmas above their
// surroundings, or of their contrast along the structure's axis.
constexpr float kDetect = 3.5f;
// Structure is elongated where the wide smoothing changes along its axis by
// no more than this share of its change along the axis of most change.
constexpr float kElongated = 0.4f;
// Stars this many sigmas high have their wings subtracted; the mask covers
// their light above kWingCore sigmas.
constexpr float kWingStar = 60.0f;
constexpr float kWingCore = 50.0f;
// Where an image holds too few clear stars to learn their width from, no
// unsaturated star is wider than this (FWHM in pixels of the luminance
// smoothed with sigma 1; about 5 px before smoothing).
constexpr float kSoftestStar = 6.0f;
// Nothing narrower than this (FWHM in px, smoothed) is a star: a noise peak
// of the smoothed image is wider; a spike crossing a bright star's halo or
// the edge of structure may look that narrow along an axis.
constexpr float kSharpestStar = 2.5f;
// Peaks wider than this (FWHM in px, smoothed) are no stars as measured; they
// may still hold one standing on a knot or a slope.
constexpr double kWidestPeak = 9.0;
// A peak with wings on both sides of most axes is kept only when no wider
// than this share of the stars' own width: every galaxy core measured on the
// generator's skies is at least 1.14 times as wide, while a star on a dome of
// nebula or beside a neighbour, whose wings those are, is as narrow as a star.
constexpr float kWingedWidth = 1.05f;

struct Directions {
    double dx[kDirections], dy[kDirections];
    Directions()
    {
        for (int k = 0; k < kDirections; ++k) {
            dx[k] = std::cos(k * 2 * kPi / kDirections);
            dy[k] = std::sin(k * 2 * kPi / kDirections);
        }
    }
};
const Directions kDir;

// Measures a peak on one image: the smoothed luminance, or its contrast along
// the structure's axis.
class Analysis {
public:
    Analysis(const Plane& image, const DetectionInput& in, int32_t x, int32_t y) : p_(image), in_(in), x_(x), y_(y) {}

    float Sample(int k, double r) const { return p_.Bilinear(x_ + r * kDir.dx[k], y_ + r * kDir.dy[k]); }

    // Median of the image on three rings from radius r outward.
    float RingMedian(double r)
    {
        ring_.clear();
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < kDirections; ++k) {
                const double a = (k + 0.5 * j) * 2 * kPi / kDirections;
                ring_.push_back(p_.Bilinear(x_ + (r + j) * std::cos(a), y_ + (r + j) * std::sin(a)));
            }
        return MedianOf(ring_);
    }

    // The lowest level along direction k out to limit, before the profile
    // climbs again by rise: a neighbour, or the structure the star sits on.
    float Plateau(int k, float rise, double limit) const
    {
        float lowest = p_.At(x_, y_);
        for (double r = 0.5; r <= limit; r += 0.5) {
            const float v = Sample(k, r);
            if (v > lowest + rise)
                break;
            lowest = std::min(lowest, v);
        }
        return lowest;
    }

    // Where the profile along direction k first falls to level (interpolated), up to limit.
    double Crossing(int k, float level, double limit) const
    {
        float previous = p_.At(x_, y_);
        for (double r = 0.5; r <= limit; r += 0.5) {
            const float v = Sample(k, r);
            if (v <= level)
                return r - 0.5 + 0.5 * (previous - level) / std::max(1e-6f, previous - v);
            previous = v;
        }
        return limit;
    }

    // How far the star's light reaches along direction k: until it is within
    // tau of floor, or the profile climbs again (another object).
    double Reach(int k, float floor, float tau, float rise, double limit) const
    {
        float lowest = p_.At(x_, y_);
        for (double r = 1.0; r <= limit; r += 1.0) {
            // The mask need go no farther than the edge (past it the
            // mirrored star would look like a neighbour).
            const double px = x_ + r * kDir.dx[k], py = y_ + r * kDir.dy[k];
            if (px < 0 || py < 0 || px > p_.w - 1 || py > p_.h - 1)
                return r;
            const float v = Sample(k, r);
            if (v - floor <= tau || v > lowest + rise)
                return r;
            lowest = std::min(lowest, v);
        }
        return limit;
    }

    // The centre of the light above floor within a width of the peak.
    void Centre(float floor, double fwhm, double& cx, double& cy) const
    {
        const int32_t r = std::max(1, static_cast<int32_t>(std::lround(0.6 * fwhm)));
        double sum = 0, sx = 0, sy = 0;
        for (int32_t dy = -r; dy <= r; ++dy)
            for (int32_t dx = -r; dx <= r; ++dx) {
                if (dx * dx + dy * dy > r * r)
                    continue;
                const double v = std::max(0.0f, p_.Mirrored(x_ + dx, y_ + dy) - floor);
                sum += v;
                sx += v * dx;
                sy += v * dy;
            }
        cx = x_ + (sum > 0 ? sx / sum : 0.0);
        cy = y_ + (sum > 0 ? sy / sum : 0.0);
    }

    // A star on a knot or a slope of nebula, found wide because the structure
    // around it falls off with it: the structure fitted as a quadratic surface
    // on a ring beyond the star's light (r 4.5 to 8.5), and the star measured
    // as what stands above it. Not when the ring is no such surface (a
    // filament's crest runs through it), nor when the surface is a dome with
    // its top under the peak: that is the core of a galaxy or of a knot.
    bool AboveSurface(float sigma, float& level, float& height, double& fwhm, double (&half)[kDirections]) const
    {
        constexpr double kInner = 4.5, kOuter = 8.5, kLargestDeparture = 5.0, kOffTop = 1.5;
        std::vector<SurfaceSample> ring;
        const int32_t reach = static_cast<int32_t>(std::ceil(kOuter));
        for (int32_t dy = -reach; dy <= reach; ++dy)
            for (int32_t dx = -reach; dx <= reach; ++dx) {
                const double d = std::hypot(dx, dy);
                if (d >= kInner && d <= kOuter)
                    ring.push_back({double(dx), double(dy), p_.Mirrored(x_ + dx, y_ + dy)});
            }
        QuadraticSurface surface;
        if (!FitQuadratic(0, 0, ring, surface) || surface.rms > kLargestDeparture * sigma)
            return false;
        double topX = 0, topY = 0;
        if (surface.Top(topX, topY) && std::hypot(topX, topY) < kOffTop)
            return false;
        level = static_cast<float>(surface.At(0, 0));
        height = p_.At(x_, y_) - level;
        if (height < kDetect * sigma)
            return false;
        std::vector<double> h(kDirections);
        for (int k = 0; k < kDirections; ++k) {
            double previous = height, crossing = kInner;
            for (double r = 0.5; r <= kInner; r += 0.5) {
                const double above = Sample(k, r) - surface.At(r * kDir.dx[k], r * kDir.dy[k]);
                if (above <= height / 2) {
                    crossing = r - 0.5 + 0.5 * (previous - height / 2) / std::max(1e-6, previous - above);
                    break;
                }
                previous = above;
            }
            h[static_cast<std::size_t>(k)] = half[k] = crossing;
        }
        fwhm = 2 * MedianOf(h);
        return fwhm <= kSoftestStar;
    }

    bool Saturated() const
    {
        int clipped = 0;
        for (int32_t y = std::max(0, y_ - 1); y <= std::min(in_.smooth.h - 1, y_ + 1); ++y)
            for (int32_t x = std::max(0, x_ - 1); x <= std::min(in_.smooth.w - 1, x_ + 1); ++x)
                for (const float* c : in_.channels)
                    if (c[in_.smooth.Index(x, y)] >= in_.saturation) {
                        ++clipped;
                        break;
                    }
        return clipped >= 2;
    }

private:
    const Plane& p_;
    const DetectionInput& in_;
    int32_t x_, y_;
    std::vector<float> ring_;
};

bool IsPeak(const Plane& s, int32_t x, int32_t y)
{
    const float v = s.At(x, y);
    const std::size_t i = s.Index(x, y);
    for (int32_t dy = -1; dy <= 1; ++dy)
        for (int32_t dx = -1; dx <= 1; ++dx) {
            const int32_t nx = x + dx, ny = y + dy;
            if ((dx == 0 && dy == 0) || nx < 0 || ny < 0 || nx >= s.w || ny >= s.h)
                continue;
            const float u = s.At(nx, ny);
            if (u > v || (u == v && s.Index(nx, ny) < i))
                return false;
        }
    return true;
}

bool IsBandCandidate(const DetectionInput& in, int32_t x, int32_t y)
{
    const std::size_t i = in.band.Index(x, y);
    return in.band.v[i] >= kDetect * kBandNoise * in.background.noise.v[i] && IsPeak(in.band, x, y);
}

// Near the edges the axis, and the pixels along it, are partly made up.
bool AxisNearEdge(const Plane& axis, int32_t x, int32_t y)
{
    constexpr int32_t kMargin = 6;
    return x < kMargin || y < kMargin || x >= axis.w - kMargin || y >= axis.h - kMargin;
}

// Where the contrast along the structure's axis stands clearly above the
// noise, and the structure's light in the wide smoothing takes at least a
// detection's worth from the band there: a star the structure beside it
// hides from the band. (On dark sky the band sees what the contrast sees.)
bool HiddenByStructure(const DetectionInput& in, int32_t x, int32_t y)
{
    if (AxisNearEdge(in.axis, x, y))
        return false;
    const std::size_t i = in.axis.Index(x, y);
    const float sigma = kAxisNoise * in.background.noise.v[i];
    return in.axis.v[i] >= kDetect * sigma && in.axis.v[i] - in.band.v[i] >= kDetect * sigma;
}

// A peak of the contrast along the structure's axis, hidden by the
// structure, with no peak of the band near it.
bool IsAxisCandidate(const DetectionInput& in, int32_t x, int32_t y)
{
    if (!HiddenByStructure(in, x, y) || !IsPeak(in.axis, x, y))
        return false;
    constexpr int32_t kApart = 2;
    for (int32_t ny = std::max(0, y - kApart); ny <= std::min(in.band.h - 1, y + kApart); ++ny)
        for (int32_t nx = std::max(0, x - kApart); nx <= std::min(in.band.w - 1, x + kApart); ++nx)
            if (IsBandCandidate(in, nx, ny))
                return false;
    return true;
}

// Round: the diameters in eight directions, compared by their quartiles.
// Not too strict: two stars a little more than a width apart look like one
// long one; galaxies are told by their wings.
bool Round(const double (&half)[kDirections], float sigma, float peak)
{
    std::array<double, kDirections / 2> diameters;
    for (int k = 0; k < kDirections / 2; ++k)
        diameters[static_cast<std::size_t>(k)] = half[k] + half[k + kDirections / 2];
    std::sort(diameters.begin(), diameters.end());
    return diameters[6] / std::max(0.5, diameters[1]) <= 1.7 + 3.0 * sigma / peak;
}

// Compact: two widths out a star's light is nearly gone, a galaxy's is not.
// Along each direction the level under that point is extrapolated from two
// points farther out, so that a slope of the sky or a neighbour does not
// count as wing. A galaxy has wings on both sides along every axis; a star
// beside a galaxy only on one. Wings on most sides (but not on both sides of
// most axes) leave it in doubt, for JudgeWidths to settle by its width.
bool Compact(const Analysis& a, double fwhm, float sigma, float peak, bool& doubtful)
{
    const double ra = 2.0 * fwhm, rb = 3.0 * fwhm + 2.0, rc = 4.0 * fwhm + 4.0;
    std::vector<double> wings(kDirections);
    for (int k = 0; k < kDirections; ++k) {
        const auto mean3 = [&](double r) { return (a.Sample(k, r - 0.7) + a.Sample(k, r) + a.Sample(k, r + 0.7)) / 3.0; };
        const double sa = mean3(ra), sb = mean3(rb), sc = mean3(rc);
        const double under = sb + (sb - sc) * (rb - ra) / (rc - rb);
        wings[static_cast<std::size_t>(k)] = (sa - under) / peak;
    }
    const double limit = 0.024 + 1.0 * sigma / peak;
    std::vector<double> axes(kDirections / 2);
    for (int k = 0; k < kDirections / 2; ++k)
        axes[static_cast<std::size_t>(k)] =
            std::min(wings[static_cast<std::size_t>(k)], wings[static_cast<std::size_t>(k + kDirections / 2)]);
    if (MedianOf(axes) > limit)
        return false;
    doubtful = doubtful || MedianOf(wings) > limit;
    return true;
}

// The mask: how far the light reaches in each direction above floor, and
// for a bright star (when wings are allowed) only its core, its wings
// being subtracted as a measured profile. Also the centre of its light.
void Outline(Analysis& a, float floor, float peak, double fwhm, float sigma, bool wingsAllowed, double reachLimit,
             double margin, StarShape& star)
{
    // Against a level taken farther out for bright stars (whose wings lift the first ring).
    const float tau = 1.5f * sigma, rise = 3.0f * sigma;
    double reach[kDirections];
    for (int pass = 0; pass < (peak > 100 * sigma ? 2 : 1); ++pass) {
        double longest = 0;
        std::vector<double> r(kDirections);
        for (int k = 0; k < kDirections; ++k) {
            r[static_cast<std::size_t>(k)] = reach[k] = a.Reach(k, floor, tau, rise, reachLimit);
            longest = std::max(longest, reach[k]);
        }
        const double typical = MedianOf(r);
        for (double& v : reach)
            v = std::min(v, 1.5 * typical + 1.0);
        if (pass == 0 && peak > 100 * sigma)
            floor = std::min(floor, a.RingMedian(1.3 * longest + 3.0));
    }
    const double smallest = std::max(2.0, 0.9 * std::min(fwhm, 6.0));
    for (int k = 0; k < kDirections; ++k)
        star.radius[k] = static_cast<float>(std::max(smallest, 1.15 * reach[k] + margin));
    // A bright star's wings spread its light over a wide disk, where filling
    // would lose whatever lies beneath. Only its core, where the star's own
    // light stands far above the noise, is masked; the wings beyond are
    // taken away as a measured profile.
    if (wingsAllowed && peak >= kWingStar * sigma) {
        // An unsaturated star's light is all within a few widths: what seems
        // to reach farther is the galaxy or nebula it stands on.
        const double wingLimit = star.saturated ? reachLimit : 6.0 * fwhm + 4.0;
        const double coreLimit = star.saturated ? reachLimit : 3.0 * fwhm;
        std::vector<double> outer(star.radius, star.radius + kDirections);
        star.wingRadius = static_cast<float>(std::min(wingLimit, MedianOf(outer)));
        for (int k = 0; k < kDirections; ++k) {
            const double core = std::min({reach[k], coreLimit, a.Reach(k, floor, kWingCore * sigma, rise, reachLimit)});
            star.radius[k] = static_cast<float>(std::max(smallest, 1.15 * core + 1.5));
        }
    }
    a.Centre(floor, fwhm, star.cx, star.cy);
    star.floor = floor;
    star.peak = peak;
    star.fwhm = static_cast<float>(fwhm);
    star.significance = peak / sigma;
}

// A star on a filament's flank or crest, measured on its contrast along the
// filament's axis, where the filament is gone: high enough, no wider than a
// soft star, round and compact there. Such a star is doubtful (JudgeWidths
// holds it to the stars' own width), and its wings are not subtracted.
bool AlongAxis(const DetectionInput& in, int32_t x, int32_t y, StarShape& star)
{
    if (AxisNearEdge(in.axis, x, y))
        return false;
    // Only along elongated structure: around a galaxy's core or a knot the
    // contour curves within a star's width, and the core would pass for a star.
    const Axis axis = AxisAt(in.smooth, in.band, x, y);
    if (axis.least > kElongated * axis.most)
        return false;
    Analysis a(in.axis, in, x, y);
    const float sigma = in.background.noise.At(x, y) * kAxisNoise;
    const float peak = in.axis.At(x, y);
    if (peak < kDetect * sigma)
        return false;
    double half[kDirections];
    std::vector<double> h(kDirections);
    for (int k = 0; k < kDirections; ++k)
        h[static_cast<std::size_t>(k)] = half[k] = a.Crossing(k, peak / 2, 2 * kSoftestStar);
    const double fwhm = 2 * MedianOf(h);
    bool doubtful = true;
    if (fwhm < kSharpestStar || fwhm > kSoftestStar || !Round(half, sigma, peak) ||
        (peak >= 40 * sigma && !Compact(a, fwhm, sigma, peak, doubtful)))
        return false;
    star = StarShape{};
    star.x = x;
    star.y = y;
    star.doubtful = true;
    star.axis = axis.k;
    // The contrast keeps some of the structure's curvature: it need not fall
    // to the noise where the star's light has. So the mask reaches no farther
    // than a Gaussian star of this height and width would, and takes no
    // margin beyond: on a curved flank every pixel more costs the fill more
    // than the faint light it would cover.
    const double gaussianReach = fwhm / 2.3548 * std::sqrt(2 * std::log(std::max(1.0f, peak / (1.5f * sigma))));
    Outline(a, 0.0f, peak, fwhm, sigma, false, 1.3 * gaussianReach + 1.0, -0.5, star);
    return true;
}

bool Analyse(const DetectionInput& in, int32_t x, int32_t y, StarShape& star)
{
    Analysis a(in.smooth, in, x, y);
    const float top = in.smooth.At(x, y);
    const float sigma = in.background.noise.At(x, y) * kSmoothNoise;
    star.x = x;
    star.y = y;
    star.saturated = a.Saturated();
    const double halfLimit = star.saturated ? 150.0 : 30.0;

    // Level and width, twice: the level is taken on a ring three widths out.
    // The half maximum along each direction is taken above that direction's
    // own plateau, so that a star on a filament or a knot of nebula, or beside
    // a neighbour, keeps its own width there.
    // For roundness (half) the level is also no lower than the structure the
    // star sits on: the highest axis whose two plateaus both stand high (a
    // filament running through it). Across such a filament the profile falls
    // on past the star, down the filament's flanks, which would make the star
    // look long; a neighbour on one side does not lift the level.
    double fwhm = 3.0;
    float floor = 0;
    double half[kDirections];
    for (int pass = 0; pass < 2; ++pass) {
        const double out = std::max(5.0, 3.0 * fwhm + 2.0);
        floor = a.RingMedian(out);
        float plateau[kDirections];
        for (int k = 0; k < kDirections; ++k)
            plateau[k] = std::max(floor, a.Plateau(k, 3.0f * sigma, out));
        float structure = floor;
        for (int k = 0; k < kDirections / 2; ++k)
            structure = std::max(structure, std::min(plateau[k], plateau[k + kDirections / 2]));
        std::vector<double> h(kDirections);
        for (int k = 0; k < kDirections; ++k) {
            h[static_cast<std::size_t>(k)] = a.Crossing(k, plateau[k] + (top - plateau[k]) / 2, halfLimit);
            const float level = std::max(structure, plateau[k]);
            half[k] = a.Crossing(k, level + (top - level) / 2, halfLimit);
        }
        fwhm = 2 * MedianOf(h);
    }
    float peak = top - floor;
    // Faint peaks are taken as stars when they are no wider than a star; the
    // shape is only judged where the noise allows it. One too wide or too
    // long may be a star on structure (a knot, a slope, the flank of a
    // neighbour): then it must be round above that structure, and it is left
    // doubtful for JudgeWidths to settle by its width. Where the structure is
    // no such surface (a filament's curved flank), the star is looked for
    // along the filament's axis instead. One with wings all round, found on
    // no axis, is held to the stars' width (winged).
    bool onStructure = false;
    const auto lookAboveStructure = [&] {
        float height = 0;
        if (!a.AboveSurface(sigma, floor, height, fwhm, half))
            return false;
        peak = height;
        onStructure = true;
        star.doubtful = true;
        return peak >= kDetect * sigma;
    };
    if (!star.saturated && fwhm > kWidestPeak && !lookAboveStructure())
        return AlongAxis(in, x, y, star);
    if (peak < kDetect * sigma)
        return !star.saturated && AlongAxis(in, x, y, star);

    if (!star.saturated) {
        if (peak >= 15 * sigma || onStructure) {
            const bool taken = Round(half, sigma, peak) || (!onStructure && lookAboveStructure() && Round(half, sigma, peak));
            if (!taken)
                return AlongAxis(in, x, y, star);
        }
        if (peak >= 40 * sigma && !Compact(a, fwhm, sigma, peak, star.doubtful)) {
            if (AlongAxis(in, x, y, star))
                return true;
            if (fwhm > kSoftestStar)
                return false;
            star.winged = star.doubtful = true;
        }
    }
    Outline(a, floor, peak, fwhm, sigma, true, star.saturated ? 300.0 : 6.0 * fwhm + 10.0, 1.5, star);
    return true;
}

// How far a star's light typically reaches (its spikes may stretch the longest).
double MedianRadius(const StarShape& s)
{
    if (s.wingRadius > 0)
        return s.wingRadius;
    std::vector<double> r(s.radius, s.radius + kDirections);
    return MedianOf(r);
}

// How far to either side of a spike Contrast takes the sky.
constexpr double kBesideSpike = 5.0;

// How much a spike along (c, s) at distance r from (x, y) stands above the sky
// kBesideSpike pixels to either side of it; the spike may sit a pixel off the line.
float Contrast(const Plane& p, int32_t x, int32_t y, double c, double s, double r)
{
    float line = -1e30f;
    for (int side = -1; side <= 1; ++side)
        line = std::max(line, p.Bilinear(x + r * c - side * s, y + r * s + side * c));
    const double d = kBesideSpike;
    const float beside = 0.5f * (p.Bilinear(x + r * c - d * s, y + r * s + d * c) + p.Bilinear(x + r * c + d * s, y + r * s - d * c));
    return line - beside;
}

} // namespace

std::vector<StarShape> FindStars(const DetectionInput& in, int32_t x0, int32_t y0, int32_t x1, int32_t y1,
                                 int& candidates)
{
    std::vector<StarShape> stars;
    for (int32_t y = y0; y < y1; ++y)
        for (int32_t x = x0; x < x1; ++x) {
            StarShape star;
            if (IsBandCandidate(in, x, y)) {
                ++candidates;
                if (Analyse(in, x, y, star))
                    stars.push_back(star);
            } else if (IsAxisCandidate(in, x, y)) {
                ++candidates;
                if (AlongAxis(in, x, y, star))
                    stars.push_back(star);
            }
        }
    return stars;
}

void JudgeWidths(std::vector<StarShape>& stars, float& typicalWidth, std::vector<Position>& refused)
{
    // refused is kept in rows, so that the neighbours of a star are found by a search.
    constexpr int32_t kApart = 2;
    std::sort(refused.begin(), refused.end(), [](const Position& a, const Position& b) { return a.y < b.y || (a.y == b.y && a.x < b.x); });
    std::erase_if(stars, [&](const StarShape& s) {
        auto it = std::lower_bound(refused.begin(), refused.end(), s.y - kApart, [](const Position& p, int32_t y) { return p.y < y; });
        for (; it != refused.end() && it->y <= s.y + kApart; ++it)
            if (std::abs(it->x - s.x) <= kApart)
                return true;
        return false;
    });
    const auto drop = [&](auto test) {
        std::erase_if(stars, [&](const StarShape& s) {
            if (!test(s))
                return false;
            refused.push_back({s.x, s.y});
            return true;
        });
    };
    if (typicalWidth <= 0) {
        std::vector<float> widths;
        for (const StarShape& s : stars)
            if (!s.saturated && !s.doubtful && s.significance >= 20)
                widths.push_back(s.fwhm);
        if (widths.size() < 10) {
            // Too few to judge by: the doubtful go, and what is wider than
            // any but a very soft star.
            drop([](const StarShape& s) { return s.doubtful || (!s.saturated && s.fwhm > kSoftestStar); });
            return;
        }
        typicalWidth = MedianOf(widths);
    }
    drop([&](const StarShape& s) {
        return !s.saturated && s.fwhm > (s.winged ? kWingedWidth : s.doubtful ? 1.25f : 1.5f) * typicalWidth;
    });
}

void FindSpikes(const DetectionInput& in, std::vector<StarShape>& stars, double& angle)
{
    // Light along rays from the edge of each saturated star's mask outward,
    // folded modulo 90 degrees (spikes come in crosses) into one profile.
    // Along each ray its median: a neighbour the ray crosses (another
    // saturated star of a cluster) lifts only part of it, a spike all of it.
    // Where the ray and the sky beside it leave the image it is not sampled:
    // mirrored at the edge, the star's own light would line up with the axes.
    constexpr int kBins = 90;
    std::array<double, kBins> profile{};
    std::vector<float> along;
    const double reach = kBesideSpike + 1;
    int used = 0;
    for (const StarShape& s : stars) {
        if (!s.saturated)
            continue;
        const double r0 = MedianRadius(s);
        for (int b = 0; b < 4 * kBins; ++b) {
            const double a = b * kPi / (2 * kBins);
            const double c = std::cos(a), sn = std::sin(a);
            along.clear();
            for (double r = r0; r < 2 * r0; r += 1.0) {
                const double x = s.x + r * c, y = s.y + r * sn;
                if (x >= reach && y >= reach && x <= in.smooth.w - 1 - reach && y <= in.smooth.h - 1 - reach)
                    along.push_back(Contrast(in.smooth, s.x, s.y, c, sn, r));
            }
            profile[static_cast<std::size_t>(b % kBins)] += MedianOf(along);
        }
        ++used;
    }
    if (used == 0)
        return;
    // The spikes and their flanks (which come out negative) spread over the
    // bins around the brightest; those a quarter turn of the fold away give
    // the level and the noise.
    const int top = static_cast<int>(std::max_element(profile.begin(), profile.end()) - profile.begin());
    std::vector<double> rest, deviation;
    for (int b = 0; b < kBins; ++b) {
        const int apart = std::abs(b - top);
        if (std::min(apart, kBins - apart) >= kBins / 4)
            rest.push_back(profile[static_cast<std::size_t>(b)]);
    }
    const double median = MedianOf(rest);
    for (double v : rest)
        deviation.push_back(std::abs(v - median));
    const double spread = 1.4826 * MedianOf(deviation) + 1e-9;
    const double centre = profile[static_cast<std::size_t>(top)];
    if (centre - median < 3 * spread)
        return;
    // Between bins: the vertex of a parabola through the brightest and its neighbours.
    const double before = profile[static_cast<std::size_t>((top + kBins - 1) % kBins)];
    const double after = profile[static_cast<std::size_t>((top + 1) % kBins)];
    const double curvature = before - 2 * centre + after;
    const double offset = curvature < 0 ? std::clamp(0.5 * (before - after) / curvature, -0.5, 0.5) : 0.0;
    angle = (top + offset) * kPi / (2 * kBins);

    // Each saturated star: follow its four spikes while they stand above the level.
    for (StarShape& s : stars) {
        if (!s.saturated)
            continue;
        const float sigma = in.background.noise.At(s.x, s.y) * kSmoothNoise;
        const double r0 = MedianRadius(s);
        for (int k = 0; k < 4; ++k) {
            const double a = angle + k * kPi / 2;
            const double c = std::cos(a), sn = std::sin(a);
            double length = 0;
            int quiet = 0;
            for (double r = r0 * 0.5; r < 1500 && quiet < 4; r += 1.0) {
                if (Contrast(in.smooth, s.x, s.y, c, sn, r) > 3 * sigma) {
                    length = r;
                    quiet = 0;
                } else {
                    ++quiet;
                }
            }
            s.spike[k] = length > r0 ? static_cast<float>(1.15 * length + 3) : 0.0f;
        }
    }
}

void PaintMasks(const std::vector<StarShape>& stars, double spikeAngle, int32_t w, int32_t h, std::vector<uint8_t>& mask)
{
    for (const StarShape& s : stars) {
        const float reach = *std::max_element(s.radius, s.radius + kDirections);
        const int32_t r = static_cast<int32_t>(std::ceil(reach));
        for (int32_t y = std::max(0, s.y - r); y <= std::min(h - 1, s.y + r); ++y)
            for (int32_t x = std::max(0, s.x - r); x <= std::min(w - 1, s.x + r); ++x) {
                const double dx = x - s.x, dy = y - s.y;
                const double d = std::sqrt(dx * dx + dy * dy);
                if (d > reach)
                    continue;
                // The radius between the two nearest directions.
                double t = std::atan2(dy, dx) / (2 * kPi) * kDirections;
                if (t < 0)
                    t += kDirections;
                const int k0 = static_cast<int>(t) % kDirections, k1 = (k0 + 1) % kDirections;
                const double f = t - std::floor(t);
                uint8_t& m = mask[static_cast<std::size_t>(y) * w + x];
                if (d <= s.radius[k0] * (1 - f) + s.radius[k1] * f)
                    m = s.axis < 0 ? 1 : (m == 0 ? static_cast<uint8_t>(kMaskAlongAxis + s.axis) : m);
            }
        for (int k = 0; k < 4; ++k) {
            if (s.spike[k] <= 0)
                continue;
            const double a = spikeAngle + k * kPi / 2;
            const double c = std::cos(a), sn = std::sin(a);
            constexpr double kHalfWidth = 3.0;
            for (double t = 0; t <= s.spike[k]; t += 0.5)
                for (double across = -kHalfWidth; across <= kHalfWidth; across += 0.5) {
                    const int32_t x = static_cast<int32_t>(std::lround(s.x + t * c - across * sn));
                    const int32_t y = static_cast<int32_t>(std::lround(s.y + t * sn + across * c));
                    if (x >= 0 && y >= 0 && x < w && y < h)
                        mask[static_cast<std::size_t>(y) * w + x] = 1;
                }
        }
    }
}

} // namespace kv::starless
