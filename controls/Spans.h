// A row or a column of pixels with both ends included, drawn as the
// system's one-pixel lines are (a line leaves out its end point).
#pragma once

#include "ui/Canvas.h"

namespace kv {

inline void DrawSpan(ui::TCanvas& c, int32_t x0, int32_t y0, int32_t x1, int32_t y1, ui::TColor colour)
{
    if (x1 < x0 || y1 < y0)
        return;
    c.Pen.Color = colour;
    c.MoveTo(x0, y0);
    if (y0 == y1)
        c.LineTo(x1 + 1, y0);
    else
        c.LineTo(x0, y1 + 1);
}

} // namespace kv
