// Questions and changes about whole files.
#pragma once

#include <string>

namespace kv::os {

// True for an existing regular file (a symbolic link counts when its target
// is one); a folder does not count.
bool FileExists(const std::u16string& path);
// Deletes the file; false when there was none or it could not be deleted.
bool DeleteFileAt(const std::u16string& path);
// Copies from over to, replacing to.
bool CopyFileOver(const std::u16string& from, const std::u16string& to);

} // namespace kv::os
