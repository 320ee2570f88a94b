// Questions and changes about whole files.
#pragma once

#include <string>

namespace kv::os {

// True for an existing regular file (a symbolic link counts when its target
// is one); a folder does not count, nor (POSIX) a device.
bool FileExists(const std::u16string& path);
// Deletes the file; false when there was none or it could not be deleted.
bool DeleteFileAt(const std::u16string& path);
// Copies from over to, replacing to.
bool CopyFileOver(const std::u16string& from, const std::u16string& to);
// Renames the file from to to, replacing a file of that name in one step
// (both in one folder, or at least on one volume).
bool MoveFileOver(const std::u16string& from, const std::u16string& to);

} // namespace kv::os
