#include "platform/controls/meter.h"

#include <gtest/gtest.h>

#include "platform/controls/stage.h"
#include "support/golden.h"

namespace tov::platform {
namespace {

using testing::Stage;

// How many needle-coloured pixels lie left and right of the middle column.
std::pair<int, int> NeedleSides(const Surface& s, uint32_t needle) {
    int left = 0;
    int right = 0;
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            if (s.At(x, y) != needle) continue;
            if (x < s.width / 2 - 8) ++left;
            if (x > s.width / 2 + 8) ++right;
        }
    }
    return {left, right};
}

TEST(Meter, NeedlePointsAtTheValue) {
    Stage stage(ControlKind::Meter, 160, 96);
    stage.Set(Attr::Width, 160);  // the height follows the width
    EXPECT_EQ(stage.Get().Height(), 96);
    stage.Set(Attr::MinValue, 0);
    stage.Set(Attr::MaxValue, 50);
    stage.Set(Attr::FrameColor, 0x202020);
    stage.Set(Attr::FillColor, 0xFFFFFF);
    stage.Set(Attr::NeedleColor, 0xFF0000);
    stage.Set(Attr::TextColor, 0xFFFF00);
    stage.Set(Attr::TextPointSize, 10);
    stage.Value(0.0);
    const Surface low = stage.Shot();
    EXPECT_MATCHES_GOLDEN(low, "platform/controls/meter_min");
    const auto [low_left, low_right] = NeedleSides(low, 0xFF0000);
    EXPECT_GT(low_left, 20);
    EXPECT_EQ(low_right, 0);

    stage.Value(50.0);
    const Surface high = stage.Shot();
    EXPECT_MATCHES_GOLDEN(high, "platform/controls/meter_max");
    const auto [high_left, high_right] = NeedleSides(high, 0xFF0000);
    EXPECT_EQ(high_left, 0);
    EXPECT_GT(high_right, 20);
    // The frame colour fills the control around the dial.
    EXPECT_EQ(high.At(1, 1), 0x202020u);
}

}  // namespace
}  // namespace tov::platform
