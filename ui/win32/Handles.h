// RAII owners for the GDI and window handles of the win32 backend.
#pragma once

#include "ui/win32/WindowsApi.h"

#include <utility>

namespace kv::ui::win32 {

// A GDI object (font, brush, pen, bitmap), deleted with DeleteObject.
template <class H>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(H handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    H Get() const { return handle_; }
    void Reset(H handle = nullptr)
    {
        if (handle_)
            ::DeleteObject(handle_);
        handle_ = handle;
    }

private:
    H handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Bitmap = GdiObject<HBITMAP>;

// Selects an object into a device context for one scope.
class SelectObjectScope {
public:
    SelectObjectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectObjectScope() { ::SelectObject(dc_, previous_); }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A window destroyed with its owner object.
class Window {
public:
    Window() = default;
    explicit Window(HWND hwnd) : hwnd_(hwnd) {}
    ~Window() { Reset(); }
    Window(Window&& other) noexcept : hwnd_(std::exchange(other.hwnd_, nullptr)) {}
    Window& operator=(Window&& other) noexcept
    {
        if (this != &other) {
            Reset();
            hwnd_ = std::exchange(other.hwnd_, nullptr);
        }
        return *this;
    }
    HWND Get() const { return hwnd_; }
    void Reset()
    {
        if (hwnd_ && ::IsWindow(hwnd_)) {
            // Its messages must no longer reach the object that is going away.
            ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            ::DestroyWindow(hwnd_);
        }
        hwnd_ = nullptr;
    }

private:
    HWND hwnd_ = nullptr;
};

} // namespace kv::ui::win32
