// The headless backend: painting into the pixel buffer, posted work, and
// controls whose state lives in the objects.
#include <gtest/gtest.h>

#include <vector>

#include "ui/Button.h"
#include "ui/CustomControl.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/RadioGroup.h"
#include "ui/SysColors.h"
#include "ui/headless/MemorySurface.h"
#include "ui/headless/PostedWork.h"

namespace kv::ui {
namespace {

using headless::MemorySurface;

TEST(MemorySurface, LineCoversStartButNotEnd)
{
    const struct {
        int x0, y0, x1, y1;
        std::vector<std::pair<int, int>> on, off;
    } cases[] = {
        {1, 1, 5, 1, {{1, 1}, {4, 1}}, {{5, 1}, {0, 1}}},
        {2, 5, 2, 1, {{2, 5}, {2, 2}}, {{2, 1}, {2, 6}}},
        {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}, {{3, 3}}},
        {3, 3, 3, 3, {}, {{3, 3}}},
    };
    for (const auto& c : cases) {
        MemorySurface s(8, 8);
        s.Line(c.x0, c.y0, c.x1, c.y1, 0x123456);
        for (auto [x, y] : c.on)
            EXPECT_EQ(s.Pixel(x, y), 0x123456u) << x << "," << y;
        for (auto [x, y] : c.off)
            EXPECT_EQ(s.Pixel(x, y), 0u) << x << "," << y;
    }
}

TEST(MemorySurface, FillRectExcludesRightAndBottomAndClips)
{
    MemorySurface s(6, 4);
    s.FillRect(TRect{1, 1, 3, 3}, 0xFF0000);
    int filled = 0;
    for (uint32_t p : s.Pixels())
        filled += p == 0xFF0000;
    EXPECT_EQ(filled, 4);
    EXPECT_EQ(s.Pixel(2, 2), 0xFF0000u);
    EXPECT_EQ(s.Pixel(3, 2), 0u);
    EXPECT_EQ(s.Pixel(2, 3), 0u);
    s.FillRect(TRect{-5, -5, 100, 100}, 0x00FF00); // no write outside the buffer (ASan)
    EXPECT_EQ(s.Pixel(5, 3), 0x00FF00u);
    EXPECT_EQ(s.Pixel(6, 3), 0u);
}

class Painted : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int paints = 0;
    TSize measured;

protected:
    void Paint() override
    {
        ++paints;
        TCustomControl::Paint();
        Canvas().Pen.Color = clWindowText;
        Canvas().MoveTo(0, 0);
        Canvas().LineTo(Width(), 0);
        measured = {Canvas().TextWidth(u"abc"), Canvas().TextHeight(u"abc")};
    }
};

TEST(CustomControl, InvalidatePaintsWithSystemColoursResolved)
{
    TForm form(nullptr);
    auto* c = new Painted(&form);
    c->SetParent(&form);
    c->SetBounds(0, 0, 10, 4);
    c->Invalidate();
    EXPECT_EQ(c->paints, 1);
    EXPECT_EQ(c->measured.cx, 3 * (11 / 2 + 1));
    EXPECT_EQ(c->measured.cy, 13);
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xF0F0F0u);
    EXPECT_EQ(ColorToRGB(0x80123456u | 0), SysColor(0x56));
    EXPECT_EQ(ColorToRGB(0x00ABCDEF), 0xABCDEFu);
}

TEST(Bitmap, CanvasDrawsIntoItsPixels)
{
    TBitmap bmp;
    bmp.SetSize(4, 3);
    EXPECT_EQ(bmp.Width(), 4);
    bmp.Canvas().Brush.Color = 0x0000FF;
    bmp.Canvas().FillRect(TRect{0, 0, 4, 3});
    bmp.Canvas().SetPixel(1, 1, clBtnFace);
    EXPECT_EQ(bmp.Canvas().Pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(bmp.Canvas().Pixel(1, 1), 0xF0F0F0u);
}

TEST(PostedWork, RunsInOrderAtNextProcessingAndCanBeCancelled)
{
    std::vector<int> ran;
    int a = 0, b = 0;
    headless::Post(&a, [&] { ran.push_back(1); });
    headless::Post(&b, [&] { ran.push_back(2); });
    headless::Post(&a, [&] { ran.push_back(3); });
    headless::CancelPosted(&b);
    EXPECT_TRUE(ran.empty());
    headless::RunPosted();
    EXPECT_EQ(ran, (std::vector<int>{1, 3}));
    headless::RunPosted();
    EXPECT_EQ(ran.size(), 2u);
}

TEST(PostedWork, ReleasedFormIsGoneAfterProcessing)
{
    bool destroyed = false;
    struct Watched : TForm {
        bool* flag;
        Watched(bool* f) : TForm(nullptr), flag(f) {}
        ~Watched() override { *flag = true; }
    };
    auto* form = new Watched(&destroyed);
    form->Release();
    EXPECT_FALSE(destroyed);
    headless::RunPosted();
    EXPECT_TRUE(destroyed);
}

TEST(RadioButtons, CheckingOneUnchecksItsSiblings)
{
    TForm form(nullptr);
    TRadioButton* r[3];
    for (auto*& b : r) {
        b = new TRadioButton(&form);
        b->SetParent(&form);
    }
    auto* box = new TCheckBox(&form);
    box->SetParent(&form);
    box->SetChecked(true);
    r[0]->SetChecked(true);
    r[2]->UserClick();
    EXPECT_FALSE(r[0]->Checked());
    EXPECT_FALSE(r[1]->Checked());
    EXPECT_TRUE(r[2]->Checked());
    EXPECT_TRUE(box->Checked()) << "a check box is no radio sibling";
}

TEST(RadioGroup, ItemsMakeButtonsAndItemIndexSelectsOne)
{
    TForm form(nullptr);
    auto* group = new TRadioGroup(&form);
    group->SetParent(&form);
    group->SetBounds(0, 0, 100, 80);
    group->Items().Assign({u"One", u"Two", u"Three"});
    ASSERT_EQ(group->ButtonCount(), 3);
    EXPECT_EQ(group->Buttons(1)->Text(), u"Two");
    EXPECT_EQ(group->ItemIndex(), -1);
    group->SetItemIndex(2);
    EXPECT_EQ(group->ItemIndex(), 2);
    group->Buttons(0)->UserClick();
    EXPECT_EQ(group->ItemIndex(), 0);
    group->Items().Add(u"Four");
    EXPECT_EQ(group->ButtonCount(), 4);
    EXPECT_EQ(group->ItemIndex(), 0) << "the selection survives a new item";
}

TEST(ItemsControls, ItemIndexStaysInRange)
{
    TForm form(nullptr);
    auto* list = new TListBox(&form);
    list->SetParent(&form);
    auto* combo = new TComboBox(&form);
    combo->SetParent(&form);
    for (TItemsControl* c : std::initializer_list<TItemsControl*>{list, combo}) {
        c->Items().Assign({u"a", u"b"});
        c->SetItemIndex(1);
        EXPECT_EQ(c->ItemIndex(), 1);
        c->SetItemIndex(2);
        EXPECT_EQ(c->ItemIndex(), -1);
        c->SetItemIndex(1);
        c->Items().Assign({u"only"});
        EXPECT_EQ(c->ItemIndex(), -1);
    }
    combo->Items().Assign({u"x", u"y"});
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), u"y");
}

} // namespace
} // namespace kv::ui
