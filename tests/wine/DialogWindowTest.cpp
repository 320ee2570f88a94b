// The real kelvoran.dll in a process of its own, as a host uses it: the
// exports, and the dialog window checked through Win32 calls.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <filesystem>
#include <string>
#include <vector>

#include "PluginLibrary.h"
#include "WindowQueries.h"
#include "support/ExpectedDialog.h"

namespace kv::test {
namespace {

std::wstring Wide(const char16_t* text)
{
    return reinterpret_cast<const wchar_t*>(text);
}

const std::wstring kCaption = Wide(expected::kCaption);

std::vector<uint8_t> gCommands;

intptr_t KV_STDCALL RecordingCallback(uint8_t command, intptr_t, void*, intptr_t)
{
    gCommands.push_back(command);
    return 0;
}

class DialogWindow : public ::testing::Test {
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
        ASSERT_TRUE(library_->Loaded()) << "kelvoran.dll or one of its exports is missing";
        gCommands.clear();
        char name[64], description[64];
        ASSERT_EQ(library_->Initialize(&RecordingCallback, name, description, mainWindow_->Get()), 1);
    }
    void TearDown() override
    {
        library_->Finalize();
        PumpMessages();
        EXPECT_TRUE(gCommands.empty()) << "the dialog asked the host for something unasked";
    }

    // Shows the dialog and returns its window, the one visible window of that caption.
    HWND Activate()
    {
        library_->Activate();
        PumpMessages();
        const auto visible = VisibleDialogs();
        EXPECT_EQ(visible.size(), 1u);
        return visible.empty() ? nullptr : visible.front();
    }
    static std::vector<HWND> VisibleDialogs()
    {
        std::vector<HWND> visible;
        for (HWND w : TopLevelWindows(kCaption))
            if (::IsWindowVisible(w))
                visible.push_back(w);
        return visible;
    }
    static HWND Item(HWND dialog, const expected::Control& control) { return ::GetDlgItem(dialog, control.id); }

