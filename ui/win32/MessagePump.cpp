#include "ui/win32/MessagePump.h"

#include "ui/win32/WindowsApi.h"

namespace kv::ui::win32 {

bool DispatchPendingMessages()
{
    MSG msg{};
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return true;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return false;
}

} // namespace kv::ui::win32
