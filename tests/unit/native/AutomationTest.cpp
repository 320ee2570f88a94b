// The headless automation interface, used as a host uses it.
#include <cstring>
#include <string>

#include "PluginFixture.h"
#include "entry/Automation.h"
#include "support/ExpectedDialog.h"

namespace kv::test {
namespace {

using Automation = PluginFixture;

// The component name as the automation interface takes it; lives to the end of the full expression.
const char* Name(const expected::Control& control, std::string&& buffer = {})
{
    buffer = expected::Ascii(control.name);
    return buffer.c_str();
}

std::string TextOf(void* control)
{
    const std::size_t length = kv_auto_get_text(control, nullptr, 0);
    std::string text(length + 1, '\0');
    EXPECT_EQ(kv_auto_get_text(control, text.data(), text.size()), length);
    text.resize(length);
    return text;
}

TEST_F(Automation, FindsControlsOfTheCurrentDialogOnly)
{
    Initialize();
    EXPECT_EQ(kv_auto_find(Name(expected::EdStarnet)), nullptr) << "no dialog yet";
    pi_activate(0, 0);
    for (const expected::Control& c : expected::kLayout)
        EXPECT_NE(kv_auto_find(expected::Ascii(c.name).c_str()), nullptr) << expected::Ascii(c.name);
    EXPECT_EQ(kv_auto_find("edstarnet"), nullptr);
    EXPECT_EQ(kv_auto_find("Form1"), nullptr);
    EXPECT_EQ(kv_auto_find(""), nullptr);
    EXPECT_EQ(kv_auto_find(nullptr), nullptr);
    EXPECT_EQ(kv_auto_find(Name(expected::ButStart)), Form1->ButStart);
}

TEST_F(Automation, SetTextReachesTheEditBox)
{
    Initialize();
    pi_activate(0, 0);
    void* edit = kv_auto_find(Name(expected::EdStarnet));
    EXPECT_EQ(kv_auto_set_text(edit, "/opt/star net/\xC3\xA9"), 1);
    EXPECT_EQ(Form1->EdStarnet->Text(), u"/opt/star net/\u00E9");
    EXPECT_EQ(TextOf(edit), "/opt/star net/\xC3\xA9");
    // Not applicable: the read-only log, a button, a check box.
    EXPECT_EQ(kv_auto_set_text(kv_auto_find(Name(expected::MemoLog)), "x"), 0);
    EXPECT_EQ(kv_auto_set_text(kv_auto_find(Name(expected::ButStart)), "x"), 0);
    EXPECT_EQ(kv_auto_set_text(kv_auto_find(Name(expected::CBScale8bit)), "x"), 0);
    EXPECT_EQ(Form1->ButStart->Text(), u"Start");
}

TEST_F(Automation, SetCheckedAndClickOnCheckBox)
{
    Initialize();
    pi_activate(0, 0);
    void* box = kv_auto_find(Name(expected::CBScale8bit));
    EXPECT_EQ(kv_auto_set_checked(box, 1), 1);
    EXPECT_TRUE(Form1->CBScale8bit->Checked());
    EXPECT_EQ(kv_auto_set_checked(box, 0), 1);
    EXPECT_FALSE(Form1->CBScale8bit->Checked());
    // A user's click toggles the box.
    EXPECT_EQ(kv_auto_click(box), 1);
    EXPECT_TRUE(Form1->CBScale8bit->Checked());
    EXPECT_EQ(kv_auto_set_checked(kv_auto_find(Name(expected::EdStarnet)), 1), 0);
}

TEST_F(Automation, ClickRunsTheEventOnlyWhenVisibleAndEnabled)
{
    Initialize();
    pi_activate(0, 0);
    int clicks = 0;
    Form1->ButStart->OnClick = [&](ui::TObject* sender) {
        EXPECT_EQ(sender, Form1->ButStart);
        ++clicks;
    };
    EXPECT_EQ(kv_auto_click(kv_auto_find(Name(expected::ButStart))), 1);
    EXPECT_EQ(clicks, 1);
    Form1->ButStart->SetEnabled(false);
    EXPECT_EQ(kv_auto_click(kv_auto_find(Name(expected::ButStart))), 0);
    EXPECT_EQ(clicks, 1);
    // The hidden test-image box cannot be clicked.
    EXPECT_EQ(kv_auto_click(kv_auto_find("CBTestImage")), 0);
    EXPECT_FALSE(Form1->CBTestImage->Checked());
}

TEST_F(Automation, LogTextIsLinesJoinedWithCrLf)
{
    Initialize();
    pi_activate(0, 0);
    void* memo = kv_auto_find(Name(expected::MemoLog));
    const std::string expected = "Kelvoran version 2.0.\r\n"
                                 "It's required a CPU with AVX instructions and Windows 64 bit.\r\n"
                                 "Before starting, select the folder where Starnet is installed.";
    EXPECT_EQ(TextOf(memo), expected);
}

TEST_F(Automation, GetTextCutsToBufferAndReportsFullLength)
{
    Initialize();
    pi_activate(0, 0);
    void* label = kv_auto_find("Label1");
    char small[8];
    std::memset(small, 'x', sizeof small);
    EXPECT_EQ(kv_auto_get_text(label, small, sizeof small), std::string("Starnet++ installation folder").size());
    EXPECT_STREQ(small, "Starnet");
    char one[1] = {'x'};
    kv_auto_get_text(label, one, 1);
    EXPECT_EQ(one[0], '\0');
    EXPECT_EQ(kv_auto_get_text(nullptr, small, sizeof small), 0u);
}

TEST_F(Automation, ProcessMessagesRunsTheRelease)
{
    Initialize();
    pi_activate(0, 0);
    pi_finalize(0);
    EXPECT_EQ(Dialogs().size(), 1u);
    kv_auto_process_messages();
    EXPECT_TRUE(Dialogs().empty());
}

} // namespace
} // namespace kv::test
