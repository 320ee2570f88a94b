// TMyChkBox and TMyRadButton in real windows: a double click toggles twice,
// Space toggles the focused box, with a loop that never calls IsDialogMessage.
#include <gtest/gtest.h>

#include "ui/win32/WindowsApi.h"

#include "PluginLibrary.h"
#include "controls/FCCheckControls.h"
#include "ui/Form.h"

namespace kv {
namespace {

HWND Hwnd(ui::TWinControl* c)
{
    return static_cast<HWND>(c->Handle());
}

TEST(OwnerDrawnCheckBox, DoubleClickTogglesTwiceAndSpaceToggles)
{
    ui::TForm form(nullptr);
    form.SetClientSize(200, 80);
    auto* box = new TMyChkBox(&form);
    box->SetParent(&form);
    box->SetBounds(10, 10, 100, 17);
    box->SetCaption(u"Box");
    int clicks = 0, keys = 0;
    box->OnClick = [&](ui::TObject*) { ++clicks; };
    box->OnKeyPress = [&](ui::TObject*, char16_t&) { ++keys; };
    form.Show();
    test::PumpMessages();

    const LPARAM inside = MAKELPARAM(5, 8);
    ::SendMessageW(Hwnd(box), WM_LBUTTONDOWN, MK_LBUTTON, inside);
    ::SendMessageW(Hwnd(box), WM_LBUTTONUP, 0, inside);
    ::SendMessageW(Hwnd(box), WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
    ::SendMessageW(Hwnd(box), WM_LBUTTONUP, 0, inside);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(box->Checked()) << "toggled twice";
    EXPECT_EQ(::GetFocus(), Hwnd(box)) << "a click takes the focus";

    ::PostMessageW(Hwnd(box), WM_KEYDOWN, VK_SPACE, 1);
    ::PostMessageW(Hwnd(box), WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0000001u));
    test::PumpMessages();
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(keys, 1);

    // A press released outside the box is no click.
    ::SendMessageW(Hwnd(box), WM_LBUTTONDOWN, MK_LBUTTON, inside);
    ::SendMessageW(Hwnd(box), WM_LBUTTONUP, 0, MAKELPARAM(150, 8));
    EXPECT_EQ(clicks, 3);
}

TEST(OwnerDrawnRadioButton, ClickChecksAndUnchecksTheGroup)
{
    ui::TForm form(nullptr);
    form.SetClientSize(200, 80);
    TMyRadButton* radio[2];
    for (int i = 0; i < 2; ++i) {
        radio[i] = new TMyRadButton(&form);
        radio[i]->SetParent(&form);
        radio[i]->SetBounds(10, 10 + 20 * i, 100, 17);
    }
    form.Show();
    test::PumpMessages();
    radio[0]->SetChecked(true);
    const LPARAM inside = MAKELPARAM(5, 8);
    ::SendMessageW(Hwnd(radio[1]), WM_LBUTTONDOWN, MK_LBUTTON, inside);
    ::SendMessageW(Hwnd(radio[1]), WM_LBUTTONUP, 0, inside);
    EXPECT_FALSE(radio[0]->Checked());
    EXPECT_TRUE(radio[1]->Checked());
}

} // namespace
} // namespace kv
