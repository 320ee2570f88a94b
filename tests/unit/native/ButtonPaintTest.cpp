// The push button's faces, glyphs and caption on the memory canvas (button
// face 0xF0F0F0, button shadow 0xA0A0A0, Tahoma -11: text cells 6 x 13).
#include <gtest/gtest.h>

#include <vector>

#include "controls/FCButton.h"
#include "ui/Form.h"
#include "ui/headless/MemorySurface.h"

namespace kv {
namespace {

using ui::headless::DrawnText;
using ui::headless::MemorySurface;

constexpr uint32_t Grey(uint32_t v) { return v | v << 8 | v << 16; }
constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

MemorySurface ClassicFace(int32_t w, int32_t h, bool pd, bool fs)
{
    MemorySurface s(w, h);
    ui::TCanvas c;
    c.Attach(&s);
    PaintClassicFace(c, ui::TRect{0, 0, w, h}, Grey(240), pd, fs, true);
    return s;
}

TEST(ButtonFace, ClassicRowsUnpressedFocusedAndPressed)
{
    struct Case {
        const char* what;
        bool pd, fs;
        std::vector<uint32_t> rows; // rows 0 to 28 of an inner column
    };
    const uint32_t tintC = Rgb(172, 172, 208), tintD = Rgb(120, 120, 172);
    const Case cases[] = {
        {"plain", false, false,
         {Grey(172), Grey(255), Grey(242), Grey(242), Grey(241), Grey(241), Grey(240), Grey(240), Grey(239),
          Grey(239), Grey(238), Grey(238), Grey(237), Grey(237), Grey(236), Grey(236), Grey(236), Grey(235),
          Grey(235), Grey(234), Grey(234), Grey(233), Grey(233), Grey(232), Grey(232), Grey(231), Grey(231),
          Grey(120), Grey(216)}},
        {"focused", false, true,
         {tintC, Grey(255), Grey(254), Grey(254), Grey(253), Grey(253), Grey(252), Grey(252), Grey(251), Grey(251),
          Grey(250), Grey(250), Grey(249), Grey(249), Grey(248), Grey(248), Grey(248), Grey(247), Grey(247),
          Grey(246), Grey(246), Grey(245), Grey(245), Grey(244), Grey(244), Grey(243), Grey(243), tintD,
          Grey(216)}},
        // Pressed: the gradient runs over rows 2 to 27 and the tinted dark line is the last visible row.
        {"pressed", true, false,
         {tintC, Grey(224), Grey(254), Grey(254), Grey(253), Grey(253), Grey(252), Grey(252), Grey(251), Grey(251),
          Grey(250), Grey(250), Grey(250), Grey(249), Grey(249), Grey(248), Grey(248), Grey(247), Grey(247),
          Grey(247), Grey(246), Grey(246), Grey(245), Grey(245), Grey(244), Grey(244), Grey(243), Grey(243),
          tintD}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        const MemorySurface s = ClassicFace(79, 29, k.pd, k.fs);
        for (int32_t y = 0; y < 29; ++y)
            EXPECT_EQ(s.Pixel(40, y), k.rows[static_cast<size_t>(y)]) << "row " << y;
    }
}

TEST(ButtonFace, ClassicEdgesAndCorners)
{
    const MemorySurface plain = ClassicFace(79, 29, false, false);
    struct Pixel {
        int32_t x, y;
        uint32_t colour;
    };
    const Pixel pixels[] = {
        {0, 0, Grey(172)}, {0, 27, Grey(172)}, {0, 28, Grey(240)},  // left line, corner in the face colour
        {1, 1, Grey(255)}, {1, 25, Grey(255)}, {1, 26, Grey(231)},  // light inner left column to row 25
        {77, 1, Grey(120)}, {77, 27, Grey(120)},                     // very dark line inside the right edge
        {78, 0, Grey(240)}, {78, 1, Grey(216)}, {78, 28, Grey(216)}, // lighter line outside it
        {76, 1, Grey(240)},
    };
    for (const Pixel& p : pixels)
        EXPECT_EQ(plain.Pixel(p.x, p.y), p.colour) << p.x << "," << p.y;

    const MemorySurface focused = ClassicFace(79, 29, false, true);
    EXPECT_EQ(focused.Pixel(0, 10), Rgb(172, 172, 208)) << "left column tinted";
    EXPECT_EQ(focused.Pixel(77, 10), Rgb(120, 120, 172)) << "right dark line tinted";
    const MemorySurface pressed = ClassicFace(79, 29, true, false);
    EXPECT_EQ(pressed.Pixel(1, 10), Grey(224)) << "column 1 of a pressed button";
    EXPECT_EQ(pressed.Pixel(78, 10), Rgb(120, 120, 172)) << "the last visible column";
}

TEST(ButtonFace, TooSmallClassicFaceIsOneFlatRectangle)
{
    for (auto [w, h] : {std::pair{3, 29}, {40, 3}}) {
        MemorySurface s(w + 2, h + 2);
        ui::TCanvas c;
        c.Attach(&s);
        PaintClassicFace(c, ui::TRect{1, 1, 1 + w, 1 + h}, 0x123456, false, true, true);
        for (int32_t y = 0; y < h + 2; ++y)
            for (int32_t x = 0; x < w + 2; ++x) {
                const bool inside = x >= 1 && x <= w && y >= 1 && y <= h;
                ASSERT_EQ(s.Pixel(x, y), inside ? 0x123456u : 0u) << w << "x" << h << " at " << x << "," << y;
            }
    }
}

TEST(ButtonFace, FlatFaceValues)
{
    struct Case {
        bool pd, fs;
        uint32_t fill, shadow, highlight, topLeft, bottomRight;
    };
    const Case cases[] = {
        {false, false, 240, 200, 255, 192, 112},
        {false, true, 252, 200, 255, 192, 112},
        {true, false, 252, 255, 216, 192, 176},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "pd " << k.pd << " fs " << k.fs);
        MemorySurface s(20, 12);
        ui::TCanvas c;
        c.Attach(&s);
        PaintXPFace(c, ui::TRect{0, 0, 20, 12}, ui::clBtnFace, k.pd, k.fs);
        const struct {
            int32_t x, y;
            uint32_t v;
        } pixels[] = {
            {10, 6, k.fill}, {0, 0, k.fill}, {19, 0, k.fill},
            {18, 6, k.shadow}, {10, 10, k.shadow}, {18, 2, k.shadow},
            {1, 6, k.highlight}, {10, 1, k.highlight}, {1, 9, k.highlight},
            {0, 6, k.topLeft}, {10, 0, k.topLeft}, {0, 10, k.topLeft}, {17, 0, k.topLeft},
            {19, 6, k.bottomRight}, {10, 11, k.bottomRight}, {19, 10, k.bottomRight},
            {0, 1, 204}, {1, 1, 204}, {1, 0, 204}, {19, 1, 204}, {18, 1, 204}, {18, 0, 204}, {0, 11, 204},
            {19, 11, 204},
        };
        for (const auto& p : pixels)
            EXPECT_EQ(s.Pixel(p.x, p.y), Grey(p.v)) << p.x << "," << p.y;
    }
}

TEST(ButtonHelpers, LightenDarkenAndRamp)
{
    EXPECT_EQ(ColorLighten(0x10F0FF, 16), 0x20FFFFu);
    EXPECT_EQ(ColorLighten(0xAB000000, 0), 0u) << "top byte dropped";
    EXPECT_EQ(ColorDarken(0x10F005, 16), 0x00E000u);
    struct Case {
        double lo, hi, x, vLo, vHi, expected;
    };
    const Case cases[] = {
        {2, 26, 14, 0, 11, 5.5}, {2, 26, 0, 0, 11, 0}, {2, 26, 30, 0, 11, 11},
        {26, 2, 14, 0, 11, 5.5}, {26, 2, 2, 0, 11, 0}, // bounds swapped, values not
        {5, 5, 5, 1, 9, 1},      {5, 5, 6, 1, 9, 9},
    };
    for (const Case& k : cases)
        EXPECT_DOUBLE_EQ(LinearRamp(k.lo, k.hi, k.x, k.vLo, k.vHi), k.expected) << k.lo << " " << k.hi << " " << k.x;
}

TEST(StockGlyphs, DiscsOnWhiteWithTheirMarks)
{
    struct Case {
        const char* name;
        const GlyphTable* table;
        bool markIsWhite;
    };
    const Case cases[] = {{"ok", &StockGlyphOk, true}, {"cancel", &StockGlyphCancel, true},
                          {"help", &StockGlyphHelp, false}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const GlyphTable& t = *k.table;
        auto at = [&t](int x, int y) { return t[static_cast<size_t>(x + 16 * y)]; };
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(at(i, 0), 0xFFFFFFu);
            EXPECT_EQ(at(0, i), 0xFFFFFFu);
            EXPECT_EQ(at(i, 15), 0xFFFFFFu);
            EXPECT_EQ(at(15, i), 0xFFFFFFu);
        }
        for (auto [x, y] : {std::pair{1, 7}, {14, 8}, {7, 1}, {8, 14}})
            EXPECT_NE(at(x, y), 0xFFFFFFu) << "disc reaches " << x << "," << y;
        int whiteInside = 0;
        for (int y = 3; y <= 12; ++y)
            for (int x = 3; x <= 12; ++x)
                whiteInside += at(x, y) == 0xFFFFFF;
        EXPECT_EQ(whiteInside > 0, k.markIsWhite);
        // Lighter at the top than at the bottom right.
        auto sum = [](uint32_t c) { return (c & 0xFF) + (c >> 8 & 0xFF) + (c >> 16 & 0xFF); };
        EXPECT_GT(sum(at(7, 2)), sum(at(11, 12)));
    }
}

// A 16 x 16 picture: blue with a white bottom-left pixel (the transparent colour).
ui::TBitmap BlueGlyph()
{
    ui::TBitmap b;
    b.SetSize(16, 16);
    b.Canvas().Brush.Color = 0xFF0000;
    b.Canvas().FillRect(ui::TRect{0, 0, 16, 16});
    b.Canvas().SetPixel(0, 15, 0xFFFFFF);
    return b;
}

struct Button {
    ui::TForm form{nullptr};
    TXMButton* b;
    Button(int32_t w, int32_t h, const char16_t* caption)
    {
        b = new TXMButton(&form);
        b->SetParent(&form);
        b->SetBounds(0, 0, w, h);
        b->SetCaption(caption);
    }
    MemorySurface Draw(uint32_t state) const
    {
        MemorySurface s(b->Width(), b->Height());
        b->DrawButton(ui::TDrawItem{state, &s});
        return s;
    }
};

TEST(ButtonGlyph, HelpGlyphAndCaptionPlacement)
{
    Button help(79, 29, u"Help");
    help.b->SetBitmapKind(TBitmapKind::bkHelp);
    struct Case {
        uint32_t state;
        int32_t gx, gy;
        DrawnText caption;
    };
    const Case cases[] = {
        {0, 7, 6, {36, 8, u"Help"}},                          // rectangle (21, 3)-(76, 26)
        {ui::item_state::kSelected, 8, 7, {37, 9, u"Help"}},  // (22, 4)-(77, 27)
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.state);
        const MemorySurface s = help.Draw(k.state);
        const MemorySurface face = ClassicFace(79, 29, k.state != 0, false);
        for (int32_t y = 0; y < 16; ++y)
            for (int32_t x = 0; x < 16; ++x) {
                const uint32_t g = StockGlyphHelp[static_cast<size_t>(x + 16 * y)];
                const uint32_t want = g == 0xFFFFFF ? face.Pixel(k.gx + x, k.gy + y) : g;
                ASSERT_EQ(s.Pixel(k.gx + x, k.gy + y), want) << "glyph pixel " << x << "," << y;
            }
        EXPECT_EQ(s.Texts(), (std::vector<DrawnText>{k.caption}));
    }
}

