// Small helpers shared by the dialog and the image files.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

// True when low <= value <= high, both bounds included. NaN is never in range,
// and no value is in range when low > high.
inline bool InRangeF(float value, float low, float high)
{
    const double v = value;
    return static_cast<double>(low) <= v && v <= static_cast<double>(high);
}

// Clamps to [low, high] and rounds to the nearest integer, halves to even.
// The lower bound is applied last, so low > high always gives low, and NaN
// gives low. Clamping before rounding keeps 65535.4 (high 65535) at 65535.
// Inline: the TIFF writer calls it once per sample.
inline int64_t ClampRound(double value, double low, double high)
{
    if (value > high)
        value = high;
    if (value < low || std::isnan(value))
        value = low;
    return std::llrint(value); // the processor's default mode: nearest, ties to even
}

// A modal message box owned by the active window of the thread (else the
// host's main window or its latest pop-up). Caption first, then text; returns
// the identifier of the button that closed it.
int32_t ShowMessageBox(const std::u16string& caption, const std::u16string& text, uint32_t flags);

// An OK box with the error icon that stays above all windows (MB_OK |
// MB_ICONERROR | MB_TASKMODAL | MB_TOPMOST); returns once it is closed.
void ShowErrorBox(const std::u16string& caption, const std::u16string& text);
constexpr uint32_t kErrorBoxFlags = 0x42010;
