// The canvas operations the owner-drawn controls paint with, on the memory canvas.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "ui/Canvas.h"
#include "ui/SysColors.h"
#include "ui/headless/MemorySurface.h"

namespace kv::ui {
namespace {

using headless::DrawnText;
using headless::MemorySurface;
using Points = std::set<std::pair<int32_t, int32_t>>;

Points Coloured(const MemorySurface& s, uint32_t colour)
{
    Points p;
    for (int32_t y = 0; y < s.Height(); ++y)
        for (int32_t x = 0; x < s.Width(); ++x)
            if (s.Pixel(x, y) == colour)
                p.insert({x, y});
    return p;
}

TEST(CanvasDrawing, PolylineCoversEveryCornerButTheLastEndPoint)
{
    MemorySurface s(8, 8);
    TCanvas c;
    c.Attach(&s);
    c.Pen.Color = 0x0000FF;
    c.Polyline({{1, 4}, {3, 6}, {6, 3}});
    EXPECT_EQ(Coloured(s, 0x0000FF), (Points{{1, 4}, {2, 5}, {3, 6}, {4, 5}, {5, 4}}));
}

TEST(CanvasDrawing, FrameAndFocusRectangles)
{
    MemorySurface s(6, 5);
    TCanvas c;
    c.Attach(&s);
    c.Brush.Color = 0x00FF00;
    c.FrameRect(TRect{1, 1, 5, 4});
    EXPECT_EQ(Coloured(s, 0x00FF00),
              (Points{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 2}, {4, 2}, {1, 3}, {2, 3}, {3, 3}, {4, 3}}));
    c.DrawFocusRect(TRect{1, 1, 5, 4});
    // Every other outline pixel, from the top-left corner on, is inverted.
    EXPECT_EQ(Coloured(s, 0xFF00FF), (Points{{1, 1}, {3, 1}, {1, 3}, {3, 3}, {4, 2}}));
    c.DrawFocusRect(TRect{1, 1, 5, 4});
    EXPECT_EQ(Coloured(s, 0x00FF00).size(), 10u) << "a second focus rectangle wipes the first";
}

TEST(CanvasDrawing, TextOnOpaqueAndClearBrushes)
{
    MemorySurface s(30, 20);
    TCanvas c;
    c.Attach(&s);
    c.Font.Color = 0x0000FF;
    c.Brush.Color = 0x00FF00;
    c.TextOut(2, 3, u"ab"); // 12 x 13
    EXPECT_EQ(s.Pixel(2, 3), 0x00FF00u) << "opaque background";
    EXPECT_EQ(s.Pixel(13, 14), 0x00FF00u);
    EXPECT_EQ(s.Pixel(2, 15), 0x0000FFu) << "the mark under the text";
    EXPECT_EQ(s.Pixel(14, 3), 0u);
    c.Brush.Style = TBrushStyle::bsClear;
    c.TextOut(16, 0, u"a");
    EXPECT_EQ(s.Pixel(16, 0), 0u) << "transparent background";
    EXPECT_EQ(s.Texts(), (std::vector<DrawnText>{{2, 3, u"ab"}, {16, 0, u"a"}}));
}

TEST(CanvasDrawing, DrawTextCentresSingleLinesAndDropsPrefixes)
{
    struct Case {
        const char16_t* text;
        TRect rect;
        uint32_t flags;
        DrawnText drawn;
    };
    const uint32_t centred = text_flags::kCenter | text_flags::kVCenter | text_flags::kSingleLine;
    const Case cases[] = {
        {u"Help", {21, 3, 76, 26}, centred, {36, 8, u"Help"}}, // 24 x 13 in 55 x 23
        {u"&Start", {0, 0, 40, 20}, centred, {5, 3, u"Start"}},
        {u"a&&b", {0, 0, 40, 20}, centred, {11, 3, u"a&b"}},
        {u"Help", {21, 3, 76, 26}, 0, {21, 3, u"Help"}},
        {u"...", {3, 3, 40, 21}, centred, {12, 5, u"..."}},
    };
    for (const Case& k : cases) {
        MemorySurface s(80, 30);
        TCanvas c;
        c.Attach(&s);
        c.DrawText(k.text, k.rect, k.flags);
        EXPECT_EQ(s.Texts(), (std::vector<DrawnText>{k.drawn}));
    }
    // Clipped to the rectangle: a text wider than it marks only the inside.
    MemorySurface s(40, 20);
    TCanvas c;
    c.Attach(&s);
    c.Font.Color = 0x0000FF;
    c.DrawText(u"wide text", TRect{5, 0, 15, 20}, centred);
    EXPECT_EQ(Coloured(s, 0x0000FF).size(), 10u);
    EXPECT_EQ(s.Pixel(4, 15), 0u);
    EXPECT_EQ(s.Pixel(15, 15), 0u);
}

TEST(CanvasDrawing, TransparentPictureLeavesOutItsBottomLeftColour)
{
    TBitmap glyph;
    glyph.SetSize(3, 2);
    glyph.Canvas().Brush.Color = 0xFFFFFF;
    glyph.Canvas().FillRect(TRect{0, 0, 3, 2});
    glyph.Canvas().SetPixel(1, 0, 0x0000FF);
    glyph.Canvas().SetPixel(2, 1, 0x00FF00);
    for (bool transparent : {false, true}) {
        glyph.SetTransparent(transparent);
        MemorySurface s(6, 4);
        TCanvas c;
        c.Attach(&s);
        c.Draw(2, 1, glyph);
        EXPECT_EQ(s.Pixel(3, 1), 0x0000FFu);
        EXPECT_EQ(s.Pixel(4, 2), 0x00FF00u);
        EXPECT_EQ(s.Pixel(2, 1), transparent ? 0u : 0xFFFFFFu);
        EXPECT_EQ(Coloured(s, 0xFFFFFF).size(), transparent ? 0u : 4u);
    }
    TBitmap copy(glyph);
    EXPECT_EQ(copy.Width(), 3);
    EXPECT_EQ(copy.Pixel(1, 0), 0x0000FFu);
    EXPECT_TRUE(copy.Transparent());
    copy.Assign(TBitmap{});
    EXPECT_TRUE(copy.Empty());
}

TEST(CanvasDrawing, FixedMenuCheckMetrics)
{
    EXPECT_EQ(SysMetric(kSmCxMenuCheck), 15);
    EXPECT_EQ(SysMetric(kSmCyMenuCheck), 15);
}

} // namespace
} // namespace kv::ui
