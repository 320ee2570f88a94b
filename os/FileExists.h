// The file existence test shared by the dialog's handlers.
#pragma once

#include <string>

namespace kv::os {

// True when a file, not a folder, exists at path; a symbolic link counts when
// its target is such a file.
bool FileExists(const std::u16string& path);

} // namespace kv::os
