// An environment variable set for one scope (children started meanwhile
// inherit it), and put back afterwards.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kv::test {

class ScopedEnvironment {
public:
    ScopedEnvironment(const std::string& name, const std::u16string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string name_;
    std::optional<std::u16string> previous_;
};

// Where a plug-in cannot create its exchange file: the temporary folder to
// name in the environment and the folder to start the host in (tests run as
// root, so permissions cannot be used).
struct UnwritableTemp {
    std::u16string temp;
    std::u16string workingFolder;
};
// scratch: a test's own folder, usable where the platform needs one.
UnwritableTemp UnwritableTempFor(const std::u16string& scratch);

// The variables that name the user's temporary folder on this platform.
const char* const* TempVariables();

// Points those variables at folder, for this process and the programs it
// starts, for the rest of the process.
void UseTemporaryFolder(const std::filesystem::path& folder);

} // namespace kv::test
