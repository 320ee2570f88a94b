// The real kelvoran.dll's dialog as it paints itself: the owner-drawn
// buttons, their pixels and the gauge's compared with the same painting on
// the memory canvas (for the system colours of this session; outside the
// texts, whose glyphs only the system draws), screenshots, and keyboard use
// with a host loop that never calls IsDialogMessage.
#include <gtest/gtest.h>

#include "ui/win32/WindowsApi.h"

#include <filesystem>
#include <string>
#include <vector>

#include "PixelReadback.h"
#include "PluginLibrary.h"
#include "WindowQueries.h"
#include "controls/FCButton.h"
#include "controls/FCGauge.h"
#include "support/ExpectedDialog.h"

namespace kv::test {
namespace {

using ui::headless::MemorySurface;

intptr_t KV_STDCALL SilentCallback(uint8_t, intptr_t, void*, intptr_t)
{
    return 0;
}

// Lets the X server show what was drawn before it is read back.
void Settle()
{
    for (int i = 0; i < 6; ++i) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        PumpMessages();
    }
}

std::filesystem::path OutputFolder()
{
    wchar_t exe[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    auto folder = std::filesystem::path(std::wstring(exe, n)).parent_path() / "test-output";
    std::filesystem::create_directories(folder);
    return folder;
}

// A key pressed and released on the focused window, as the system queues it;
// Shift is held through the thread's key state.
void PressKey(WPARAM key, bool shift = false)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    ::SetKeyboardState(keys);
    HWND focus = ::GetFocus();
    ::PostMessageW(focus, WM_KEYDOWN, key, 1);
    ::PostMessageW(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    PumpMessages();
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
}

class DialogPainting : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        library_ = new PluginLibrary();
        mainWindow_ = new MainWindow();
    }
    static void TearDownTestSuite()
    {
        delete mainWindow_;
        delete library_;
    }
    void SetUp() override
    {
        ASSERT_TRUE(library_->Loaded());
        char name[64], description[64];
        ASSERT_EQ(library_->Initialize(&SilentCallback, name, description, mainWindow_->Get()), 1);
        library_->Activate();
        PumpMessages();
        for (HWND w : PluginDialogs())
            if (::IsWindowVisible(w))
                dialog_ = w;
        ASSERT_NE(dialog_, nullptr);
        start_ = ::GetDlgItem(dialog_, expected::ButStart.id);
        dir_ = ::GetDlgItem(dialog_, expected::ButDir.id);
        help_ = ::GetDlgItem(dialog_, expected::ButHelp.id);
        eightBit_ = ::GetDlgItem(dialog_, expected::CBScale8bit.id);
        log_ = ::GetDlgItem(dialog_, expected::MemoLog.id);
        folder_ = ::GetDlgItem(dialog_, expected::EdStarnet.id);
        ::UpdateWindow(dialog_);
        Settle();
        // Under Xvfb without a window manager, the X server's focus events
        // for the dialog the previous test released can arrive late and leave
        // the new one inactive; the tests here need it active, as a user's
        // dialog is. Activating it gives the focus back to its active control.
        for (int i = 0; i < 20 && ::GetFocus() != start_; ++i) {
            ::SetForegroundWindow(dialog_);
            ::SetActiveWindow(dialog_);
            Settle();
        }
    }
    void TearDown() override
    {
        library_->Finalize();
        PumpMessages();
        Settle(); // the focus events of the released window arrive now, not in the next test
    }

    std::wstring NameOf(HWND w) const
    {
        if (w == start_) return L"Start";
        if (w == dir_) return L"...";
        if (w == help_) return L"Help";
        if (w == eightBit_) return L"8-bit";
        if (w == folder_) return L"folder";
        if (w == log_) return L"log";
        return L"other";
    }

    static PluginLibrary* library_;
    static MainWindow* mainWindow_;
    HWND dialog_ = nullptr, start_ = nullptr, dir_ = nullptr, help_ = nullptr, eightBit_ = nullptr,
         folder_ = nullptr, log_ = nullptr;
};

PluginLibrary* DialogPainting::library_ = nullptr;
MainWindow* DialogPainting::mainWindow_ = nullptr;