TEST(ButtonGlyph, CaptionlessGlyphIsCentredAndOffXIgnored)
{
    struct Case {
        int32_t offX, offY, gx, gy;
    };
    const Case cases[] = {{0, 0, 13, 4}, {5, 0, 13, 4}, {0, 5, 13, 9}};
    for (const Case& k : cases) {
        Button dir(43, 24, u"");
        const ui::TBitmap glyph = BlueGlyph();
        dir.b->SetBitmap(&glyph);
        dir.b->SetOffX(k.offX);
        dir.b->SetOffY(k.offY);
        const MemorySurface s = dir.Draw(0);
        SCOPED_TRACE(testing::Message() << "offsets " << k.offX << "," << k.offY);
        EXPECT_EQ(s.Pixel(k.gx, k.gy), 0xFF0000u);
        EXPECT_EQ(s.Pixel(k.gx + 15, k.gy + 10), 0xFF0000u);
        EXPECT_NE(s.Pixel(k.gx - 1, k.gy), 0xFF0000u);
        EXPECT_NE(s.Pixel(k.gx + 16, k.gy), 0xFF0000u);
        EXPECT_NE(s.Pixel(k.gx, k.gy - 1), 0xFF0000u);
    }
}

TEST(ButtonGlyph, DisabledLookGreysGlyphAndCaption)
{
    ui::TBitmap glyph;
    glyph.SetSize(4, 4);
    glyph.Canvas().Brush.Color = 0xFFFFFF;
    glyph.Canvas().FillRect(ui::TRect{0, 0, 4, 4}); // key: the top-left colour
    glyph.Canvas().SetPixel(1, 1, 0x000000);
    glyph.Canvas().SetPixel(2, 1, 0x0000FF);
    ui::TBitmap greyed;
    MakeGreyedGlyph(glyph, Grey(240), greyed);
    EXPECT_EQ(greyed.Pixel(1, 1), Grey(180));
    EXPECT_EQ(greyed.Pixel(2, 1), Rgb(243, 180, 180));
    EXPECT_EQ(greyed.Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(greyed.Pixel(3, 3), 0xFFFFFFu);
    EXPECT_TRUE(greyed.Transparent());

    Button help(79, 29, u"Help");
    help.b->SetBitmap(&glyph);
    EXPECT_TRUE(help.b->DisabledGlyph().Empty()) << "built on demand only";
    const MemorySurface s = help.Draw(ui::item_state::kDisabled);
    // The 4 x 4 glyph sits at ((29 - 4) / 2 + 1, (29 - 4) / 2) = (13, 12).
    EXPECT_EQ(s.Pixel(14, 13), Grey(180));
    EXPECT_EQ(s.Pixel(15, 13), Rgb(243, 180, 180));
    EXPECT_FALSE(help.b->DisabledGlyph().Empty());
    // Caption rectangle (9, 3)-(76, 26): "Help" at (9 + 21, 8), its mark in the button shadow colour.
    ASSERT_EQ(s.Texts(), (std::vector<DrawnText>{{30, 8, u"Help"}}));
    EXPECT_EQ(s.Pixel(30, 20), 0xA0A0A0u);

    // A new glyph rebuilds the greyed copy that exists.
    ui::TBitmap other = glyph;
    other.Canvas().SetPixel(1, 1, 0xFFFFFF);
    help.b->SetBitmap(&other);
    EXPECT_EQ(help.b->DisabledGlyph().Pixel(1, 1), 0xFFFFFFu);

    // Enabled: the glyph's own colours and the font colour.
    const MemorySurface e = help.Draw(0);
    EXPECT_EQ(e.Pixel(15, 13), 0x0000FFu);
    EXPECT_EQ(e.Pixel(30, 20), 0x000000u);
}

TEST(ButtonGlyph, BitmapAssignmentSwitchesKind)
{
    const ui::TBitmap glyph = BlueGlyph();
    struct Case {
        const char* what;
        TBitmapKind before;
        bool givePicture;
        TBitmapKind after;
    };
    const Case cases[] = {
        {"picture on none", TBitmapKind::bkNone, true, TBitmapKind::bkCustom},
        {"none on custom", TBitmapKind::bkCustom, false, TBitmapKind::bkNone},
        {"picture on ok", TBitmapKind::bkOk, true, TBitmapKind::bkOk},
        {"none on none", TBitmapKind::bkNone, false, TBitmapKind::bkNone},
        {"none on help", TBitmapKind::bkHelp, false, TBitmapKind::bkHelp},
    };
    for (const Case& k : cases) {
        Button b(43, 24, u"");
        b.b->SetBitmapKind(k.before);
        b.b->SetBitmap(k.givePicture ? &glyph : nullptr);
        EXPECT_EQ(b.b->BitmapKind(), k.after) << k.what;
        EXPECT_EQ(b.b->Bitmap().Empty(), !k.givePicture) << k.what;
    }
    // bkOk shows the assigned picture until the kind changes: the stock glyph is
    // loaded only on a change of kind.
    Button ok(43, 24, u"");
    ok.b->SetBitmapKind(TBitmapKind::bkOk);
    ok.Draw(0);
    EXPECT_EQ(ok.b->Bitmap().Pixel(7, 7), StockGlyphOk[7 + 16 * 7]);
    ok.b->SetBitmap(&glyph);
    const MemorySurface s = ok.Draw(0);
    EXPECT_EQ(s.Pixel(13 + 7, 4 + 7), 0xFF0000u) << "the assigned picture";
    ok.b->SetBitmapKind(TBitmapKind::bkCancel);
    ok.Draw(0);
    EXPECT_EQ(ok.b->Bitmap().Pixel(7, 3), StockGlyphCancel[7 + 16 * 3]);
    EXPECT_EQ(ok.b->Bitmap().PixelBits(), 24);
}

TEST(ButtonState, FocusBitAndDefaultNotification)
{
    Button b(82, 29, u"Start");
    b.Draw(ui::item_state::kFocus);
    EXPECT_TRUE(b.b->HasFocus());
    const MemorySurface focused = b.Draw(ui::item_state::kFocus);
    EXPECT_EQ(focused.Pixel(0, 10), Rgb(172, 172, 208));
    b.b->SetHideFocus(true);
    const MemorySurface hidden = b.Draw(ui::item_state::kFocus);
    EXPECT_EQ(hidden.Pixel(0, 10), Grey(172)) << "HideFocus: focus never changes the face";
    b.Draw(0);
    EXPECT_FALSE(b.b->HasFocus());
    // The default-button notification sets the flag and repaints; that draw
    // request then reports the real focus (headless: the form's active control).
    TXMButton alone(nullptr);
    alone.SetButtonStyle(true);
    EXPECT_TRUE(alone.HasFocus()) << "no window: nothing repaints";
    b.b->SetButtonStyle(true);
    EXPECT_FALSE(b.b->HasFocus());
    b.b->SetFocus();
    b.b->SetButtonStyle(false);
    EXPECT_TRUE(b.b->HasFocus());
    // Down paints the button pressed without a press.
    b.b->SetDown(true);
    const MemorySurface down = b.Draw(0);
    EXPECT_EQ(down.Pixel(40, 1), Grey(224));
    EXPECT_TRUE(b.b->Style().ownerDraw);
    EXPECT_EQ(b.b->Perform(ui::msg::kGetDlgCode, 0, 0), 0);
}

} // namespace
} // namespace kv
