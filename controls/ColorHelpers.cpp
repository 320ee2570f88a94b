// The colour helpers declared in FCGauge.h.
#include <algorithm>
#include <cmath>

#include "controls/FCGauge.h"
#include "ui/SysColors.h"

namespace kv {
namespace {

uint32_t Channel(uint32_t c, int shift)
{
    return (c >> shift) & 0xFF;
}

template <class Op>
uint32_t PerChannel(uint32_t a, uint32_t b, Op op)
{
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        result |= static_cast<uint32_t>(op(static_cast<int32_t>(Channel(a, shift)), static_cast<int32_t>(Channel(b, shift))))
                  << shift;
    return result;
}

} // namespace

uint32_t ColorAddSat(uint32_t a, uint32_t b)
{
    return PerChannel(a, b, [](int32_t x, int32_t y) { return std::min(x + y, 255); });
}

uint32_t ColorSubSat(uint32_t a, uint32_t b)
{
    return PerChannel(a, b, [](int32_t x, int32_t y) { return std::max(x - y, 0); });
}

uint32_t ColorBlend(uint32_t a, uint32_t b, float x)
{
    // nearbyint rounds halves to even in the default rounding mode; the
    // product of a float and 256 is exact.
    const double scaled = std::nearbyint(static_cast<double>(x) * 256.0);
    const int32_t k = scaled >= 256.0 ? 256 : scaled > 0.0 ? static_cast<int32_t>(scaled) : 0; // NaN gives 0
    return PerChannel(a, b, [k](int32_t p, int32_t q) { return (p * k + q * (256 - k)) / 256; });
}

float MapRange(float lo, float hi, float v, float outLo, float outHi)
{
    double value = v;
    if (lo > value)
        value = lo;
    if (value > hi)
        value = hi;
    float t = 0.0f;
    if (hi != lo)
        t = static_cast<float>((value - lo) / std::fabs(static_cast<double>(hi) - lo));
    if (t > 1.0f)
        t = 1.0f;
    return static_cast<float>(static_cast<double>(t) * outHi + (1.0 - static_cast<double>(t)) * outLo);
}

uint32_t ResolveColor(int32_t code)
{
    if (code < 0)
        return ui::SysColor(code & 255);
    return static_cast<uint32_t>(code);
}

} // namespace kv
