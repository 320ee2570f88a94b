// The run-time binding's two platform helpers: where this module lives, and
// a library that is not there.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "os/DynamicLibrary.h"
#include "os/ModuleFolder.h"

namespace {

TEST(ModuleFolder, IsTheFolderOfThisTestExecutable)
{
    const std::u16string folder = kv::os::OwnModuleFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(folder.back() == u'/' || folder.back() == u'\\') << "ends in a path delimiter";
    const std::filesystem::path path(folder);
    ASSERT_TRUE(std::filesystem::is_directory(path));
    bool found = false;
    for (const auto& entry : std::filesystem::directory_iterator(path))
        found = found || entry.path().stem() == "module_folder_tests";
    EXPECT_TRUE(found) << "this executable stands in that folder";
}

TEST(DynamicLibrary, MissingLibraryIsAnOrdinaryFailure)
{
    kv::os::DynamicLibrary library;
    EXPECT_FALSE(library.Open(u"kelvoran-no-such-library-7f3a.dll"));
    EXPECT_FALSE(library.IsOpen());
    EXPECT_EQ(library.Symbol("FreeImage_LoadU"), nullptr);
    const std::u16string inAFolder = kv::os::OwnModuleFolder() + u"kelvoran-no-such-library-7f3a.dll";
    EXPECT_FALSE(library.Open(inAFolder));
}

} // namespace
