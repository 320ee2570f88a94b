#include "os/Paths.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "os/Utf.h"

namespace kv::os {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

std::string TempBase()
{
    const char* env = std::getenv("TMPDIR");
    std::string base = env && *env ? env : "/tmp";
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    return base;
}

} // namespace

char16_t PathDelimiter()
{
    return u'/';
}

std::u16string UserTempFolder()
{
    const uid_t uid = ::geteuid();
    const std::string path = TempBase() + "/kelvoran-" + std::to_string(uid);
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return {};
    // Checked through the opened folder itself, so that it cannot be swapped
    // between the check and the use; O_NOFOLLOW refuses a symlink.
    const FileDescriptor dir(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (dir.Get() < 0)
        return {};
    struct stat st {};
    if (::fstat(dir.Get(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != uid || (st.st_mode & 077) != 0)
        return {};
    return Utf8ToUtf16(path);
}

} // namespace kv::os
