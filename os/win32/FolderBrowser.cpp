#include "os/FolderBrowser.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

namespace kv::os {
namespace {

// The new-style browser needs a single-threaded apartment on this thread.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment()
    {
        if (initialised_)
            ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

// The item list the browser returns, freed with the shell's allocator.
class ItemList {
public:
    explicit ItemList(PIDLIST_ABSOLUTE list) : list_(list) {}
    ~ItemList() { ::CoTaskMemFree(list_); }
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;
    PIDLIST_ABSOLUTE Get() const { return list_; }

private:
    PIDLIST_ABSOLUTE list_;
};

} // namespace

std::optional<std::u16string> BrowseForFolder(const FolderBrowseRequest& request)
{
    const ComApartment apartment;
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info{};
    info.hwndOwner = static_cast<HWND>(request.owner);
    info.pidlRoot = nullptr; // the desktop
    info.pszDisplayName = displayName;
    info.lpszTitle = reinterpret_cast<const wchar_t*>(request.title.c_str());
    info.ulFlags = request.flags;
    info.lpfn = nullptr; // no initial selection
    const ItemList chosen(::SHBrowseForFolderW(&info));
    if (chosen.Get() == nullptr)
        return std::nullopt;
    wchar_t path[MAX_PATH] = {};
    if (!::SHGetPathFromIDListW(chosen.Get(), path) || path[0] == L'\0')
        return std::nullopt;
    return std::u16string(reinterpret_cast<const char16_t*>(path));
}

} // namespace kv::os
