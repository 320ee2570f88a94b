// The gauge painted on the memory canvas (button face 0xF0F0F0, Tahoma
// -11: text cells 6 pixels wide, 13 high), compared pixel for pixel.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/FCGauge.h"
#include "ui/Form.h"
#include "ui/headless/MemorySurface.h"

namespace kv {
namespace {

using ui::headless::DrawnText;
using ui::headless::MemorySurface;


MemorySurface Paint(TMyGauge& gauge)
{
    MemorySurface s(gauge.Width(), gauge.Height());
    gauge.PaintOn(s);
    return s;
}

// GauLog's shape and range.
std::unique_ptr<TMyGauge> LogGauge(int32_t progress)
{
    auto g = std::make_unique<TMyGauge>(nullptr);
    g->SetBounds(8, 50, 329, 22);
    g->SetMaxValue(100);
    g->SetProgress(progress);
    return g;
}

constexpr uint32_t kFilledMiddle = 0x28D008, kUnfilledMiddle = 0xCCCCCC;

TEST(GaugePaint, FillLengthFollowsProgress)
{
    struct Case {
        int32_t progress;
        int32_t lastFilled; // 0: none
        const char16_t* text;
        int32_t textX;
    };
    const Case cases[] = {
        {0, 0, u"0%", 160}, {1, 4, u"1%", 160}, {50, 164, u"50%", 157}, {100, 327, u"100%", 154},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.progress);
        auto g = LogGauge(c.progress);
        const MemorySurface s = Paint(*g);
        for (int32_t x = 1; x <= 327; ++x)
            ASSERT_EQ(s.Pixel(x, 11), x <= c.lastFilled ? kFilledMiddle : kUnfilledMiddle) << "column " << x;
        EXPECT_EQ(s.Texts(), (std::vector<DrawnText>{{c.textX, 4, c.text}}));
    }
}

TEST(GaugePaint, RowShadingOfFilledAndUnfilledParts)
{
    const uint32_t filled[][2] = {{11, 0x28D008}, {10, 0x99E98B}, {1, 0xAAFCA6}, {20, 0x38E123}};
    const uint32_t unfilled[][2] = {{11, 0xCCCCCC}, {1, 0xF3F3F3}, {2, 0xF5F5F5}, {10, 0xDEDEDE}, {20, 0xE9E9E9}};
    auto full = LogGauge(100);
    const MemorySurface f = Paint(*full);
    for (auto [row, colour] : filled) {
        EXPECT_EQ(f.Pixel(1, static_cast<int32_t>(row)), colour) << "filled row " << row;
        EXPECT_EQ(f.Pixel(327, static_cast<int32_t>(row)), colour) << "filled row " << row;
    }
    auto empty = LogGauge(0);
    const MemorySurface u = Paint(*empty);
    for (auto [row, colour] : unfilled) {
        EXPECT_EQ(u.Pixel(1, static_cast<int32_t>(row)), colour) << "unfilled row " << row;
        EXPECT_EQ(u.Pixel(327, static_cast<int32_t>(row)), colour) << "unfilled row " << row;
    }
}

TEST(GaugePaint, FrameOnButtonFace)
{
    auto g = LogGauge(50);
    const MemorySurface s = Paint(*g);
    const int32_t r = 328, b = 21;
    struct Pixel {
        int32_t x, y;
        uint32_t colour;
    };
    const Pixel pixels[] = {
        {0, 0, 0xDCDCDC}, {r, 0, 0xDCDCDC}, {0, b, 0xDCDCDC}, {r, b, 0xDCDCDC},
        {1, 0, 0xC4C4C4}, {0, 1, 0xC4C4C4}, {1, b, 0xC4C4C4}, {0, b - 1, 0xC4C4C4},
        {r, 1, 0xC4C4C4}, {r - 1, 0, 0xC4C4C4}, {r - 1, b, 0xC4C4C4}, {r, b - 1, 0xC4C4C4},
        {2, 0, 0xB0B0B0}, {r - 2, 0, 0xB0B0B0}, {164, 0, 0xB0B0B0},
        {0, 2, 0xA8A8A8}, {0, b - 2, 0xA8A8A8}, {r, 2, 0xA8A8A8}, {r, b - 2, 0xA8A8A8},
        {2, b, 0xA0A0A0}, {r - 2, b, 0xA0A0A0},
    };
    for (const Pixel& p : pixels)
        EXPECT_EQ(s.Pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST(GaugePaint, EveryPixelIsPaintedAndTextMarkIsCentred)
{
    // A background the gauge never paints shows any pixel it missed.
    auto g = LogGauge(50);
    g->SetShowText(false);
    MemorySurface s(329, 22);
    s.FillRect(ui::TRect{0, 0, 329, 22}, 0x010203);
    g->PaintOn(s);
    for (int32_t y = 0; y < 22; ++y)
        for (int32_t x = 0; x < 329; ++x)
            ASSERT_NE(s.Pixel(x, y), 0x010203u) << x << "," << y;
    EXPECT_TRUE(s.Texts().empty());

    // With text, "50%" is 18 wide and 13 high: the mark runs under it on row 4 + 12.
    g->SetShowText(true);
    const MemorySurface t = Paint(*g);
    const uint32_t windowText = 0x000000;
    EXPECT_EQ(t.Pixel(157, 16), windowText);
    EXPECT_EQ(t.Pixel(174, 16), windowText);
    EXPECT_NE(t.Pixel(156, 16), windowText);
    EXPECT_NE(t.Pixel(175, 16), windowText);
}

TEST(GaugePaint, PercentRoundsHalvesToEven)
{
    struct Case {
        int32_t progress;
        const char16_t* text;
    };
    const Case cases[] = {{1, u"12%"}, {3, u"38%"}, {5, u"62%"}, {8, u"100%"}, {0, u"0%"}};
    for (const Case& c : cases) {
        TMyGauge g(nullptr);
        g.SetMaxValue(8);
        g.SetProgress(c.progress);
        const MemorySurface s = Paint(g);
        ASSERT_EQ(s.Texts().size(), 1u);
        EXPECT_EQ(s.Texts()[0].text, c.text) << c.progress;
    }
}

TEST(GaugePaint, EmptyRangeShowsNoFillAndZeroPercent)
{
    TMyGauge g(nullptr);
    g.SetMaxValue(0); // equal to MinValue
    const MemorySurface s = Paint(g);
    EXPECT_EQ(s.Pixel(1, 10), kUnfilledMiddle);
    ASSERT_EQ(s.Texts().size(), 1u);
    EXPECT_EQ(s.Texts()[0].text, u"0%");
}

TEST(GaugePaint, FivePixelsHigh)
{
    TMyGauge g(nullptr);
    g.SetBounds(0, 0, 20, 5);
    g.SetMaxValue(100);
    g.SetProgress(50); // e = round(0.5 * 18 + 0.5) = 10 (9.5 to even)
    g.SetShowText(false);
    const MemorySurface s = Paint(g);
    // Rows 1 and 3 have s = 0.5; row 1 is the upper half, row 2 the middle,
    // row 3 both H - 2 and the last interior row.
    const uint32_t filled[] = {0xA2F399, 0x28D008, 0x32DB19};
    const uint32_t unfilled[] = {0xE9E9E9, 0xD0D0D0, 0xE1E1E1};
    for (int32_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(s.Pixel(10, i), filled[i - 1]) << "row " << i;
        EXPECT_EQ(s.Pixel(11, i), unfilled[i - 1]) << "row " << i;
    }
}

class CountingGauge : public TMyGauge {
public:
    using TMyGauge::TMyGauge;
    int paints = 0;

protected:
    void Paint() override
    {
        ++paints;
        TMyGauge::Paint();
    }
};

TEST(GaugeProperties, SettersClampDragAndRepaintOnlyOnChange)
{
    ui::TForm form(nullptr);
    auto* g = new CountingGauge(&form);
    g->SetParent(&form);
    EXPECT_EQ(g->Width(), 200);
    EXPECT_EQ(g->Height(), 20);
    EXPECT_TRUE(g->Opaque());
    EXPECT_EQ(g->MaxValue(), 1000);
    EXPECT_EQ(g->ForeColor(), 0x28D008u);
    g->SetMaxValue(100);
    g->paints = 0;

    struct Step {
        const char* what;
        std::function<void()> act;
        int32_t min, max, progress;
        bool repainted;
    };
    const Step steps[] = {
        {"progress 40", [&] { g->SetProgress(40); }, 0, 100, 40, true},
        {"progress 40 again", [&] { g->SetProgress(40); }, 0, 100, 40, false},
        {"progress 150", [&] { g->SetProgress(150); }, 0, 100, 100, true},
        {"progress 150 again", [&] { g->SetProgress(150); }, 0, 100, 100, false},
        {"progress -5", [&] { g->SetProgress(-5); }, 0, 100, 0, true},
        {"min 30 drags progress up", [&] { g->SetMinValue(30); }, 30, 100, 30, true},
        {"min 30 again", [&] { g->SetMinValue(30); }, 30, 100, 30, false},
        {"progress 90", [&] { g->SetProgress(90); }, 30, 100, 90, true},
        {"max 60 drags progress down", [&] { g->SetMaxValue(60); }, 30, 60, 60, true},
        {"max 80 leaves progress", [&] { g->SetMaxValue(80); }, 30, 80, 60, true},
        {"show text off", [&] { g->SetShowText(false); }, 30, 80, 60, true},
        {"show text off again", [&] { g->SetShowText(false); }, 30, 80, 60, false},
        {"fore colour", [&] { g->SetForeColor(0x0000FF); }, 30, 80, 60, true},
        {"fore colour again", [&] { g->SetForeColor(0x0000FF); }, 30, 80, 60, false},
        {"incr colour", [&] { g->SetForeIncrColor(0); }, 30, 80, 60, true},
        {"back colour", [&] { g->SetBackColor(ui::clBtnFace); }, 30, 80, 60, true},
        {"back colour again", [&] { g->SetBackColor(ui::clBtnFace); }, 30, 80, 60, false},
    };
    for (const Step& s : steps) {
        const int before = g->paints;
        s.act();
        EXPECT_EQ(g->MinValue(), s.min) << s.what;
        EXPECT_EQ(g->MaxValue(), s.max) << s.what;
        EXPECT_EQ(g->Progress(), s.progress) << s.what;
        EXPECT_EQ(g->paints - before, s.repainted ? 1 : 0) << s.what;
    }
}

} // namespace
} // namespace kv
