// kelvoran-host --interactive as a user meets it: a main window with a menu
// that shows the open image, and the plug-in's dialog over it; closing the
// window ends the host cleanly.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "image/uImage.h"
#include "os/Utf.h"
#include "os/win32/Handles.h"
#include "support/ExpectedDialog.h"
#include "support/TempFolder.h"

namespace kv::test {
namespace {

std::wstring Wide(const std::string& utf8)
{
    const std::u16string text = os::Utf8ToUtf16(utf8);
    return std::wstring(text.begin(), text.end());
}

struct FoundWindow {
    DWORD process;
    const wchar_t* className;
    HWND hwnd;
};

BOOL CALLBACK FindByProcessAndClass(HWND hwnd, LPARAM param)
{
    auto* wanted = reinterpret_cast<FoundWindow*>(param);
    DWORD process = 0;
    ::GetWindowThreadProcessId(hwnd, &process);
    wchar_t name[64] = {};
    ::GetClassNameW(hwnd, name, 64);
    if (process == wanted->process && std::wstring(name) == wanted->className && ::IsWindowVisible(hwnd)) {
        wanted->hwnd = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForWindow(DWORD process, const wchar_t* className)
{
    for (int i = 0; i < 300; ++i) {
        FoundWindow found{process, className, nullptr};
        ::EnumWindows(&FindByProcessAndClass, reinterpret_cast<LPARAM>(&found));
        if (found.hwnd)
            return found.hwnd;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return nullptr;
}

template <class Condition>
bool WaitUntil(Condition condition)
{
    for (int i = 0; i < 100; ++i) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

int Brightness(COLORREF c)
{
    return GetRValue(c) + GetGValue(c) + GetBValue(c);
}

TEST(InteractiveHost, ShowsTheImageWithAMenuAndTheDialogAndEndsWhenClosed)
{
    // 80 x 60 grey: the left half dark sky, the right half bright.
    TempFolder folder;
    std::vector<float> plane(80 * 60);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x)
            plane[static_cast<std::size_t>(y * 80 + x)] = x < 40 ? 3000.0f : 40000.0f;
    const auto image = (folder / "sky.tif").u16string();
    ASSERT_TRUE(WriteTiff16(plane.data(), plane.data(), plane.data(), 1.0f, 80, 60, false, image));

    std::wstring command = L"\"" + Wide(KV_HOST_EXE) + L"\" --plugin \"" + Wide(KV_PLUGIN) + L"\" --image \"" +
                           std::wstring(image.begin(), image.end()) + L"\" --interactive";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    const os::win32::UniqueHandle process(pi.hProcess), thread(pi.hThread);
    struct StopOnFailure {
        HANDLE process;
        ~StopOnFailure()
        {
            if (::WaitForSingleObject(process, 0) == WAIT_TIMEOUT)
                ::TerminateProcess(process, 99);
        }
    } stop{process.Get()};

    HWND host = WaitForWindow(pi.dwProcessId, L"KelvoranHostWindow");
    ASSERT_NE(host, nullptr) << "no host window";
    HWND dialog = WaitForWindow(pi.dwProcessId, L"KelvoranForm");
    ASSERT_NE(dialog, nullptr) << "the plug-in's dialog did not open";
    wchar_t caption[64] = {};
    ::GetWindowTextW(dialog, caption, 64);
    EXPECT_EQ(std::wstring(caption), reinterpret_cast<const wchar_t*>(expected::kCaption));

    // Menus are the host process's own objects (Wine does not share them),
    // so the menu is used through its commands: closing the dialog hides it,
    // and Plug-in > Kelvoran... shows it again.
    EXPECT_NE(::GetMenu(host), nullptr);
    ::PostMessageW(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(dialog); })) << "the close box did not hide the dialog";
    constexpr WPARAM kShowPlugin = 1010;
    ::PostMessageW(host, WM_COMMAND, kShowPlugin, 0);
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(dialog) != FALSE; })) << "the menu did not show the dialog";

    // The picture, read back from the screen above the dialog: dark on the left, bright on the right.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    RECT client{};
    ::GetClientRect(host, &client);
    POINT left{client.right / 10, client.bottom / 10}, right{client.right * 9 / 10, client.bottom / 10};
    ::ClientToScreen(host, &left);
    ::ClientToScreen(host, &right);
    HDC screen = ::GetDC(nullptr);
    const COLORREF dark = ::GetPixel(screen, left.x, left.y), bright = ::GetPixel(screen, right.x, right.y);
    ::ReleaseDC(nullptr, screen);
    EXPECT_LT(Brightness(dark), 60) << std::hex << dark;
    EXPECT_GT(Brightness(bright), 600) << std::hex << bright;

    ::PostMessageW(host, WM_CLOSE, 0, 0);
    ASSERT_EQ(::WaitForSingleObject(process.Get(), 30000), WAIT_OBJECT_0) << "the host did not end";
    DWORD code = 1;
    ::GetExitCodeProcess(process.Get(), &code);
    EXPECT_EQ(code, 0u);
}

} // namespace
} // namespace kv::test
