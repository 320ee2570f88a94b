// Runs beside a FreeImage DLL of the target's name (KV_TEST_FREEIMAGE_DLL)
// that lacks most functions: the reader must not call through a missing one,
// and must name it as the target exports it (KV_TEST_MISSING_FUNCTION).
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "image/uImage.h"
#include "support/TempFolder.h"

namespace {

TEST(FreeImagePartial, MissingFunctionIsNamedAndNothingIsRead)
{
    kv::test::TempFolder folder;
    const std::vector<float> a = {5, 6};
    const std::u16string file = folder.File("grey.tif");
    ASSERT_TRUE(WriteTiff16(a.data(), nullptr, nullptr, 1.0f, 2, 1, false, file));

    std::vector<float> p(2, -1.0f);
    EXPECT_FALSE(LoadTiffPlanes(file, p.data(), p.data(), p.data(), 1.0f, 2));
    EXPECT_EQ(p, std::vector<float>(2, -1.0f));
    EXPECT_EQ(FreeImageProblem(), std::u16string(u"ERROR: ") + KV_TEST_FREEIMAGE_DLL + u" has no function " +
                                      KV_TEST_MISSING_FUNCTION + u"; result images cannot be read.");
}

} // namespace
