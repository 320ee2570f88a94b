// Windows only: while the tool is silent the host's own timer keeps firing,
// and the dialog repaints between the tool's chunks.
#include <gtest/gtest.h>

#include "RoundTrip.h"

namespace {

TEST(Responsiveness, HostTimerFiresWhileTheToolIsSilent)
{
    kv::test::RoundTrip trip;
    trip.Script("write 10%\npause 3000\nwrite 20%\npause 100\ncopy\n");
    const auto image = kv::test::PatternImage(8, 8, 1, 20000.0f);
    const auto r = trip.Press(image, trip.ToolFolder());
    ASSERT_EQ(r.gauge.size(), 3u) << r.process.out;
    const auto& ten = r.gauge[0];
    const auto& twenty = r.gauge[1];
    EXPECT_EQ(ten.value, 10);
    EXPECT_EQ(twenty.value, 20);
    // 3 s of silence at 100 ms a tick: about 30; a frozen host would show none.
    EXPECT_GE(twenty.ticks - ten.ticks, 10) << r.process.out;
    // The dialog repainted (the host invalidates it on every tick) between the chunks.
    EXPECT_GT(twenty.paints, ten.paints) << r.process.out;
    EXPECT_TRUE(r.startEnabledAfter);
}

} // namespace
