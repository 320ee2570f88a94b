// Headless message boxes are recorded (owner, caption, text, flags) and answered with OK.
#include "PluginFixture.h"
#include "base/LibBase.h"

namespace kv::test {
namespace {

using MessageBoxes = PluginFixture;
using ui::headless::RecordedMessageBoxes;

TEST_F(MessageBoxes, CaptionComesFirstThenText)
{
    int mainWindow = 0;
    Initialize(&FakeCallback, &mainWindow);
    EXPECT_EQ(ShowMessageBox(u"The caption", u"The text", 0x40), 1);
    ASSERT_EQ(RecordedMessageBoxes().size(), 1u);
    const auto& box = RecordedMessageBoxes()[0];
    EXPECT_EQ(box.caption, u"The caption");
    EXPECT_EQ(box.text, u"The text");
    EXPECT_EQ(box.flags, 0x40u);
    EXPECT_EQ(box.owner, &mainWindow);
}

TEST_F(MessageBoxes, ErrorBoxIsOkErrorIconTaskModalTopMost)
{
    Initialize();
    ShowErrorBox(u"Error", u"Kelvoran-readme.htm not found");
    ASSERT_EQ(RecordedMessageBoxes().size(), 1u);
    const auto& box = RecordedMessageBoxes()[0];
    EXPECT_EQ(box.caption, u"Error");
    EXPECT_EQ(box.text, u"Kelvoran-readme.htm not found");
    constexpr uint32_t MB_ICONERROR = 0x10, MB_TASKMODAL = 0x2000, MB_TOPMOST = 0x40000;
    EXPECT_EQ(box.flags, MB_ICONERROR | MB_TASKMODAL | MB_TOPMOST);
    EXPECT_EQ(box.flags, 270352u);
}

} // namespace
} // namespace kv::test
