#include "support/Environment.h"

#include <cstdlib>

#include "os/Utf.h"

namespace kv::test {

ScopedEnvironment::ScopedEnvironment(const std::string& name, const std::u16string& value) : name_(name)
{
    if (const char* old = std::getenv(name.c_str()))
        previous_ = os::Utf8ToUtf16(old);
    ::setenv(name.c_str(), os::Utf16ToUtf8(value).c_str(), 1);
}

ScopedEnvironment::~ScopedEnvironment()
{
    if (previous_)
        ::setenv(name_.c_str(), os::Utf16ToUtf8(*previous_).c_str(), 1);
    else
        ::unsetenv(name_.c_str());
}

// /proc takes no new files, not even from root: the plug-in's private folder
// cannot be made there, so its names fall back to the working folder, /proc too.
UnwritableTemp UnwritableTempFor(const std::u16string&) { return {u"/proc", u"/proc"}; }

const char* const* TempVariables()
{
    static const char* const names[] = {"TMPDIR", nullptr};
    return names;
}

} // namespace kv::test

namespace kv::test {

void UseTemporaryFolder(const std::filesystem::path& folder)
{
    ::setenv("TMPDIR", folder.c_str(), 1);
}

} // namespace kv::test
