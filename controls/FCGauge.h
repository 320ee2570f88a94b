// TMyGauge: a horizontal progress bar that paints itself completely (a
// rounded one-pixel frame, a filled and an unfilled part shaded row by row,
// the percentage centred), and the colour helpers its painting and the
// buttons' painting share.
#pragma once

#include <cstdint>

#include "ui/Control.h"

namespace kv {

// Colours are 0x00BBGGRR; each channel is computed on its own and never
// carries into the next. These helpers look at the three channel bytes only
// and return a colour whose top byte is 0.
uint32_t ColorAddSat(uint32_t a, uint32_t b); // a + b, at most 255
uint32_t ColorSubSat(uint32_t a, uint32_t b); // a - b, at least 0
// k := x * 256 rounded (halves to even) and kept within 0..256; each channel
// (a * k + b * (256 - k)) / 256 rounded down: x = 1 gives a, x = 0 gives b.
uint32_t ColorBlend(uint32_t a, uint32_t b, float x);
// v kept within lo..hi, mapped linearly onto outLo..outHi; in double
// precision, with t and the result rounded to float (t = 0 when hi = lo).
float MapRange(float lo, float hi, float v, float outLo, float outHi);
// A system colour code (negative: top bit set) becomes the system colour of
// index code & 255; an RGB colour is returned as it is.
uint32_t ResolveColor(int32_t code);

class TMyGauge : public ui::TGraphicControl {
public:
    explicit TMyGauge(ui::TComponent* owner);

    int32_t MinValue() const { return minValue_; }
    int32_t MaxValue() const { return maxValue_; }
    int32_t Progress() const { return progress_; }
    bool ShowText() const { return showText_; }
    ui::TColor ForeColor() const { return foreColor_; }
    ui::TColor ForeIncrColor() const { return foreIncrColor_; }
    ui::TColor BackColor() const { return backColor_; }

    // Each setter stores a changed value and repaints at once (not later), so
    // the bar is current even while the caller keeps the message loop busy;
    // an unchanged value does nothing.
    void SetMinValue(int32_t value); // raises Progress to it
    void SetMaxValue(int32_t value); // lowers Progress to it
    void SetProgress(int32_t value); // kept within MinValue and MaxValue
    void SetShowText(bool value);
    void SetForeColor(ui::TColor value);
    void SetForeIncrColor(ui::TColor value); // added as plain RGB, never resolved
    void SetBackColor(ui::TColor value);

protected:
    void Paint() override;

private:
    int32_t minValue_ = 0;
    int32_t maxValue_ = 1000;
    int32_t progress_ = 0;
    bool showText_ = true;
    ui::TColor foreColor_ = 0x28D008;
    ui::TColor foreIncrColor_ = 0x701880;
    ui::TColor backColor_ = 0xCCCCCC;
};

} // namespace kv
