// The push button's two faces and the helpers they use.
#include <algorithm>
#include <cmath>
#include <utility>

#include "controls/FCButton.h"
#include "controls/FCGauge.h"
#include "controls/Spans.h"

namespace kv {

uint32_t ColorLighten(uint32_t c, int32_t n)
{
    const uint32_t add = static_cast<uint32_t>(std::clamp(n, 0, 255));
    return ColorAddSat(c, add | add << 8 | add << 16);
}

uint32_t ColorDarken(uint32_t c, int32_t n)
{
    const uint32_t sub = static_cast<uint32_t>(std::clamp(n, 0, 255));
    return ColorSubSat(c, sub | sub << 8 | sub << 16);
}

double LinearRamp(double lo, double hi, double x, double vLo, double vHi)
{
    if (lo > hi)
        std::swap(lo, hi);
    if (lo == hi)
        return x <= lo ? vLo : vHi;
    x = std::clamp(x, lo, hi);
    const double t = (x - lo) / (hi - lo);
    return t * vHi + (1 - t) * vLo;
}

void PaintClassicFace(ui::TCanvas& c, const ui::TRect& r, ui::TColor colour, bool pd, bool fs, bool)
{
    if (r.Width() < 4 || r.Height() < 4) {
        c.Brush.Color = colour;
        c.FillRect(r);
        return;
    }
    const int32_t L = r.Left, T = r.Top;
    const uint32_t base = ResolveColor(static_cast<int32_t>(colour));
    uint32_t a = ColorLighten(base, 16);
    const uint32_t e = ColorDarken(base, 24);
    uint32_t cc = ColorDarken(base, 68);
    uint32_t d = ColorDarken(base, 120);
    bool tint = fs;
    if (pd) {
        tint = true;
        a = ColorDarken(base, 16);
    }
    if (tint) {
        cc = ColorAddSat(cc, 0x240000); // bluer
        d = ColorAddSat(d, 0x340000);
    }
    // Pressed, the right and bottom edges move one pixel out, partly out of sight.
    const int32_t rr = pd ? r.Right : r.Right - 1;
    const int32_t bb = pd ? r.Bottom : r.Bottom - 1;

    for (int32_t y = T; y <= bb; ++y) {
        const auto v = static_cast<int32_t>(std::nearbyint(LinearRamp(T + 2, bb - 2, y, 0, 11.0)));
        uint32_t row = ColorLighten(ColorDarken(base, v), tint ? 14 : 2);
        if (y == T)
            row = cc;
        if (y == T + 1)
            row = a;
        if (y == bb - 1)
            row = d;
        if (y == bb)
            row = e;
        DrawSpan(c, L + 1, y, rr - 1, y, row);
    }
    DrawSpan(c, L + 1, T + 1, L + 1, bb - 3, a);
    DrawSpan(c, L, T, L, bb - 1, cc);
    DrawSpan(c, rr - 1, T + 1, rr - 1, bb - 1, d);
    DrawSpan(c, rr, T, rr, bb, e);
    DrawSpan(c, L, bb, rr, bb, e);
    c.SetPixel(rr, T, base);
    c.SetPixel(L, bb, base);
    c.SetPixel(rr - 2, T + 1, base);
}

void PaintXPFace(ui::TCanvas& c, const ui::TRect& r, ui::TColor colour, bool pd, bool fs)
{
    const int32_t L = r.Left, T = r.Top, Rt = r.Right, B = r.Bottom;
    const uint32_t base = ResolveColor(static_cast<int32_t>(colour));
    const uint32_t fill = pd || fs ? ColorAddSat(base, 0x0C0C0C) : base;
    c.Brush.Color = fill;
    c.FillRect(r);

    const uint32_t shadow = pd ? ColorAddSat(base, 0x141414) : ColorSubSat(base, 0x282828);
    DrawSpan(c, Rt - 2, T + 2, Rt - 2, B - 3, shadow);
    DrawSpan(c, L + 1, B - 2, Rt - 2, B - 2, shadow);
    const uint32_t highlight = pd ? ColorSubSat(base, 0x181818) : ColorAddSat(base, 0x181818);
    DrawSpan(c, L + 1, T + 2, L + 1, B - 3, highlight);
    DrawSpan(c, L + 1, T + 1, Rt - 2, T + 1, highlight);
    const uint32_t topLeft = ColorSubSat(base, 0x303030);
    DrawSpan(c, L, T + 2, L, B - 2, topLeft);
    DrawSpan(c, L + 2, T, Rt - 3, T, topLeft);
    const uint32_t bottomRight = ColorSubSat(base, pd ? 0x404040 : 0x808080);
    DrawSpan(c, Rt - 1, T + 2, Rt - 1, B - 2, bottomRight);
    DrawSpan(c, L + 1, B - 1, Rt - 2, B - 1, bottomRight);

    c.SetPixel(L, T, fill);
    c.SetPixel(Rt - 1, T, fill);
    const uint32_t corner = ColorSubSat(base, 0x242424);
    for (auto [x, y] : {std::pair{L, T + 1}, {L + 1, T + 1}, {L + 1, T}, {Rt - 1, T + 1}, {Rt - 2, T + 1}, {Rt - 2, T},
                        {L, B - 1}, {Rt - 1, B - 1}})
        c.SetPixel(x, y, corner);
}

} // namespace kv
