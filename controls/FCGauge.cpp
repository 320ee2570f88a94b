#include "controls/FCGauge.h"
#include "controls/Spans.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace kv {
namespace {

int32_t RoundHalfEven(float value)
{
    return static_cast<int32_t>(std::nearbyint(value));
}

std::u16string PercentText(int32_t percent)
{
    const std::string digits = std::to_string(percent);
    return std::u16string(digits.begin(), digits.end()) + u"%";
}

} // namespace

TMyGauge::TMyGauge(ui::TComponent* owner) : ui::TGraphicControl(owner)
{
    SetOpaque(true);
    SetBounds(0, 0, 200, 20);
}

void TMyGauge::SetMinValue(int32_t value)
{
    if (value == minValue_)
        return;
    minValue_ = value;
    if (progress_ < value)
        progress_ = value;
    Repaint();
}

void TMyGauge::SetMaxValue(int32_t value)
{
    if (value == maxValue_)
        return;
    maxValue_ = value;
    if (progress_ > value)
        progress_ = value;
    Repaint();
}

void TMyGauge::SetProgress(int32_t value)
{
    const int32_t c = value < minValue_ ? minValue_ : value > maxValue_ ? maxValue_ : value;
    if (c == progress_)
        return;
    progress_ = c;
    Repaint();
}

void TMyGauge::SetShowText(bool value)
{
    if (value == showText_)
        return;
    showText_ = value;
    Repaint();
}

void TMyGauge::SetForeColor(ui::TColor value)
{
    if (value == foreColor_)
        return;
    foreColor_ = value;
    Repaint();
}

void TMyGauge::SetForeIncrColor(ui::TColor value)
{
    if (value == foreIncrColor_)
        return;
    foreIncrColor_ = value;
    Repaint();
}

void TMyGauge::SetBackColor(ui::TColor value)
{
    if (value == backColor_)
        return;
    backColor_ = value;
    Repaint();
}

void TMyGauge::Paint()
{
    ui::TCanvas& c = Canvas();
    const int32_t w = Width(), h = Height();
    auto span = [&c](int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour) {
        DrawSpan(c, x0, y0, x1, y1, colour);
    };

    // Frame with rounded corners.
    const uint32_t face = ResolveColor(static_cast<int32_t>(ui::clBtnFace));
    const uint32_t corner = ColorSubSat(face, 0x141414);
    for (auto [x, y] : {std::pair{0, 0}, {0, h - 1}, {w - 1, 0}, {w - 1, h - 1}})
        c.SetPixel(x, y, corner);
    const uint32_t nextToCorner = ColorSubSat(face, 0x2C2C2C);
    for (auto [x, y] : {std::pair{1, 0}, {0, 1}, {1, h - 1}, {0, h - 2}, {w - 1, 1}, {w - 2, 0}, {w - 2, h - 1},
                        {w - 1, h - 2}})
        c.SetPixel(x, y, nextToCorner);
    span(2, 0, w - 3, 0, ColorSubSat(face, 0x404040));
    span(0, 2, 0, h - 3, ColorSubSat(face, 0x484848));
    span(w - 1, 2, w - 1, h - 3, ColorSubSat(face, 0x484848));
    span(2, h - 1, w - 3, h - 1, ColorSubSat(face, 0x505050));

    // Fill length: 1 at MinValue to W - 2 at MaxValue.
    int32_t e = 1;
    if (maxValue_ > minValue_)
        e = RoundHalfEven(MapRange(static_cast<float>(minValue_), static_cast<float>(maxValue_),
                                   static_cast<float>(progress_), 1.0f, static_cast<float>(w - 2)));

    // Row shading: 1 on the middle row, falling off linearly towards the edges.
    const int32_t half = h / 2;
    auto shade = [half](int32_t i) {
        return half == 0 ? 0.0f : static_cast<float>(1.0 - std::abs(i - half) / static_cast<double>(half));
    };

    const uint32_t fore = ResolveColor(static_cast<int32_t>(foreColor_));
    for (int32_t i = 1; i <= h - 2; ++i) {
        uint32_t colour = ColorBlend(fore, ColorAddSat(fore, 0x141622), shade(i));
        if (i < half)
            colour = ColorAddSat(colour, foreIncrColor_);
        span(1, i, e, i, colour);
    }

    const uint32_t back = ResolveColor(static_cast<int32_t>(backColor_));
    if (e == 1)
        e = 0; // a fill of one column is never shown
    if (e < w - 2)
        for (int32_t i = 1; i <= h - 2; ++i) {
            uint32_t colour = ColorBlend(back, ColorAddSat(back, 0x1A1A1A), shade(i));
            if (i < half)
                colour = ColorAddSat(colour, 0x101010);
            if (i == 2)
                colour = ColorAddSat(colour, 0x040404);
            if (i == h - 2)
                colour = ColorAddSat(colour, 0x080808);
            span(e + 1, i, w - 2, i, colour);
        }

    if (!showText_)
        return;
    const int32_t percent = RoundHalfEven(MapRange(static_cast<float>(minValue_), static_cast<float>(maxValue_),
                                                   static_cast<float>(progress_), 0.0f, 100.0f));
    const std::u16string text = PercentText(percent);
    c.Font = Font();
    c.Brush.Style = ui::TBrushStyle::bsClear; // the bar shows between the letters
    const ui::TSize size = c.TextExtent(text);
    c.TextOut((w - 1 - size.cx) / 2 + 2, (h - 1 - size.cy) / 2, text);
}

} // namespace kv
