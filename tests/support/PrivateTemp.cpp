// Linked into every test program: the process gets a temporary folder of its
// own, so that the plug-in's settings file, which the dialog writes into the
// user's temporary folder when it is destroyed with a folder typed, never
// reaches another test (or the user's real one).
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include "support/Environment.h"

namespace {

class PrivateTemp {
public:
    PrivateTemp()
    {
        std::error_code ec;
        const auto base = std::filesystem::temp_directory_path(ec);
        if (ec)
            return;
        const std::string stamp = std::to_string(std::random_device{}());
        for (unsigned i = 0; i < 1000 && folder_.empty(); ++i) {
            auto candidate = base / ("kelvoran-proc-" + stamp + "-" + std::to_string(i));
            if (std::filesystem::create_directory(candidate, ec))
                folder_ = candidate;
        }
        if (!folder_.empty())
            kv::test::UseTemporaryFolder(folder_);
    }
    ~PrivateTemp()
    {
        std::error_code ignored;
        if (!folder_.empty())
            std::filesystem::remove_all(folder_, ignored);
    }
    PrivateTemp(const PrivateTemp&) = delete;
    PrivateTemp& operator=(const PrivateTemp&) = delete;

private:
    std::filesystem::path folder_;
};

const PrivateTemp gPrivateTemp;

} // namespace
