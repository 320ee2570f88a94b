// The temporary-path query's buffer protocol, apart from the system call so
// that the retry can be tested: query(size, buffer) returns the length
// written (without NUL), the size needed (with NUL) when the buffer is too
// small, or 0 on failure, as GetTempPathW does.
#pragma once

#include <functional>
#include <string>

namespace kv::os::win32 {

using TempPathFn = std::function<unsigned long(unsigned long size, wchar_t* buffer)>;

// Room for MAX_PATH characters first; a longer path is asked for again with
// the size the query reports. Empty when the query fails.
std::wstring QueryTempPath(const TempPathFn& query);

} // namespace kv::os::win32
