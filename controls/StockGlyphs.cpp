// The three built-in 16 x 16 glyphs, computed at compile time: a disc
// filling rows and columns 1 to 14, shaded lighter at the top left and
// darker towards the bottom right, with a lighter rim and a softened edge,
// on pure white; then the mark of each, from a small pattern.
#include <string_view>

#include "controls/FCButton.h"

namespace kv {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

constexpr uint32_t Rgb(int32_t r, int32_t g, int32_t b)
{
    auto clamp = [](int32_t v) { return static_cast<uint32_t>(v < 0 ? 0 : v > 255 ? 255 : v); };
    return clamp(r) | clamp(g) << 8 | clamp(b) << 16;
}

constexpr int32_t Red(uint32_t c) { return static_cast<int32_t>(c & 0xFF); }
constexpr int32_t Green(uint32_t c) { return static_cast<int32_t>(c >> 8 & 0xFF); }
constexpr int32_t Blue(uint32_t c) { return static_cast<int32_t>(c >> 16 & 0xFF); }

// Channel by channel a + (b - a) * num / 256.
constexpr uint32_t Mix(uint32_t a, uint32_t b, int32_t num)
{
    return Rgb(Red(a) + (Red(b) - Red(a)) * num / 256, Green(a) + (Green(b) - Green(a)) * num / 256,
               Blue(a) + (Blue(b) - Blue(a)) * num / 256);
}

// '#': the mark's colour; '+': its softened edge; anything else: the disc.
using Pattern = std::string_view[16];

constexpr GlyphTable MakeGlyph(uint32_t main, const Pattern& mark, uint32_t markColour, uint32_t edgeColour)
{
    GlyphTable t{};
    for (int32_t y = 0; y < 16; ++y)
        for (int32_t x = 0; x < 16; ++x) {
            // Twice the offset from the centre (7.5, 7.5), so that it stays integral.
            const int32_t dx = 2 * x - 15, dy = 2 * y - 15;
            const int32_t d2 = dx * dx + dy * dy; // four times the squared distance
            uint32_t c = kWhite;
            if (d2 <= 4 * 49) {
                // Lighter towards the top left, darker towards the bottom right.
                const int32_t s = dx + dy; // -26 .. 26
                c = s < 0 ? Mix(main, kWhite, -s * 3) : Mix(main, 0x000000, s * 3);
                if (d2 > 4 * 36)
                    c = Mix(c, kWhite, 72); // the lighter rim
                if (d2 > 4 * 42)
                    c = Mix(c, kWhite, 110); // the softened edge, never pure white
            }
            const char m = mark[y][static_cast<size_t>(x)];
            if (m == '#')
                c = markColour;
            else if (m == '+')
                c = Mix(c, edgeColour, 128);
            t[static_cast<size_t>(16 * y + x)] = c;
        }
    return t;
}

constexpr Pattern kCheck = {
    "................", "................", "................", "................",
    "...........#....", "..........#+....", ".........#+.....", "....#...#+......",
    "....+#.#+.......", ".....+#+........", "......+.........", "................",
    "................", "................", "................", "................",
};

constexpr Pattern kCross = {
    "................", "................", "................", "................",
    "................", ".....#....#.....", ".....+#..#+.....", "......+##+......",
    "......+##+......", ".....+#..#+.....", ".....#....#.....", "................",
    "................", "................", "................", "................",
};

constexpr Pattern kQuestion = {
    "................", "................", "................", "......####......",
    ".....##++##.....", ".....+...##.....", "........##+.....", ".......##+......",
    ".......##.......", "................", ".......##.......", ".......##.......",
    "................", "................", "................", "................",
};

} // namespace

// The check mark and cross are cut out in pure white (transparent); the
// question mark is in light colours that are not, so it stays visible.
constexpr GlyphTable kOk = MakeGlyph(0x289C4D, kCheck, kWhite, kWhite);
constexpr GlyphTable kCancel = MakeGlyph(0x4450D1, kCross, kWhite, kWhite);
constexpr GlyphTable kHelp = MakeGlyph(0xA87743, kQuestion, 0xFAF8F6, 0xF0E8E0);

const GlyphTable StockGlyphOk = kOk;
const GlyphTable StockGlyphCancel = kCancel;
const GlyphTable StockGlyphHelp = kHelp;

} // namespace kv
