// A build without the owner-drawn check box and radio button: no control,
// standard check boxes and radio buttons included, is taken for one of them.
#include <gtest/gtest.h>

#include "controls/CheckControlKinds.h"
#include "ui/Button.h"
#include "ui/Form.h"

namespace kv {
namespace {

TEST(CheckControlKinds, NoneInThisBuild)
{
    ui::TForm form(nullptr);
    auto* box = new ui::TCheckBox(&form);
    auto* radio = new ui::TRadioButton(&form);
    for (ui::TComponent* c : {static_cast<ui::TComponent*>(box), static_cast<ui::TComponent*>(radio),
                              static_cast<ui::TComponent*>(&form)}) {
        EXPECT_EQ(KindOfCheckControl(c), CheckControlKind::None);
        SetCheckControlChecked(c, true);
        EXPECT_FALSE(CheckControlChecked(c));
    }
    EXPECT_FALSE(box->Checked());
}

} // namespace
} // namespace kv
