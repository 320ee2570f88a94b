// The GDI canvas: a TBitmap's pixels, and a custom control painting its
// window through Paint.
#include <gtest/gtest.h>

#include <windows.h>

#include "PluginLibrary.h"
#include "ui/CustomControl.h"
#include "ui/Form.h"
#include "ui/SysColors.h"

namespace kv::ui {
namespace {

TEST(GdiBitmap, DrawsAndReadsBackPixels)
{
    TBitmap bmp;
    bmp.SetSize(8, 6);
    ASSERT_EQ(bmp.Width(), 8);
    TCanvas& c = bmp.Canvas();
    c.Brush.Color = 0x00FF00;
    c.FillRect(TRect{0, 0, 8, 6});
    c.Brush.Color = 0x0000FF;
    c.FillRect(TRect{2, 2, 4, 4});
    EXPECT_EQ(c.Pixel(2, 2), 0x0000FFu);
    EXPECT_EQ(c.Pixel(3, 3), 0x0000FFu);
    EXPECT_EQ(c.Pixel(4, 3), 0x00FF00u) << "right edge excluded";
    EXPECT_EQ(c.Pixel(3, 4), 0x00FF00u) << "bottom edge excluded";

    c.Pen.Color = 0xFF0000;
    c.MoveTo(0, 5);
    c.LineTo(5, 5);
    EXPECT_EQ(c.Pixel(0, 5), 0xFF0000u);
    EXPECT_EQ(c.Pixel(4, 5), 0xFF0000u);
    EXPECT_EQ(c.Pixel(5, 5), 0x00FF00u) << "end point not drawn";

    c.SetPixel(7, 0, clBtnFace);
    EXPECT_EQ(c.Pixel(7, 0), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_GT(c.TextWidth(u"Start"), c.TextWidth(u"St"));
    EXPECT_GT(c.TextHeight(u"Start"), 0);
}

class Striped : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int paints = 0;

protected:
    void Paint() override
    {
        ++paints;
        Canvas().Brush.Color = 0x0000FF;
        Canvas().FillRect(TRect{0, 0, Width() / 2, Height()});
        Canvas().Brush.Color = 0xFF0000;
        Canvas().FillRect(TRect{Width() / 2, 0, Width(), Height()});
    }
};

TEST(GdiCustomControl, PaintsItsWindow)
{
    TForm form(nullptr);
    form.SetClientSize(100, 60);
    auto* c = new Striped(&form);
    c->SetParent(&form);
    c->SetBounds(10, 10, 40, 20);
    form.Show();
    c->Invalidate();
    ::UpdateWindow(static_cast<HWND>(c->Handle()));
    kv::test::PumpMessages();
    EXPECT_GE(c->paints, 1);
    HWND hwnd = static_cast<HWND>(c->Handle());
    HDC dc = ::GetDC(hwnd);
    EXPECT_EQ(::GetPixel(dc, 5, 5), 0x0000FFu);
    EXPECT_EQ(::GetPixel(dc, 30, 5), 0xFF0000u);
    ::ReleaseDC(hwnd, dc);
}

} // namespace
} // namespace kv::ui
