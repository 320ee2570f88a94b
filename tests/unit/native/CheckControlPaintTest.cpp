// The owner-drawn check box and radio button painted on the memory canvas
// (menu check mark 15 x 15, button face 0xF0F0F0, button shadow 0xA0A0A0,
// window 0xFFFFFF, window text black; text cells 6 x 13).
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "controls/FCCheckControls.h"
#include "ui/Form.h"
#include "ui/headless/MemorySurface.h"

namespace kv {
namespace {

using ui::headless::DrawnText;
using ui::headless::MemorySurface;
using Points = std::set<std::pair<int32_t, int32_t>>;

constexpr uint32_t Grey(uint32_t v) { return v | v << 8 | v << 16; }

Points Coloured(const MemorySurface& s, uint32_t colour, const ui::TRect& within)
{
    Points p;
    for (int32_t y = within.Top; y < within.Bottom; ++y)
        for (int32_t x = within.Left; x < within.Right; ++x)
            if (s.Pixel(x, y) == colour)
                p.insert({x, y});
    return p;
}

Points Outline(const ui::TRect& r)
{
    Points p;
    for (int32_t x = r.Left; x < r.Right; ++x)
        p.insert({{x, r.Top}, {x, r.Bottom - 1}});
    for (int32_t y = r.Top; y < r.Bottom; ++y)
        p.insert({{r.Left, y}, {r.Right - 1, y}});
    return p;
}

// Polyline pixels of the 45-degree strokes P0-P1-P2, the last end point left out.
Points Strokes(int32_t x0, int32_t y0, int32_t down, int32_t up)
{
    Points p;
    for (int32_t i = 0; i < down; ++i)
        p.insert({x0 + i, y0 + i});
    for (int32_t i = 0; i < up; ++i)
        p.insert({x0 + down + i, y0 + down - i});
    return p;
}

// F is outlined in the button face; around it the control's own colour (here green) shows.
void ExpectF(TMyCheckControl* control, const ui::TRect& f)
{
    control->SetColor(0x00FF00);
    MemorySurface s(control->Width(), control->Height());
    control->PaintOn(s);
    const Points face = Coloured(s, Grey(0xF0), ui::TRect{0, 0, s.Width(), s.Height()});
    const Points outline = Outline(f);
    EXPECT_TRUE(std::includes(face.begin(), face.end(), outline.begin(), outline.end())) << "F outlined";
    for (int32_t y = 0; y < 17; ++y) {
        EXPECT_EQ(s.Pixel(f.Left - 1, y), 0x00FF00u) << "left of F, row " << y;
        EXPECT_EQ(s.Pixel(f.Right, y), 0x00FF00u) << "right of F, row " << y;
    }
    control->SetColor(ui::clBtnFace);
}

template <class T>
struct OnForm {
    ui::TForm form{nullptr};
    T* control;
    explicit OnForm(const char16_t* caption, int32_t width = 60)
    {
        control = new T(&form);
        control->SetParent(&form);
        control->SetBounds(0, 0, width, 17);
        control->SetCaption(caption);
    }
    MemorySurface Paint()
    {
        MemorySurface s(control->Width(), control->Height());
        control->PaintOn(s);
        return s;
    }
};

TEST(CheckBoxPaint, BoxMarkCaptionAndFocusRectangle)
{
    OnForm<TMyChkBox> box(u"Abc"); // w = 18
    const MemorySurface plain = box.Paint();
    const ui::TRect boxArea{0, 0, 13, 17};
    EXPECT_EQ(Coloured(plain, Grey(0x98), boxArea), Outline({0, 2, 13, 15})) << "outer outline";
    EXPECT_EQ(Coloured(plain, Grey(0xEC), boxArea), Outline({1, 3, 12, 14})) << "inner outline";
    EXPECT_EQ(Coloured(plain, Grey(0xFF), boxArea).size(), 9u * 9u) << "fill (2, 4)-(11, 13)";
    EXPECT_EQ(plain.Pixel(2, 4), Grey(0xFF));
    EXPECT_EQ(plain.Pixel(10, 12), Grey(0xFF));
    EXPECT_EQ(plain.Texts(), (std::vector<DrawnText>{{19, 2, u"Abc"}}));
    ExpectF(box.control, {17, 0, 38, 17}); // (17, 0)-(20 + w, 17)

    box.control->SetChecked(true);
    const MemorySurface checked = box.Paint();
    Points mark;
    for (int32_t up = 0; up < 3; ++up) {
        const Points stroke = Strokes(3, 9 - up, 2, 5); // (3, 9), (5, 11), (10, 6), moved up
        mark.insert(stroke.begin(), stroke.end());
    }
    EXPECT_EQ(Coloured(checked, 0x000000, boxArea), mark);

    box.control->SetFocus();
    const MemorySurface focused = box.Paint();
    // The dotted rectangle on F inverts every other pixel of the face-coloured outline.
    EXPECT_EQ(focused.Pixel(17, 0), Grey(0x0F));
    EXPECT_EQ(focused.Pixel(18, 0), Grey(0xF0));
    EXPECT_EQ(focused.Pixel(37, 16), Grey(0xF0) ^ ((37 - 17 + 16) % 2 == 0 ? 0xFFFFFF : 0));
}

TEST(CheckBoxPaint, DisabledColours)
{
    OnForm<TMyChkBox> box(u"Abc");
    box.control->SetChecked(true);
    box.control->SetEnabled(false);
    const MemorySurface s = box.Paint();
    EXPECT_EQ(s.Pixel(0, 2), Grey(0xA8)) << "outer outline lighter";
    EXPECT_EQ(s.Pixel(1, 3), Grey(0xE4));
    EXPECT_EQ(s.Pixel(2, 12), Grey(0xF0)) << "fill in the face colour";
    EXPECT_EQ(s.Pixel(3, 9), Grey(0xA0)) << "mark in the button shadow colour";
    EXPECT_EQ(s.Pixel(19, 14), Grey(0xA0)) << "caption in the button shadow colour";
}

TEST(RadioPaint, OctagonDotCaptionAndF)
{
    OnForm<TMyRadButton> radio(u"Abc");
    radio.control->SetChecked(true);
    const MemorySurface s = radio.Paint();
    const Points corners = {{3, 2}, {8, 2}, {11, 5}, {11, 10}, {8, 13}, {3, 13}, {0, 10}, {0, 5}};
    EXPECT_EQ(Coloured(s, Grey(0xB0), {0, 0, 13, 17}), corners) << "the outer octagon's corners, dotted";
    for (auto [x, y] : {std::pair{5, 2}, {0, 7}, {11, 8}, {5, 13}, {1, 4}, {10, 11}})
        EXPECT_EQ(s.Pixel(x, y), Grey(0x90)) << "outer octagon at " << x << "," << y;
    EXPECT_EQ(s.Pixel(3, 5), Grey(0xFF)) << "fill (3, 5)-(9, 11)";
    EXPECT_EQ(s.Pixel(8, 10), Grey(0xFF));
    // The dot (4, 6)-(8, 10): dark grey for black window text, corners lighter.
    for (auto [x, y] : {std::pair{5, 6}, {4, 7}, {6, 8}, {7, 8}, {5, 9}})
        EXPECT_EQ(s.Pixel(x, y), Grey(84)) << "dot at " << x << "," << y;
    for (auto [x, y] : {std::pair{4, 6}, {7, 6}, {4, 9}, {7, 9}})
        EXPECT_EQ(s.Pixel(x, y), Grey(212)) << "dot corner at " << x << "," << y;
    EXPECT_EQ(s.Texts(), (std::vector<DrawnText>{{18, 1, u"Abc"}}));
    ExpectF(radio.control, {16, 0, 37, 17}); // (16, 0)-(19 + w, 17)

    radio.control->SetChecked(false);
    const MemorySurface unchecked = radio.Paint();
    EXPECT_EQ(unchecked.Pixel(5, 7), Grey(0xFF));
}

TEST(RadioPaint, FocusRectangleOnlyWithACaption)
{
    for (const char16_t* caption : {u"Abc", u""}) {
        OnForm<TMyRadButton> radio(caption);
        radio.control->SetFocus();
        const MemorySurface s = radio.Paint();
        EXPECT_EQ(s.Pixel(16, 0), *caption ? Grey(0x0F) : Grey(0xF0)) << "caption \"" << (*caption ? "Abc" : "") << "\"";
    }
}

TEST(CheckControlPaint, AlignmentStateAndAllowGrayedChangeNothing)
{
    OnForm<TMyChkBox> plain(u"Abc"), other(u"Abc");
    plain.control->SetChecked(true);
    other.control->SetChecked(true);
    other.control->SetAlignment(TLeftRight::taLeftJustify);
    other.control->SetState(TCheckBoxState::cbGrayed);
    other.control->SetAllowGrayed(true);
    EXPECT_EQ(plain.Paint().Pixels(), other.Paint().Pixels());
    OnForm<TMyRadButton> r1(u"Abc"), r2(u"Abc");
    r2.control->SetAlignment(TLeftRight::taLeftJustify);
    r2.control->SetState(TCheckBoxState::cbGrayed);
    EXPECT_EQ(r1.Paint().Pixels(), r2.Paint().Pixels());
}

TEST(RadioPaint, BoxWidthsRoundToEvenSizes)
{
    // g = r - l (at least 13, 15 becomes 14, 17 becomes 16); from 14 on the box moves down a pixel.
    struct Case {
        int32_t width, g, top;
    };
    const Case cases[] = {{10, 13, 0}, {13, 13, 0}, {14, 14, 1}, {15, 14, 1}, {17, 16, 1}, {18, 18, 1}};
    for (const Case& c : cases) {
        MemorySurface s(30, 30);
        ui::TCanvas canvas;
        canvas.Attach(&s);
        DrawRadio(canvas, 0, 0, c.width, 20, false, true);
        // The outer octagon's top-right corner (l + 3 + g - 8, t) is dotted.
        EXPECT_EQ(s.Pixel(3 + c.g - 8, c.top), Grey(0xB0)) << "width " << c.width;
        EXPECT_EQ(s.Pixel(3, c.top), Grey(0xB0)) << "width " << c.width;
    }
}

} // namespace
} // namespace kv
