#include "support/Environment.h"

#include <windows.h>

#include <vector>

namespace kv::test {

namespace {
std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }
} // namespace

ScopedEnvironment::ScopedEnvironment(const std::string& name, const std::u16string& value) : name_(name)
{
    const std::wstring wideName = Wide(name);
    const DWORD size = ::GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (size > 0) {
        std::vector<wchar_t> old(size);
        const DWORD n = ::GetEnvironmentVariableW(wideName.c_str(), old.data(), size);
        previous_ = std::u16string(reinterpret_cast<const char16_t*>(old.data()), n);
    }
    ::SetEnvironmentVariableW(wideName.c_str(), reinterpret_cast<const wchar_t*>(value.c_str()));
}

ScopedEnvironment::~ScopedEnvironment()
{
    const std::wstring wideName = Wide(name_);
    ::SetEnvironmentVariableW(wideName.c_str(),
                              previous_ ? reinterpret_cast<const wchar_t*>(previous_->c_str()) : nullptr);
}

// The temporary-path query reports a folder that does not exist as it is.
UnwritableTemp UnwritableTempFor(const std::u16string& scratch)
{
    return {scratch + u"\\missing\\", scratch};
}

const char* const* TempVariables()
{
    static const char* const names[] = {"TMP", "TEMP", nullptr};
    return names;
}

} // namespace kv::test

namespace kv::test {

void UseTemporaryFolder(const std::filesystem::path& folder)
{
    // The temporary-path query looks at TMP, then TEMP.
    ::SetEnvironmentVariableW(L"TMP", folder.c_str());
    ::SetEnvironmentVariableW(L"TEMP", folder.c_str());
}

} // namespace kv::test