// Where a text centred in rect lands: as the system measures it, and as the
// memory canvas marks it; both are left out of a comparison, with a margin.
std::vector<ui::TRect> TextAreas(const std::wstring& text, const ui::TRect& rect)
{
    const SIZE real = DialogTextExtent(text);
    const int32_t memW = static_cast<int32_t>(text.size()) * 6, memH = 13;
    const int32_t rx = rect.Left + (rect.Width() - real.cx) / 2, ry = rect.Top + (rect.Height() - real.cy) / 2;
    const int32_t mx = rect.Left + (rect.Width() - memW) / 2, my = rect.Top + (rect.Height() - memH) / 2;
    return {ui::TRect{rx - 2, ry - 2, rx + real.cx + 2, ry + real.cy + 2},
            ui::TRect{mx - 2, my - 2, mx + memW + 2, my + memH + 2}};
}

// The button painted on the memory canvas as the window system would ask for it now.
MemorySurface ButtonAsMemory(HWND hwnd, const char16_t* caption, TBitmapKind kind)
{
    RECT r{};
    ::GetClientRect(hwnd, &r);
    TXMButton b(nullptr);
    b.SetBounds(0, 0, r.right, r.bottom);
    b.SetCaption(caption);
    b.SetBitmapKind(kind);
    uint32_t state = 0;
    if (::GetFocus() == hwnd)
        state |= ui::item_state::kFocus;
    if (!::IsWindowEnabled(hwnd))
        state |= ui::item_state::kDisabled;
    MemorySurface s(r.right, r.bottom);
    b.DrawButton(ui::TDrawItem{state, &s});
    return s;
}

