// TMyGauge on a form of this process: painted on the form's window, and
// repainted by its setters at once, before any message is processed.
#include <gtest/gtest.h>

#include "ui/win32/WindowsApi.h"

#include "PixelReadback.h"
#include "PluginLibrary.h"
#include "controls/FCGauge.h"
#include "ui/Form.h"

namespace kv {
namespace {

TEST(WindowlessGauge, PaintsOnTheFormAndRepaintsAtOnce)
{
    ui::TForm form(nullptr);
    form.SetClientSize(200, 60);
    auto* gauge = new TMyGauge(&form);
    gauge->SetParent(&form);
    gauge->SetBounds(10, 20, 102, 22); // fill columns 1 to 100
    gauge->SetMaxValue(100);
    gauge->SetShowText(false);
    form.Show();
    HWND hwnd = static_cast<HWND>(form.Handle());
    ::UpdateWindow(hwnd);
    test::PumpMessages();

    const uint32_t filled = 0x28D008, unfilled = 0xCCCCCC; // middle row, default colours
    test::ClientPixels before = test::ReadClient(hwnd);
    EXPECT_EQ(before.At(10 + 50, 20 + 11), unfilled);
    EXPECT_EQ(before.At(9, 31), ::GetSysColor(COLOR_BTNFACE)) << "the form's own background beside it";

    // No message is processed between the setter and the read-back.
    gauge->SetProgress(50);
    const test::ClientPixels half = test::ReadClient(hwnd);
    EXPECT_EQ(half.At(10 + 50, 20 + 11), filled);
    EXPECT_EQ(half.At(10 + 51, 20 + 11), unfilled);
    gauge->SetProgress(100);
    EXPECT_EQ(test::ReadClient(hwnd).At(10 + 100, 20 + 11), filled);

    // A repaint of the form's window (as after being covered) paints the gauge again.
    ::InvalidateRect(hwnd, nullptr, TRUE);
    ::UpdateWindow(hwnd);
    EXPECT_EQ(test::ReadClient(hwnd).At(10 + 100, 20 + 11), filled);
}

} // namespace
} // namespace kv
