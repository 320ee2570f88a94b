#include "os/FileSystem.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include "os/File.h"
#include "os/Utf.h"

namespace kv::os {

bool FileExists(const std::u16string& path)
{
    struct stat s{};
    return !path.empty() && ::stat(Utf16ToUtf8(path).c_str(), &s) == 0 && S_ISREG(s.st_mode);
}

bool DeleteFileAt(const std::u16string& path)
{
    return ::unlink(Utf16ToUtf8(path).c_str()) == 0;
}

bool CopyFileOver(const std::u16string& from, const std::u16string& to)
{
    const int in = ::open(Utf16ToUtf8(from).c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    FileWriter out;
    bool ok = out.Create(to);
    char buffer[65536];
    while (ok) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        ok = out.Write(buffer, static_cast<std::size_t>(n));
    }
    ::close(in);
    return ok;
}

bool MoveFileOver(const std::u16string& from, const std::u16string& to)
{
    return ::rename(Utf16ToUtf8(from).c_str(), Utf16ToUtf8(to).c_str()) == 0;
}

} // namespace kv::os
