// The autosaver and the owner-drawn check box and radio button: each is a
// kind of its own, stored as "1" or "0" and restored through its own setter
// (with its events and, for a radio button, its group rule).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/FCCheckControls.h"
#include "settings/LibAutosave.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace kv {
namespace {

using Lines = std::vector<std::u16string>;

struct Owned {
    ui::TForm* form = new ui::TForm(&ui::Application());
    ~Owned() { delete form; }
};

template <class T>
T* Add(ui::TForm* form, const std::u16string& name, intptr_t tag = AUTOSAVE_TAG)
{
    auto* control = new T(form);
    control->SetName(name);
    control->SetParent(form);
    control->SetTag(tag);
    return control;
}

struct OwnerDrawnCase {
    const char* what;
    bool radio;
    bool startChecked;
    std::u16string value;
    bool checkedAfter;
    int clicksAfter; // OnClick raised by the restore
};

class OwnerDrawnKinds : public ::testing::TestWithParam<OwnerDrawnCase> {};

TEST_P(OwnerDrawnKinds, RestoredThroughTheControlsOwnSetter)
{
    const OwnerDrawnCase& c = GetParam();
    Owned owned;
    owned.form->SetName(u"F");
    TMyCheckControl* control = c.radio ? static_cast<TMyCheckControl*>(Add<TMyRadButton>(owned.form, u"C"))
                                       : static_cast<TMyCheckControl*>(Add<TMyChkBox>(owned.form, u"C"));
    control->SetChecked(c.startChecked);
    int clicks = 0;
    control->OnClick = [&](ui::TObject*) { ++clicks; };

    TAutosaver saver;
    saver.ApplyValue(*owned.form, u"C", c.value);
    EXPECT_EQ(control->Checked(), c.checkedAfter);
    EXPECT_EQ(clicks, c.clicksAfter);

    saver.Lines.clear();
    saver.CollectFromForm(*owned.form);
    ASSERT_EQ(saver.Lines.size(), 1u);
    const std::u16string& line = saver.Lines[0];
    EXPECT_EQ(line.substr(line.find(u'%') + 1), c.checkedAfter ? u"1" : u"0");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OwnerDrawnKinds,
    ::testing::Values(OwnerDrawnCase{"box_checked_by_1", false, false, u"1", true, 1},
                      OwnerDrawnCase{"box_unchecked_by_0", false, true, u"0", false, 1},
                      OwnerDrawnCase{"box_unchanged_by_same", false, true, u"1", true, 0},
                      OwnerDrawnCase{"box_unchecked_by_text", false, true, u"abc", false, 1},
                      OwnerDrawnCase{"radio_checked_by_1", true, false, u"1", true, 1},
                      OwnerDrawnCase{"radio_unchecked_silently", true, true, u"0", false, 0}),
    [](const ::testing::TestParamInfo<OwnerDrawnCase>& tested) { return std::string(tested.param.what); });

// A restored radio button unchecks the others of its group, as a click would.
TEST(OwnerDrawnKinds, RestoringARadioButtonUnchecksItsGroup)
{
    Owned owned;
    owned.form->SetName(u"F");
    auto* a = Add<TMyRadButton>(owned.form, u"A");
    auto* b = Add<TMyRadButton>(owned.form, u"B", 0); // not remembered itself
    b->SetChecked(true);
    TAutosaver saver;
    saver.ApplyValue(*owned.form, u"A", u"1");
    EXPECT_TRUE(a->Checked());
    EXPECT_FALSE(b->Checked());
}

} // namespace
} // namespace kv
