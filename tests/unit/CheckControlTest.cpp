// The owner-drawn check box's and radio button's state rules: setters,
// clicks, keys, the radio group, and the view of them through CheckControlKinds.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/CheckControlKinds.h"
#include "controls/FCCheckControls.h"
#include "ui/Button.h"
#include "ui/Form.h"

namespace kv {
namespace {

struct Group {
    ui::TForm form{nullptr};
    TMyRadButton* radio[3];
    std::vector<std::string> events;
    Group()
    {
        for (int i = 0; i < 3; ++i) {
            radio[i] = new TMyRadButton(&form);
            radio[i]->SetParent(&form);
            radio[i]->SetBounds(0, 20 * i, 80, 17);
            radio[i]->OnClick = [this, i](ui::TObject*) { events.push_back("click " + std::to_string(i)); };
        }
    }
    std::vector<bool> State() const { return {radio[0]->Checked(), radio[1]->Checked(), radio[2]->Checked()}; }
};

TEST(RadioGroupRules, ClicksAndSettersInAGroupOfThree)
{
    Group g;
    g.radio[0]->SetChecked(true);
    EXPECT_EQ(g.events, (std::vector<std::string>{"click 0"}));
    struct Step {
        const char* what;
        std::function<void()> act;
        std::vector<bool> state;
        std::vector<std::string> events;
    };
    const Step steps[] = {
        {"click unchecked 2", [&] { g.radio[2]->Click(); }, {false, false, true}, {"click 2"}},
        {"click 2 again", [&] { g.radio[2]->Click(); }, {false, false, true}, {}},
        {"set 1 checked", [&] { g.radio[1]->SetChecked(true); }, {false, true, false}, {"click 1"}},
        {"set 1 unchecked", [&] { g.radio[1]->SetChecked(false); }, {false, false, false}, {}},
        {"set 1 unchecked again", [&] { g.radio[1]->SetChecked(false); }, {false, false, false}, {}},
    };
    for (const Step& s : steps) {
        g.events.clear();
        s.act();
        EXPECT_EQ(g.State(), s.state) << s.what;
        EXPECT_EQ(g.events, s.events) << s.what;
    }
    EXPECT_TRUE(static_cast<bool>(g.radio[2]->OnClick)) << "the handler is back after a click on a checked button";
}

TEST(RadioGroupRules, GroupIsTheParent)
{
    Group a, b;
    a.radio[0]->SetChecked(true);
    b.radio[1]->Click();
    EXPECT_TRUE(a.radio[0]->Checked()) << "another parent's button is not affected";
    TMyRadButton alone(nullptr);
    alone.SetChecked(true);
    EXPECT_TRUE(alone.Checked());
    // A standard radio button on the same parent is no sibling.
    auto* standard = new ui::TRadioButton(&a.form);
    standard->SetParent(&a.form);
    standard->SetChecked(true);
    a.radio[2]->Click();
    EXPECT_TRUE(standard->Checked());
    EXPECT_FALSE(a.radio[0]->Checked());
}

TEST(CheckBoxRules, SetterClickAndKeys)
{
    ui::TForm form(nullptr);
    auto* box = new TMyChkBox(&form);
    box->SetParent(&form);
    auto* first = new TMyChkBox(&form);
    first->SetParent(&form);
    box->SetTabOrder(1);
    form.Show(); // the first in the tab order has the focus; the box can take it
    ASSERT_TRUE(first->Focused());
    int clicks = 0;
    std::u16string typed;
    box->OnClick = [&](ui::TObject*) { ++clicks; };
    box->OnKeyPress = [&](ui::TObject*, char16_t& key) {
        typed += key;
        if (key == u'x')
            key = u' '; // a handler may change the character
        else if (key == u'n')
            key = u'm';
    };
    struct Step {
        const char* what;
        std::function<void()> act;
        bool checked;
        int clicks;
    };
    auto press = [box](char16_t key) { box->KeyPress(key); };
    const Step steps[] = {
        {"set false (unchanged)", [&] { box->SetChecked(false); }, false, 0},
        {"set true", [&] { box->SetChecked(true); }, true, 1},
        {"set true again", [&] { box->SetChecked(true); }, true, 1},
        {"click", [&] { box->Click(); }, false, 2},
        {"two clicks", [&] { box->Click(); box->Click(); }, false, 4},
        {"space", [&] { press(u' '); }, true, 5},
        {"another key", [&] { press(u'a'); }, true, 5},
        {"changed to a space by the handler", [&] { press(u'x'); }, false, 6},
        {"changed from ... to another key", [&] { press(u'n'); }, false, 6},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(box->Checked(), s.checked) << s.what;
        EXPECT_EQ(clicks, s.clicks) << s.what;
    }
    EXPECT_EQ(typed, u" axn");
    EXPECT_TRUE(box->Focused()) << "a click takes the focus";
}

TEST(RadioRules, SpaceChecksOnlyAnUncheckedButton)
{
    Group g;
    g.radio[0]->SetChecked(true);
    g.events.clear();
    char16_t space = u' ', other = u'q';
    g.radio[1]->KeyPress(other);
    EXPECT_EQ(g.State(), (std::vector<bool>{true, false, false}));
    g.radio[1]->KeyPress(space);
    EXPECT_EQ(g.State(), (std::vector<bool>{false, true, false}));
    g.radio[1]->KeyPress(space);
    EXPECT_EQ(g.events, (std::vector<std::string>{"click 1"}));
}

TEST(CheckControlKinds, SeenThroughTheBuildNeutralView)
{
    ui::TForm form(nullptr);
    auto* box = new TMyChkBox(&form);
    auto* radio = new TMyRadButton(&form);
    auto* standard = new ui::TCheckBox(&form);
    box->SetParent(&form);
    radio->SetParent(&form);
    EXPECT_EQ(KindOfCheckControl(box), CheckControlKind::CheckBox);
    EXPECT_EQ(KindOfCheckControl(radio), CheckControlKind::RadioButton);
    EXPECT_EQ(KindOfCheckControl(standard), CheckControlKind::None);
    EXPECT_EQ(KindOfCheckControl(nullptr), CheckControlKind::None);
    int clicks = 0;
    box->OnClick = [&](ui::TObject*) { ++clicks; };
    SetCheckControlChecked(box, true);
    EXPECT_TRUE(CheckControlChecked(box));
    EXPECT_EQ(clicks, 1) << "restored through the setter, with its event";
    SetCheckControlChecked(standard, true);
    EXPECT_FALSE(standard->Checked());
    EXPECT_TRUE(box->TabStop());
    EXPECT_FALSE(box->DoubleClicks());
}

} // namespace
} // namespace kv
