// The check box's and radio button's boxes.
#include "controls/FCCheckControls.h"
#include "controls/FCGauge.h"
#include "ui/SysColors.h"

namespace kv {
namespace {

uint32_t Sys(ui::TColor code)
{
    return ResolveColor(static_cast<int32_t>(code));
}

} // namespace

void DrawCheckMark(ui::TCanvas& c, int32_t x, int32_t y, int32_t s)
{
    const int32_t d = s / 4, e = (s + 2) / 8;
    const ui::TPoint p0{x + e, y + s - d - e - 1};
    const ui::TPoint p1{p0.X + d, p0.Y + d};
    const ui::TPoint p2{p0.X + 3 * d + 1, p0.Y - d - 1};
    c.Polyline({p0, p1, p2});
}

void DrawCheckBox(ui::TCanvas& c, int32_t l, int32_t t, int32_t r, int32_t b, bool checked, bool enabled)
{
    const uint32_t shadow = Sys(ui::clBtnShadow), face = Sys(ui::clBtnFace);
    c.Brush.Style = ui::TBrushStyle::bsSolid;
    c.Brush.Color = enabled ? ColorSubSat(shadow, 0x080808) : ColorAddSat(shadow, 0x080808);
    c.FrameRect(ui::TRect{l, t, r, b});
    c.Brush.Color = ColorSubSat(face, enabled ? 0x040404 : 0x0C0C0C);
    c.FrameRect(ui::TRect{l + 1, t + 1, r - 1, b - 1});
    const ui::TRect inside{l + 2, t + 2, r - 2, b - 2};
    c.Brush.Color = enabled ? ui::clWindow : ui::clBtnFace;
    c.FillRect(inside);
    if (!checked)
        return;
    // Stacked strokes make the mark three (or, in a larger box, four) pixels thick.
    c.Pen.Width = 1;
    c.Pen.Color = enabled ? ui::clBlack : ui::clBtnShadow;
    const int32_t s = inside.Width();
    DrawCheckMark(c, inside.Left, inside.Top, s);
    DrawCheckMark(c, inside.Left, inside.Top - 1, s);
    DrawCheckMark(c, inside.Left, inside.Top - 2, s);
    if (s > 12)
        DrawCheckMark(c, inside.Left, inside.Top - 3, s);
}

void DrawOctagon(ui::TCanvas& c, int32_t x, int32_t y, int32_t s, int32_t d)
{
    c.Polyline({{x, y}, {x + s, y}, {x + s + d, y + d}, {x + s + d, y + d + s}, {x + s, y + 2 * d + s},
                {x, y + 2 * d + s}, {x - d, y + d + s}, {x - d, y + d}, {x, y}});
}

void DotOctagonCorners(ui::TCanvas& c, int32_t x, int32_t y, int32_t s, int32_t d, ui::TColor colour)
{
    for (const ui::TPoint p : {ui::TPoint{x, y}, {x + s, y}, {x + s + d, y + d}, {x + s + d, y + d + s},
                               {x + s, y + 2 * d + s}, {x, y + 2 * d + s}, {x - d, y + d + s}, {x - d, y + d}})
        c.SetPixel(p.X, p.Y, colour);
}

void DrawRadio(ui::TCanvas& c, int32_t l, int32_t t, int32_t r, int32_t, bool checked, bool enabled)
{
    const int32_t width = r - l;
    int32_t g = width < 13 ? 13 : width;
    if (g == 15)
        g = 14;
    if (g == 17)
        g = 16;
    if (g >= 14)
        ++t;
    const uint32_t shadow = Sys(ui::clBtnShadow), face = Sys(ui::clBtnFace);
    c.Pen.Width = 1;
    const uint32_t p = enabled ? ColorSubSat(shadow, 0x101010) : ColorAddSat(shadow, 0x080808);
    c.Pen.Color = p;
    DrawOctagon(c, l + 3, t, g - 8, 3);
    c.Pen.Color = ColorAddSat(p, 0x383838);
    DrawOctagon(c, l + 3, t + 1, g - 8, 2);
    c.Pen.Color = enabled ? face : ColorSubSat(face, 0x0C0C0C);
    DrawOctagon(c, l + 4, t + 1, g - 10, 3);
    const ui::TColor inner = enabled ? ui::clWindow : ui::clBtnFace;
    c.Pen.Color = inner;
    DrawOctagon(c, l + 4, t + 2, g - 10, 2);
    c.Brush.Style = ui::TBrushStyle::bsSolid;
    c.Brush.Color = inner;
    c.FillRect(ui::TRect{l + 3, t + 3, l + g - 4, t + g - 4});
    if (checked) {
        uint32_t u = Sys(enabled ? ui::clWindowText : ui::clBtnShadow);
        if (u == 0)
            u = 0x545454; // a black dot is drawn dark grey
        const int32_t q = (width < 0 ? -width : width) / 4;
        const ui::TRect dot{l + q + 1, t + q + 1, l + g - q - 2, t + g - q - 2};
        c.Brush.Color = u;
        c.FillRect(dot);
        const uint32_t round = ColorAddSat(u, 0x808080); // rounds the dot
        c.SetPixel(dot.Left, dot.Top, round);
        c.SetPixel(dot.Right - 1, dot.Top, round);
        c.SetPixel(dot.Left, dot.Bottom - 1, round);
        c.SetPixel(dot.Right - 1, dot.Bottom - 1, round);
    }
    DotOctagonCorners(c, l + 3, t, g - 8, 3, ColorAddSat(shadow, 0x101010));
}

} // namespace kv
