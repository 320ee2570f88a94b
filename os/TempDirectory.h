// The folder for the settings file and the temporary images.
#pragma once

#include <string>

namespace kv {

// The user's temporary folder ending in exactly one path delimiter, or empty
// when the system has none to offer.
std::u16string GetTempDirectory();

// path with one path delimiter appended unless it already ends in one; empty stays empty.
std::u16string IncludeTrailingPathDelimiter(const std::u16string& path);

} // namespace kv