    static PluginLibrary* library_;
    static MainWindow* mainWindow_;
};

PluginLibrary* DialogWindow::library_ = nullptr;
MainWindow* DialogWindow::mainWindow_ = nullptr;

TEST_F(DialogWindow, NameAndDescriptionHoldTextAndOneNul)
{
    char name[64], description[64];
    std::memset(name, 0x5A, sizeof name);
    std::memset(description, 0x5A, sizeof description);
    ASSERT_EQ(library_->Initialize(&RecordingCallback, name, description, mainWindow_->Get()), 1);
    EXPECT_EQ(std::string(name, 13), std::string("Kelvoran 2.0") + '\0');
    EXPECT_EQ(name[13], 0x5A);
    EXPECT_EQ(std::string(description, 43), std::string("Remove stars using Artificial Intelligence") + '\0');
    EXPECT_EQ(description[43], 0x5A);
}

TEST_F(DialogWindow, WindowIsAFixedTopMostDialogOwnedByTheHost)
{
    HWND dialog = Activate();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ClassOf(dialog), L"KelvoranForm");
    RECT client{};
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 346);
    EXPECT_EQ(client.bottom, 337);

    const LONG style = ::GetWindowLongW(dialog, GWL_STYLE);
    const LONG ex = ::GetWindowLongW(dialog, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(ex & WS_EX_DLGMODALFRAME);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME) << "resizable";
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_CHILD);
    EXPECT_EQ(::GetWindow(dialog, GW_OWNER), mainWindow_->Get());

    // Centred on the screen.
    RECT r{};
    ::GetWindowRect(dialog, &r);
    EXPECT_NEAR((r.left + r.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    HDC dc = ::GetDC(dialog);
    EXPECT_EQ(::GetPixel(dc, 340, 2), ::GetSysColor(COLOR_BTNFACE)) << "button-face background";
    ::ReleaseDC(dialog, dc);
}

// The system class and the styles each kind of control must and must not have.
struct KindInWindows {
    const wchar_t* className;
    LONG mustHave;
    LONG mustNotHave;
};

KindInWindows InWindows(expected::Kind kind)
{
    using expected::Kind;
    switch (kind) {
    case Kind::Label: return {L"Static", 0, 0};
    case Kind::Edit: return {L"Edit", 0, ES_MULTILINE | ES_READONLY};
    case Kind::Button: return {L"Button", BS_OWNERDRAW, 0};
    case Kind::Gauge: return {L"", 0, 0}; // windowless
    case Kind::Memo: return {L"Edit", ES_MULTILINE | ES_READONLY | WS_VSCROLL, 0};
    case Kind::CheckBox: return {L"Button", BS_AUTOCHECKBOX, 0};
    }
    return {L"", 0, 0};
}

// Every control as a child window found by its identifier, as GetDlgItem finds it.
TEST_F(DialogWindow, ChildrenAsLaidOut)
{
    HWND dialog = Activate();
    ASSERT_NE(dialog, nullptr);
    // The gauge paints on the dialog itself: it has no window.
    ASSERT_EQ(ChildrenOf(dialog).size(), std::size(expected::kLayout) - 1);
    for (const expected::Control& e : expected::kLayout) {
        SCOPED_TRACE(expected::Ascii(e.name));
        HWND child = ::GetDlgItem(dialog, e.id);
        if (e.kind == expected::Kind::Gauge) {
            EXPECT_EQ(child, nullptr) << "the gauge is windowless";
            continue;
        }
        ASSERT_NE(child, nullptr) << "no child window with identifier " << e.id;
        ChildInfo found{};
        for (const ChildInfo& c : ChildrenOf(dialog))
            if (c.hwnd == child)
                found = c;
        const KindInWindows kind = InWindows(e.kind);
        const RECT rect{e.left, e.top, e.left + e.width, e.top + e.height};
        EXPECT_EQ(std::memcmp(&found.rect, &rect, sizeof(RECT)), 0)
            << "at " << found.rect.left << "," << found.rect.top << "," << found.rect.right << "," << found.rect.bottom;
        EXPECT_EQ(found.className, kind.className);
        if (e.text) {
            EXPECT_EQ(found.text, Wide(e.text));
        }
        EXPECT_EQ(::IsWindowVisible(child) != FALSE, e.visible);
        const LONG mustHave = kind.mustHave | (e.tabOrder >= 0 ? WS_TABSTOP : 0);
        EXPECT_EQ(found.style & mustHave, mustHave);
        EXPECT_EQ(found.style & kind.mustNotHave, 0);
        EXPECT_TRUE(found.style & WS_CHILD);
    }
}

// Exactly one single-line edit and one multi-line edit, as a host tells them apart.
TEST_F(DialogWindow, HostCanTellTheEditsApart)
{
    HWND dialog = Activate();
    int single = 0, multi = 0;
    for (const ChildInfo& c : ChildrenOf(dialog))
        if (c.className == L"Edit")
            ++((c.style & ES_MULTILINE) ? multi : single);
    EXPECT_EQ(single, 1);
    EXPECT_EQ(multi, 1);
}

TEST_F(DialogWindow, TabOrderFocusAndFont)
{
    HWND dialog = Activate();
    std::vector<std::wstring> order;
    for (const ChildInfo& c : ChildrenOf(dialog))
        if (c.style & WS_TABSTOP)
            order.push_back(c.className == L"Edit" ? ((c.style & ES_MULTILINE) ? L"<log>" : L"<folder>") : c.text);
    EXPECT_EQ(order, (std::vector<std::wstring>{L"Start", L"<folder>", L"...", L"<log>", L"_Test imagemode_", L"Help",
                                                L"Image is 8 bit"}));
    EXPECT_EQ(::GetFocus(), Item(dialog, expected::ButStart));

    HWND label = Item(dialog, expected::ByName(u"Label1"));
    auto font = reinterpret_cast<HFONT>(::SendMessageW(label, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW lf{};
    ASSERT_GT(::GetObjectW(font, sizeof lf, &lf), 0);
    EXPECT_STREQ(lf.lfFaceName, L"Tahoma");
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);

    // The face the system actually draws with (a substitute where Tahoma is missing).
    HDC dc = ::GetDC(label);
    HGDIOBJ old = ::SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = {};
    ::GetTextFaceW(dc, LF_FACESIZE, face);
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    ::SelectObject(dc, old);
    ::ReleaseDC(label, dc);
    const std::string drawn(face, face + std::wcslen(face));
    RecordProperty("drawn_face", drawn);
    std::printf("label font drawn as \"%s\", %ld pixels high\n", drawn.c_str(), static_cast<long>(tm.tmHeight));
}

TEST_F(DialogWindow, LogHasThreeLinesAndEightBitBoxIsOff)
{
    HWND dialog = Activate();
    HWND memo = Item(dialog, expected::MemoLog);
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(TextOf(memo), Wide(expected::kOpeningLines[0]) + L"\r\n" + Wide(expected::kOpeningLines[1]) + L"\r\n" +
                                Wide(expected::kOpeningLines[2]));
    HWND box = Item(dialog, expected::CBScale8bit);
    EXPECT_EQ(::SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(::SendMessageW(Item(dialog, expected::ByName(u"CBTestImage")), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

// A host's messages change the controls, and hiding keeps what they did.
TEST_F(DialogWindow, CloseBoxHidesAndActivateShowsTheSameWindow)
{
    HWND dialog = Activate();
    HWND folder = Item(dialog, expected::EdStarnet);
    ::SendMessageW(folder, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"C:\\Starnet\\"));
    HWND box = Item(dialog, expected::CBScale8bit);
    ::SendMessageW(box, BM_CLICK, 0, 0);
    PumpMessages();
    EXPECT_EQ(::SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED) << "a click checks the box";

    ::SendMessageW(dialog, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_TRUE(::IsWindow(dialog));
    EXPECT_FALSE(::IsWindowVisible(dialog));

    EXPECT_EQ(Activate(), dialog);
    EXPECT_TRUE(::IsWindowVisible(dialog));
    EXPECT_EQ(TextOf(folder), L"C:\\Starnet\\");
    EXPECT_EQ(::SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(DialogWindow, ActivateTwiceKeepsOneDialog)
{
    HWND first = Activate();
    EXPECT_EQ(Activate(), first);
    EXPECT_EQ(TopLevelWindows(kCaption).size(), 1u);
}

TEST_F(DialogWindow, FinalizeBeforeActivateDoesNothing)
{
    library_->Finalize();
    PumpMessages();
    EXPECT_TRUE(TopLevelWindows(kCaption).empty());
}

TEST_F(DialogWindow, FinalizeDestroysTheWindowOnlyWhenMessagesAreProcessed)
{
    HWND dialog = Activate();
    library_->Finalize();
    EXPECT_TRUE(::IsWindow(dialog)) << "destroyed inside pi_finalize";
    PumpMessages();
    EXPECT_FALSE(::IsWindow(dialog));
    // A later activation builds a new dialog and never touches the released one.
    HWND next = Activate();
    ASSERT_NE(next, nullptr);
    EXPECT_TRUE(::IsWindowVisible(next));
}

// Run in a process of its own: the forgotten dialog stays, hidden, until the process ends.
TEST_F(DialogWindow, InitializeTwiceThenActivateCreatesNewDialog)
{
    HWND first = Activate();
    char name[64], description[64];
    ASSERT_EQ(library_->Initialize(&RecordingCallback, name, description, mainWindow_->Get()), 1);
    ::SendMessageW(first, WM_CLOSE, 0, 0); // forgotten, not destroyed; hidden so that one stays visible
    PumpMessages();
    EXPECT_TRUE(::IsWindow(first));
    HWND second = Activate();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(TopLevelWindows(kCaption).size(), 2u);
}

TEST_F(DialogWindow, ScreenshotForReview)
{
    HWND dialog = Activate();
    ASSERT_NE(dialog, nullptr);
    ::UpdateWindow(dialog);
    // Let the X server show what was drawn before copying it back.
    for (int i = 0; i < 10; ++i) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        PumpMessages();
    }
    wchar_t exe[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const auto folder = std::filesystem::path(std::wstring(exe, n)).parent_path() / "test-output";
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(SaveScreenshot(dialog, folder / "dialog.bmp"));
}

} // namespace
} // namespace kv::test
