// The dialog as the headless framework holds it: window properties, every
// control of the layout, the log's opening lines, focus and closing.
#include <iterator>
#include <string>

#include "PluginFixture.h"
#include "ui/headless/MemorySurface.h"
#include "os/TempDirectory.h"
#include "support/ExpectedDialog.h"

namespace kv::test {
namespace {

using DialogLayout = PluginFixture;

using expected::Kind;

bool IsKind(ui::TComponent* c, Kind kind)
{
    switch (kind) {
    case Kind::Label: return dynamic_cast<ui::TLabel*>(c) != nullptr;
    case Kind::Edit: return dynamic_cast<ui::TEdit*>(c) != nullptr;
    case Kind::Button: return dynamic_cast<TXMButton*>(c) != nullptr;
    case Kind::Gauge: return dynamic_cast<TMyGauge*>(c) != nullptr;
    case Kind::Memo: return dynamic_cast<ui::TMemo*>(c) != nullptr;
    case Kind::CheckBox: return dynamic_cast<ui::TCheckBox*>(c) != nullptr;
    }
    return false;
}

TEST_F(DialogLayout, WindowProperties)
{
    Initialize();
    pi_activate(0, 0);
    ASSERT_NE(Form1, nullptr);
    EXPECT_EQ(Form1->Name(), u"Form1");
    EXPECT_EQ(Form1->Caption(), expected::kCaption);
    EXPECT_EQ(Form1->ClientWidth(), 346);
    EXPECT_EQ(Form1->ClientHeight(), 337);
    EXPECT_TRUE(Form1->StayOnTop());
    EXPECT_EQ(Form1->Position(), ui::TPosition::poScreenCenter);
    EXPECT_EQ(Form1->Color(), ui::clBtnFace);
    EXPECT_EQ(Form1->Font().Name, u"Tahoma");
    EXPECT_EQ(Form1->Font().Size(), 8);
    EXPECT_EQ(Form1->Font().Height, -11);
    EXPECT_EQ(Form1->Owner(), &ui::Application());
}

TEST_F(DialogLayout, EveryControlAsLaidOut)
{
    Initialize();
    pi_activate(0, 0);
    ASSERT_EQ(Form1->ComponentCount(), static_cast<int32_t>(std::size(expected::kLayout)));
    for (const expected::Control& c : expected::kLayout) {
        SCOPED_TRACE(expected::Ascii(c.name));
        auto* control = dynamic_cast<ui::TControl*>(Form1->FindComponent(c.name));
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(IsKind(control, c.kind));
        EXPECT_EQ(control->Parent(), Form1);
        EXPECT_EQ(control->BoundsRect(), ui::Bounds(c.left, c.top, c.width, c.height));
        if (c.text) {
            EXPECT_EQ(control->Text(), c.text);
        }
        EXPECT_EQ(control->Tag(), c.tag);
        EXPECT_EQ(control->Visible(), c.visible);
        EXPECT_EQ(control->Font().Name, u"Tahoma");
        auto* win = dynamic_cast<ui::TWinControl*>(control);
        if (c.kind == Kind::Gauge) {
            EXPECT_EQ(win, nullptr) << "the gauge paints on the dialog, without a window";
            continue;
        }
        ASSERT_NE(win, nullptr);
        EXPECT_EQ(win->TabStop(), c.tabOrder >= 0);
        if (c.tabOrder >= 0) {
            EXPECT_EQ(win->TabOrder(), c.tabOrder);
        }
        EXPECT_EQ(win->ControlId(), c.id);
    }
}

TEST_F(DialogLayout, OwnerDrawnGaugeAndButtons)
{
    Initialize();
    pi_activate(0, 0);
    EXPECT_EQ(Form1->GauLog->MinValue(), 0);
    EXPECT_EQ(Form1->GauLog->MaxValue(), 100);
    EXPECT_EQ(Form1->GauLog->Progress(), 0);
    EXPECT_TRUE(Form1->GauLog->ShowText());
    EXPECT_EQ(Form1->GauLog->Font(), Form1->Font()) << "the dialog's font";
    struct Case {
        TXMButton* button;
        TBitmapKind kind;
    };
    for (const Case& c : {Case{Form1->ButStart, TBitmapKind::bkNone}, Case{Form1->ButDir, TBitmapKind::bkNone},
                          Case{Form1->ButHelp, TBitmapKind::bkHelp}}) {
        SCOPED_TRACE(std::string(c.button->Name().begin(), c.button->Name().end()));
        EXPECT_TRUE(c.button->Style().ownerDraw);
        EXPECT_EQ(c.button->BitmapKind(), c.kind);
        EXPECT_FALSE(c.button->XPMode());
        EXPECT_FALSE(c.button->Down());
        EXPECT_FALSE(c.button->HideFocus());
        EXPECT_EQ(c.button->OffX(), 0);
        EXPECT_EQ(c.button->OffY(), 0);
        EXPECT_EQ(c.button->Color(), ui::clBtnFace);
    }
    // Help shows the built-in glyph from its first paint on.
    ui::headless::MemorySurface s(79, 29);
    Form1->ButHelp->DrawButton(ui::TDrawItem{0, &s});
    EXPECT_EQ(s.Pixel(7 + 8, 6 + 10), StockGlyphHelp[8 + 16 * 10]);
}

TEST_F(DialogLayout, MemoStartsWithThreeLinesAndIsReadOnly)
{
    Initialize();
    pi_activate(0, 0);
    const ui::TStrings& lines = Form1->MemoLog->Lines();
    ASSERT_EQ(lines.Count(), 3);
    for (int32_t i = 0; i < 3; ++i)
        EXPECT_EQ(lines[i], expected::kOpeningLines[i]);
    EXPECT_TRUE(Form1->MemoLog->ReadOnly());
    EXPECT_EQ(Form1->MemoLog->ScrollBars(), ui::TScrollStyle::ssVertical);
}

TEST_F(DialogLayout, FirstUseStateAndFocus)
{
    Initialize();
    pi_activate(0, 0);
    EXPECT_EQ(Form1->EdStarnet->Text(), u"");
    EXPECT_FALSE(Form1->CBScale8bit->Checked());
    EXPECT_TRUE(Form1->ButStart->Focused());
    EXPECT_FALSE(Form1->EdStarnet->Focused());
    EXPECT_TRUE(Form1->ButStart->Enabled());
}

// Hiding keeps everything: the next activation shows the same log, text and box.
TEST_F(DialogLayout, CloseHidesAndKeepsState)
{
    Initialize();
    pi_activate(0, 0);
    Form1->EdStarnet->SetText(u"C:\\StarNet\\");
    Form1->CBScale8bit->SetChecked(true);
    Form1->MemoLog->Lines().Add(u"more");
    TForm1* shown = Form1;
    Form1->Close();
    ui::Application().ProcessMessages();
    EXPECT_FALSE(shown->Visible());
    EXPECT_EQ(Dialogs().size(), 1u);

    pi_activate(0, 0);
    ASSERT_EQ(Form1, shown);
    EXPECT_TRUE(Form1->Visible());
    EXPECT_EQ(Form1->EdStarnet->Text(), u"C:\\StarNet\\");
    EXPECT_TRUE(Form1->CBScale8bit->Checked());
    EXPECT_EQ(Form1->MemoLog->Lines().Count(), 4);
}

TEST_F(DialogLayout, TempDirIsSetAtCreation)
{
    Initialize();
    pi_activate(0, 0);
    EXPECT_EQ(Form1->TempDir, GetTempDirectory());
    EXPECT_TRUE(Form1->InputFile.empty());
    EXPECT_TRUE(Form1->OutputFile.empty());
    EXPECT_FALSE(Form1->IsColor);
    EXPECT_FALSE(Form1->TooSmall);
}

} // namespace
} // namespace kv::test
