// TXMButton on a form of this process, driven through window messages with
// a loop that never calls IsDialogMessage: clicks, double clicks, Enter and
// Space, the measure request.
#include <gtest/gtest.h>

#include "ui/win32/WindowsApi.h"

#include "PluginLibrary.h"
#include "controls/FCButton.h"
#include "ui/Edit.h"
#include "ui/Form.h"

namespace kv {
namespace {

struct TwoButtons {
    ui::TForm form{nullptr};
    TXMButton* first;
    TXMButton* second;
    ui::TEdit* edit;
    int firstClicks = 0, secondClicks = 0;

    TwoButtons()
    {
        form.SetClientSize(200, 100);
        first = Add(u"First", 10, 0, &firstClicks);
        second = Add(u"Second", 100, 1, &secondClicks);
        edit = new ui::TEdit(&form);
        edit->SetParent(&form);
        edit->SetBounds(10, 50, 100, 21);
        edit->SetTabStop(true);
        edit->SetTabOrder(2);
        form.Show();
        test::PumpMessages();
    }
    TXMButton* Add(const char16_t* caption, int32_t left, int32_t order, int* counter)
    {
        auto* b = new TXMButton(&form);
        b->SetParent(&form);
        b->SetBounds(left, 10, 80, 29);
        b->SetCaption(caption);
        b->SetTabOrder(order);
        b->OnClick = [counter](ui::TObject*) { ++*counter; };
        return b;
    }
    static HWND Hwnd(ui::TWinControl* c) { return static_cast<HWND>(c->Handle()); }
};

void Key(HWND target, WPARAM key, UINT down = WM_KEYDOWN, UINT up = WM_KEYUP)
{
    ::PostMessageW(target, down, key, 1);
    ::PostMessageW(target, up, key, static_cast<LPARAM>(0xC0000001u));
    test::PumpMessages();
}

TEST(OwnerDrawnButton, DoubleClickGivesTwoClicks)
{
    TwoButtons t;
    HWND b = TwoButtons::Hwnd(t.first);
    const LPARAM inside = MAKELPARAM(20, 10);
    ::SendMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    ::SendMessageW(b, WM_LBUTTONUP, 0, inside);
    EXPECT_EQ(t.firstClicks, 1);
    ::SendMessageW(b, WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
    ::SendMessageW(b, WM_LBUTTONUP, 0, inside);
    test::PumpMessages();
    EXPECT_EQ(t.firstClicks, 2) << "the double click is a second click";
    EXPECT_EQ(t.secondClicks, 0);
}

TEST(OwnerDrawnButton, EnterAndSpacePressTheFocusedButton)
{
    TwoButtons t;
    t.second->SetFocus();
    test::PumpMessages();
    ASSERT_EQ(::GetFocus(), TwoButtons::Hwnd(t.second));
    Key(::GetFocus(), VK_RETURN);
    EXPECT_EQ(t.secondClicks, 1) << "Enter";
    Key(::GetFocus(), VK_SPACE);
    EXPECT_EQ(t.secondClicks, 2) << "Space";
    EXPECT_EQ(t.firstClicks, 0);

    // Enter in the edit box presses nothing: no button is the default there.
    t.edit->SetFocus();
    test::PumpMessages();
    Key(::GetFocus(), VK_RETURN);
    EXPECT_EQ(t.firstClicks + t.secondClicks, 2);

    // Tab goes on through the tab order and round.
    Key(::GetFocus(), VK_TAB);
    EXPECT_EQ(::GetFocus(), TwoButtons::Hwnd(t.first));
    Key(::GetFocus(), VK_RETURN);
    EXPECT_EQ(t.firstClicks, 1);
}

TEST(OwnerDrawnButton, MeasureRequestGivesTheButtonSize)
{
    TwoButtons t;
    MEASUREITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(::GetDlgCtrlID(TwoButtons::Hwnd(t.second)));
    EXPECT_EQ(::SendMessageW(TwoButtons::Hwnd(&t.form), WM_MEASUREITEM, item.CtlID, reinterpret_cast<LPARAM>(&item)),
              TRUE);
    EXPECT_EQ(item.itemWidth, 80u);
    EXPECT_EQ(item.itemHeight, 29u);
}

} // namespace
} // namespace kv
