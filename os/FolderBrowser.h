// The system's modal folder chooser.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kv::os {

struct FolderBrowseRequest {
    void* owner = nullptr; // the window that owns the browser (and is disabled meanwhile)
    std::u16string title;  // the instruction text shown above the tree
    uint32_t flags = 0;    // the shell's BIF_ flags
};

// The chosen folder's file-system path as the system gives it (no delimiter
// added), or nothing when the user cancelled or the choice has no path. The
// browser starts at the desktop with nothing selected.
std::optional<std::u16string> BrowseForFolder(const FolderBrowseRequest& request);

} // namespace kv::os
