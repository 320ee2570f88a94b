#include "tools/host/win32/InteractiveView.h"

#include <commdlg.h>

#include "os/Utf.h"
#include "tools/host/HostCallback.h"
#include "tools/host/ImageFile.h"
#include "tools/host/win32/DialogWindows.h"

namespace kv::host {

namespace {

constexpr wchar_t kTiffFilter[] = L"TIFF images (*.tif;*.tiff)\0*.tif;*.tiff\0All files (*.*)\0*.*\0";

std::wstring Wide(const std::string& utf8)
{
    const std::u16string text = os::Utf8ToUtf16(utf8);
    return std::wstring(text.begin(), text.end());
}

std::string Utf8(const wchar_t* text)
{
    return os::Utf16ToUtf8(reinterpret_cast<const char16_t*>(text));
}

// The system's file dialog for a TIFF; the chosen file in UTF-8, or empty on cancel.
std::string AskForTiff(HWND owner, bool save)
{
    wchar_t file[MAX_PATH] = {};
    if (save)
        lstrcpyW(file, L"starless.tif");
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = kTiffFilter;
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = save ? L"tif" : nullptr;
    ofn.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    return chosen ? Utf8(file) : std::string();
}

// The largest rectangle of the bitmap's shape centred in the client area.
RECT FitInto(const RECT& client, int32_t width, int32_t height)
{
    const LONG cw = client.right - client.left, ch = client.bottom - client.top;
    if (width <= 0 || height <= 0 || cw <= 0 || ch <= 0)
        return RECT{};
    LONG w = cw, h = static_cast<LONG>(static_cast<long long>(cw) * height / width);
    if (h > ch) {
        h = ch;
        w = static_cast<LONG>(static_cast<long long>(ch) * width / height);
    }
    const LONG left = (cw - w) / 2, top = (ch - h) / 2;
    return RECT{left, top, left + w, top + h};
}

} // namespace

InteractiveView::InteractiveView(HWND window, const InteractiveSession& session) : window_(window), session_(session)
{
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, kMenuOpen, L"&Open TIFF...");
    AppendMenuW(file, MF_STRING, kMenuSave, L"&Save TIFF...");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, kMenuExit, L"E&xit");
    HMENU plugin = CreatePopupMenu();
    AppendMenuW(plugin, MF_STRING, kMenuShowPlugin, L"&Kelvoran...");
    menu_ = CreateMenu();
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(plugin), L"&Plug-in");
    SetMenu(window_, menu_); // the window destroys the menu with itself
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    session_.session.SetChangeListener([this] { ImageChanged(); });
    ImageChanged();
}

// The session's change listener is left as it is: the host's session ends
// before its window does, and no message is dispatched in between.
InteractiveView::~InteractiveView()
{
    if (IsWindow(window_))
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
}

InteractiveView* InteractiveView::Of(HWND window)
{
    return reinterpret_cast<InteractiveView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT InteractiveView::Handle(UINT message, WPARAM wParam, LPARAM, bool& handled)
{
    handled = true;
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SIZE:
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kMenuOpen: Open(); return 0;
        case kMenuSave: Save(); return 0;
        case kMenuExit: PostMessageW(window_, WM_CLOSE, 0, 0); return 0;
        case kMenuShowPlugin: session_.exports.activate(0, 0); return 0;
        default: break;
        }
        break;
    default:
        break;
    }
    handled = false;
    return 0;
}

void InteractiveView::ImageChanged()
{
    bitmap_ = MakeDisplayBitmap(session_.image);
    InvalidateRect(window_, nullptr, TRUE);
    // The plug-in's tool runner dispatches messages between chunks; the
    // picture is repainted there too, but at once here after a change.
    UpdateWindow(window_);
}

void InteractiveView::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_APPWORKSPACE));
    if (bitmap_.width > 0) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = bitmap_.width;
        info.bmiHeader.biHeight = bitmap_.height; // bottom-up, as the planes are
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        const RECT r = FitInto(client, bitmap_.width, bitmap_.height);
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchDIBits(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, 0, 0, bitmap_.width, bitmap_.height,
                      bitmap_.bgr.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    } else {
        SetBkMode(dc, TRANSPARENT);
        DrawTextW(dc, L"No image open: File > Open TIFF...", -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    EndPaint(window_, &ps);
}

bool InteractiveView::PluginRunning() const
{
    HWND start = FindControl(FindDialogWindow(), dialog_identity::ButStart);
    return start != nullptr && !IsWindowEnabled(start);
}

void InteractiveView::Tell(const std::string& text, UINT icon) const
{
    MessageBoxW(window_, Wide(text).c_str(), L"kelvoran-host", MB_OK | icon);
}

void InteractiveView::Open()
{
    if (PluginRunning()) {
        Tell("The plug-in is still working on the image; open another when it has finished.", MB_ICONWARNING);
        return;
    }
    const std::string file = AskForTiff(window_, false);
    if (file.empty())
        return;
    HostImage loaded;
    std::string error;
    if (!ReadImageFile(file, loaded, error)) {
        Tell(error, MB_ICONERROR);
        return;
    }
    session_.image = std::move(loaded);
    SetWindowTextW(window_, (L"kelvoran-host - " + Wide(file)).c_str());
    ImageChanged();
}

void InteractiveView::Save()
{
    if (session_.image.Empty()) {
        Tell("No image is open.", MB_ICONINFORMATION);
        return;
    }
    const std::string file = AskForTiff(window_, true);
    if (file.empty())
        return;
    std::string error;
    if (!SaveTiff16(file, session_.image, error))
        Tell(error, MB_ICONERROR);
}

} // namespace kv::host
