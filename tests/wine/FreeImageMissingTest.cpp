// Runs in a folder without the target's FreeImage DLL (KV_TEST_FREEIMAGE_DLL):
// the plug-in's reader must fail without touching the planes and explain
// itself for the dialog's log.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "image/uImage.h"
#include "support/TempFolder.h"

namespace {

constexpr float kSentinel = -12345.5f;

TEST(FreeImageMissing, ReaderReturnsFalseLeavesPlanesAndReportsTheDll)
{
    kv::test::TempFolder folder;
    const std::vector<float> a = {1, 2, 3, 4};
    const std::u16string file = folder.File("good.tif");
    ASSERT_TRUE(WriteTiff16(a.data(), a.data(), a.data(), 1.0f, 2, 2, true, file)); // the writer needs no FreeImage

    std::vector<float> p1(4, kSentinel), p2(4, kSentinel), p3(4, kSentinel);
    EXPECT_FALSE(LoadTiffPlanes(file, p1.data(), p2.data(), p3.data(), 1.0f, 4));
    EXPECT_EQ(p1, std::vector<float>(4, kSentinel));
    EXPECT_EQ(p2, std::vector<float>(4, kSentinel));
    EXPECT_EQ(p3, std::vector<float>(4, kSentinel));
    EXPECT_FALSE(LoadImageFile(file, 0));

    const std::u16string problem = FreeImageProblem();
    EXPECT_EQ(problem.rfind(u"ERROR: ", 0), 0u);
    EXPECT_NE(problem.find(std::u16string(KV_TEST_FREEIMAGE_DLL) + u" was not found"), std::u16string::npos);
    EXPECT_EQ(FreeImageProblem(), problem) << "bound once: the same answer every time";
}

} // namespace