TEST_F(DialogPainting, ButtonsAreOwnerDrawnAndAskForNoKeys)
{
    for (HWND b : {start_, dir_, help_}) {
        ASSERT_NE(b, nullptr);
        SCOPED_TRACE(testing::Message() << "button " << std::string(NameOf(b).begin(), NameOf(b).end()));
        const LONG style = ::GetWindowLongW(b, GWL_STYLE);
        EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
        EXPECT_TRUE(style & WS_TABSTOP);
        MSG tab{b, WM_KEYDOWN, VK_TAB, 0, 0, {}};
        EXPECT_EQ(::SendMessageW(b, WM_GETDLGCODE, 0, 0), 0);
        EXPECT_EQ(::SendMessageW(b, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&tab)), 0);
    }
    // The system's check box keeps its own drawing and keys.
    EXPECT_EQ(::GetWindowLongW(eightBit_, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    EXPECT_NE(::SendMessageW(eightBit_, WM_GETDLGCODE, 0, 0), 0);
}

TEST_F(DialogPainting, GaugeMatchesTheMemoryRendering)
{
    TMyGauge gauge(nullptr);
    gauge.SetBounds(8, 50, 329, 22);
    gauge.SetMaxValue(100);
    MemorySurface expected(329, 22);
    gauge.PaintOn(expected);
    const ClientPixels window = ReadClient(dialog_);
    // The text "0%" sits at ((328 - tw) / 2 + 2, (21 - th) / 2).
    const SIZE real = DialogTextExtent(L"0%");
    const int32_t x = (328 - real.cx) / 2 + 2, y = (21 - real.cy) / 2;
    const std::vector<ui::TRect> text = {ui::TRect{x - 2, y - 2, x + real.cx + 2, y + real.cy + 2},
                                         ui::TRect{158, 2, 174, 19}};
    EXPECT_EQ(Differences(window, 8, 50, expected, text), "");
    EXPECT_EQ(window.At(8 + 1, 50 + 11), 0xCCCCCCu) << "the unfilled middle row";
    EXPECT_EQ(window.At(8, 50), ColorSubSat(::GetSysColor(COLOR_BTNFACE), 0x141414)) << "a frame corner";
}

TEST_F(DialogPainting, ButtonFacesMatchTheMemoryRendering)
{
    struct Case {
        HWND* hwnd;
        const char16_t* caption;
        TBitmapKind kind;
        ui::TRect captionRect;
    };
    const Case cases[] = {
        {&start_, u"Start", TBitmapKind::bkNone, {3, 3, 79, 26}},
        {&dir_, u"...", TBitmapKind::bkNone, {3, 3, 40, 21}},
        {&help_, u"Help", TBitmapKind::bkHelp, {21, 3, 76, 26}},
    };
    ASSERT_EQ(::GetFocus(), start_) << "Start has the focus, so its face is tinted";
    for (const Case& c : cases) {
        const std::wstring caption(c.caption, c.caption + std::char_traits<char16_t>::length(c.caption));
        SCOPED_TRACE(testing::Message() << "button " << std::string(caption.begin(), caption.end()));
        const MemorySurface expected = ButtonAsMemory(*c.hwnd, c.caption, c.kind);
        EXPECT_EQ(Differences(ReadClient(*c.hwnd), 0, 0, expected, TextAreas(caption, c.captionRect)), "");
    }
}

TEST_F(DialogPainting, ScreenshotsIdleAndWithStartDisabled)
{
    EXPECT_TRUE(SaveScreenshot(dialog_, OutputFolder() / "dialog-idle.bmp"));
    ::EnableWindow(start_, FALSE);
    ::UpdateWindow(start_);
    Settle();
    EXPECT_TRUE(SaveScreenshot(dialog_, OutputFolder() / "dialog-start-disabled.bmp"));
    const MemorySurface expected = ButtonAsMemory(start_, u"Start", TBitmapKind::bkNone);
    EXPECT_EQ(Differences(ReadClient(start_), 0, 0, expected, TextAreas(L"Start", ui::TRect{3, 3, 79, 26})), "");
    ::EnableWindow(start_, TRUE);
}

TEST_F(DialogPainting, TabAndShiftTabWalkTheTabOrder)
{
    ASSERT_EQ(::GetFocus(), start_);
    std::vector<std::wstring> forward, backward;
    for (int i = 0; i < 6; ++i) {
        PressKey(VK_TAB);
        forward.push_back(NameOf(::GetFocus()));
    }
    EXPECT_EQ(forward, (std::vector<std::wstring>{L"folder", L"...", L"log", L"Help", L"8-bit", L"Start"}));
    for (int i = 0; i < 6; ++i) {
        PressKey(VK_TAB, true);
        backward.push_back(NameOf(::GetFocus()));
    }
    EXPECT_EQ(backward, (std::vector<std::wstring>{L"8-bit", L"Help", L"log", L"...", L"folder", L"Start"}));
}

TEST_F(DialogPainting, SpaceTogglesTheFocusedCheckBox)
{
    PressKey(VK_TAB, true); // from Start back to the 8-bit box
    ASSERT_EQ(::GetFocus(), eightBit_);
    ASSERT_EQ(::SendMessageW(eightBit_, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    PressKey(VK_SPACE);
    EXPECT_EQ(::SendMessageW(eightBit_, BM_GETCHECK, 0, 0), BST_CHECKED);
    PressKey(VK_SPACE);
    EXPECT_EQ(::SendMessageW(eightBit_, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(::GetFocus(), eightBit_);
}

TEST_F(DialogPainting, FocusTintOfTheFaceFollowsTheFocus)
{
    const uint32_t face = ::GetSysColor(COLOR_BTNFACE);
    const uint32_t plainLeft = ColorDarken(face, 68), tintedLeft = ColorAddSat(plainLeft, 0x240000);
    ASSERT_EQ(::GetFocus(), start_);
    EXPECT_EQ(ReadClient(start_).At(0, 10), tintedLeft);
    EXPECT_EQ(ReadClient(help_).At(0, 10), plainLeft);
    PressKey(VK_TAB, true); // back to the 8-bit box, then to Help
    PressKey(VK_TAB, true);
    ASSERT_EQ(::GetFocus(), help_);
    Settle();
    EXPECT_EQ(ReadClient(start_).At(0, 10), plainLeft);
    EXPECT_EQ(ReadClient(help_).At(0, 10), tintedLeft);
}

} // namespace
} // namespace kv::test
