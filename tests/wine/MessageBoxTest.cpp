// ShowMessageBox and ShowErrorBox on Windows: the owner they pick, the
// windows they disable while open, and what they give back afterwards. A
// thread timer looks at the open box and presses its OK button.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "PluginLibrary.h"
#include "WindowQueries.h"
#include "base/LibBase.h"
#include "ui/Application.h"

namespace kv::test {
namespace {

struct SeenBox {
    bool found = false;
    HWND owner = nullptr;
    std::wstring caption;
    std::vector<std::wstring> texts;
    int buttons = 0;
    bool icon = false;
    bool mainEnabled = true;
    bool otherEnabled = true;
};

SeenBox gSeen;
HWND gMain = nullptr;
HWND gOther = nullptr;

void CALLBACK InspectAndClose(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND box = nullptr;
    for (HWND w : TopLevelWindows(L"Box caption"))
        box = w;
    for (HWND w : TopLevelWindows(L"Error"))
        box = w;
    if (!box)
        return; // not open yet; the timer fires again
    ::KillTimer(nullptr, id);
    gSeen.found = true;
    gSeen.owner = ::GetWindow(box, GW_OWNER);
    gSeen.caption = TextOf(box);
    for (const ChildInfo& c : ChildrenOf(box)) {
        gSeen.texts.push_back(c.text);
        if (c.className == L"Button" && ::IsWindowVisible(c.hwnd))
            ++gSeen.buttons;
        if (c.className == L"Static" && (c.style & SS_TYPEMASK) == SS_ICON &&
            ::SendMessageW(c.hwnd, STM_GETICON, 0, 0) != 0)
            gSeen.icon = true;
    }
    gSeen.mainEnabled = ::IsWindowEnabled(gMain) != FALSE;
    gSeen.otherEnabled = ::IsWindowEnabled(gOther) != FALSE;
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}

bool Contains(const std::vector<std::wstring>& texts, const std::wstring& text)
{
    for (const auto& t : texts)
        if (t == text)
            return true;
    return false;
}

class MessageBoxes : public ::testing::Test {
protected:
    void SetUp() override
    {
        gSeen = SeenBox{};
        gMain = main_.Get();
        gOther = other_.Get();
        ui::Application().SetOwnerWindow(gMain);
        ::SetTimer(nullptr, 0, 50, &InspectAndClose);
    }

    MainWindow main_;
    MainWindow other_;
};

// With no active window the box belongs to the host's main window; every
// window of the thread is disabled while it is open, and enabled again after.
TEST_F(MessageBoxes, OwnedByMainWindowWhenNothingIsActive)
{
    ::SetActiveWindow(nullptr);
    ASSERT_EQ(::GetActiveWindow(), nullptr);
    EXPECT_EQ(ShowMessageBox(u"Box caption", u"Box text", MB_OKCANCEL), IDOK);
    ASSERT_TRUE(gSeen.found);
    EXPECT_EQ(gSeen.owner, gMain);
    EXPECT_EQ(gSeen.caption, L"Box caption");
    EXPECT_TRUE(Contains(gSeen.texts, L"Box text"));
    EXPECT_FALSE(gSeen.mainEnabled);
    EXPECT_FALSE(gSeen.otherEnabled);
    EXPECT_TRUE(::IsWindowEnabled(gMain));
    EXPECT_TRUE(::IsWindowEnabled(gOther));
}

TEST_F(MessageBoxes, OwnedByTheActiveWindowWhichGetsActivationAndFocusBack)
{
    ::SetActiveWindow(gOther);
    ASSERT_EQ(::GetActiveWindow(), gOther);
    EXPECT_EQ(ShowMessageBox(u"Box caption", u"Box text", MB_OK), IDOK);
    ASSERT_TRUE(gSeen.found);
    EXPECT_EQ(gSeen.owner, gOther);
    EXPECT_EQ(::GetActiveWindow(), gOther);
    EXPECT_EQ(::GetFocus(), gOther);
}

// The flags themselves (0x42010) are checked on the headless build, which
// records them; here: one OK button and the icon. (Wine's box does not show
// MB_TOPMOST as WS_EX_TOPMOST, so that is not looked at.)
TEST_F(MessageBoxes, ErrorBoxHasOneButtonAndAnIcon)
{
    ShowErrorBox(u"Error", u"Something failed");
    ASSERT_TRUE(gSeen.found);
    EXPECT_EQ(gSeen.caption, L"Error");
    EXPECT_TRUE(Contains(gSeen.texts, L"Something failed"));
    EXPECT_EQ(gSeen.buttons, 1);
    EXPECT_TRUE(gSeen.icon);
    EXPECT_TRUE(::IsWindowEnabled(gMain));
}

TEST_F(MessageBoxes, PlainBoxShowsItsButtonsAndNoIcon)
{
    EXPECT_EQ(ShowMessageBox(u"Box caption", u"Box text", MB_OKCANCEL), IDOK);
    ASSERT_TRUE(gSeen.found);
    EXPECT_EQ(gSeen.buttons, 2);
    EXPECT_FALSE(gSeen.icon);
}

} // namespace
} // namespace kv::test
