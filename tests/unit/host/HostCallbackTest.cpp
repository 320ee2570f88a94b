#include <gtest/gtest.h>

#include <vector>

#include "tools/host/HostCallback.h"

namespace {

using kv::host::HostImage;
using kv::host::HostSession;

TEST(HostCallback, ColourImageAnswersInTheRoundTripOrder)
{
    HostImage image(3, 2, 3);
    HostSession session(&image);
    const intptr_t handle = session.Answer(HC_GET_ACTIVE_IMAGE, kActiveImageQuery, nullptr, 0);
    ASSERT_NE(handle, 0);

    int32_t width = -1;
    int32_t height = -1;
    session.Answer(HC_GET_IMAGE_SIZE, handle, &width, reinterpret_cast<intptr_t>(&height));
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);

    float* planes[3] = {};
    const intptr_t codes[3] = {0, 2, 3};
    for (int i = 0; i < 3; ++i)
        session.Answer(HC_GET_PLANE, handle, &planes[i], codes[i]);
    EXPECT_EQ(planes[0], image.Plane(0));
    EXPECT_EQ(planes[1], image.Plane(2));
    EXPECT_EQ(planes[2], image.Plane(3));
    EXPECT_NE(planes[0], planes[1]);
    EXPECT_NE(planes[1], planes[2]);
    // Each plane is the image's own storage: writing through it is what the host keeps.
    planes[1][5] = 42.0f;
    EXPECT_EQ(image.Plane(2)[5], 42.0f);

    EXPECT_EQ(session.Answer(HC_BEFORE_UPDATE, handle, nullptr, 0), 0);
    EXPECT_EQ(session.Answer(HC_AFTER_UPDATE, handle, reinterpret_cast<void*>(1), 0), 0);

    const auto& c = session.Commands();
    const std::vector<int> expected = {16, 1, 0, 0, 0, 8, 2};
    ASSERT_EQ(c.size(), expected.size());
    for (std::size_t i = 0; i < c.size(); ++i)
        EXPECT_EQ(c[i].command, expected[i]) << i;
    EXPECT_EQ(c[0].value, kActiveImageQuery);
    EXPECT_EQ(c[1].value, handle);
    EXPECT_EQ(c[3].param, 2);
    EXPECT_EQ(c[4].param, 3);
    EXPECT_EQ(c[6].data, 1);
}

TEST(HostCallback, GreyImageGivesOnePlaneForEveryCode)
{
    HostImage image(4, 1, 1);
    HostSession session(&image);
    const intptr_t handle = session.ImageHandle();
    float* planes[3] = {};
    const intptr_t codes[3] = {0, 2, 3};
    for (int i = 0; i < 3; ++i)
        session.Answer(HC_GET_PLANE, handle, &planes[i], codes[i]);
    ASSERT_NE(planes[0], nullptr);
    EXPECT_EQ(planes[0], planes[1]);
    EXPECT_EQ(planes[0], planes[2]);
}

TEST(HostCallback, NoImageOpen)
{
    HostImage empty;
    for (HostImage* image : {static_cast<HostImage*>(nullptr), &empty}) {
        HostSession session(image);
        EXPECT_EQ(session.Answer(HC_GET_ACTIVE_IMAGE, kActiveImageQuery, nullptr, 0), 0);
        int32_t width = 7;
        int32_t height = 7;
        session.Answer(HC_GET_IMAGE_SIZE, 0, &width, reinterpret_cast<intptr_t>(&height));
        EXPECT_EQ(width, 7);
        EXPECT_EQ(height, 7);
        EXPECT_EQ(session.Commands().size(), 2u);
    }
}

TEST(HostCallback, UnusableRequestsWriteNothing)
{
    HostImage image(2, 2, 3);
    HostSession session(&image);
    const intptr_t handle = session.ImageHandle();
    float* sentinel = reinterpret_cast<float*>(&image);
    struct Case {
        intptr_t value;
        intptr_t code;
    };
    // A wrong handle, then plane codes the host does not have.
    for (const Case c : {Case{handle + 1, 0}, Case{0, 0}, Case{handle, 1}, Case{handle, 4}, Case{handle, -1}}) {
        float* plane = sentinel;
        EXPECT_EQ(session.Answer(HC_GET_PLANE, c.value, &plane, c.code), 0);
        EXPECT_EQ(plane, sentinel) << c.value << " " << c.code;
    }
    int32_t width = 7;
    session.Answer(HC_GET_IMAGE_SIZE, handle + 1, &width, reinterpret_cast<intptr_t>(&width));
    EXPECT_EQ(width, 7);
    // Null out-pointers are passed over, not written through.
    EXPECT_EQ(session.Answer(HC_GET_IMAGE_SIZE, handle, nullptr, 0), 0);
    EXPECT_EQ(session.Answer(HC_GET_PLANE, handle, nullptr, 0), 0);
    // Command 16 answers only the active-image query.
    EXPECT_EQ(session.Answer(HC_GET_ACTIVE_IMAGE, 0, nullptr, 0), 0);
}

TEST(HostCallback, UnknownCommandsAreRecordedAndAnsweredWithZero)
{
    HostImage image(1, 1, 1);
    HostSession session(&image);
    for (const uint8_t command : std::vector<uint8_t>{3, 4, 17, 255})
        EXPECT_EQ(session.Answer(command, session.ImageHandle(), nullptr, 9), 0);
    ASSERT_EQ(session.Commands().size(), 4u);
    EXPECT_EQ(session.Commands()[3].command, 255);
    EXPECT_EQ(session.Commands()[3].param, 9);
}

TEST(HostCallback, EntryForwardsToTheCurrentSessionOnly)
{
    HostImage image(1, 1, 1);
    HostSession session(&image);
    EXPECT_EQ(kv::host::HostCallbackEntry(HC_GET_ACTIVE_IMAGE, kActiveImageQuery, nullptr, 0), 0);
    kv::host::SetCallbackSession(&session);
    EXPECT_EQ(kv::host::HostCallbackEntry(HC_GET_ACTIVE_IMAGE, kActiveImageQuery, nullptr, 0), session.ImageHandle());
    kv::host::SetCallbackSession(nullptr);
    EXPECT_EQ(session.Commands().size(), 1u);
}

} // namespace
