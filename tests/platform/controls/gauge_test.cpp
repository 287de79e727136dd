#include "platform/controls/gauge.h"

#include <gtest/gtest.h>

#include "platform/controls/stage.h"
#include "support/golden.h"

namespace tov::platform {
namespace {

using testing::Stage;

TEST(Gauge, NeedleSweepsFromTheMinimumAngleToTheMaximumAngle) {
    Stage stage(ControlKind::Gauge, 100, 100, 2);
    stage.Set(Attr::Height, 120);  // width follows height
    EXPECT_EQ(stage.Get().Width(), 120);
    stage.Set(Attr::MinValue, 0);
    stage.Set(Attr::MaxValue, 60);
    stage.Set(Attr::StartAngle, 180.0);  // pointing left
    stage.Set(Attr::EndAngle, 0.0);      // pointing right
    stage.Set(Attr::NeedleColor, 0xFF0000);
    stage.Set(Attr::FillColor, 0x20C040);
    stage.Set(Attr::TextColor, 0xFFFFFF);
    stage.Set(Attr::TextPointSize, 10);
    stage.Value(0.0);
    const Surface low = stage.Shot();
    EXPECT_MATCHES_GOLDEN(low, "platform/controls/gauge_min");
    // At the minimum nothing is swept; the needle lies left of the hub.
    EXPECT_EQ(testing::CountColor(low, 0x20C040), 0);
    EXPECT_EQ(low.At(2 + 25, 2 + 60), 0xFF0000u);
    EXPECT_NE(low.At(2 + 95, 2 + 60), 0xFF0000u);

    stage.Value(60.0);
    const Surface high = stage.Shot();
    EXPECT_MATCHES_GOLDEN(high, "platform/controls/gauge_max");
    EXPECT_GT(testing::CountColor(high, 0x20C040), 100);
    EXPECT_EQ(high.At(2 + 95, 2 + 60), 0xFF0000u);
    EXPECT_NE(high.At(2 + 25, 2 + 60), 0xFF0000u);
    // The face is transparent: the backdrop shows between hub and rim below the needle.
    EXPECT_EQ(high.At(2 + 60, 2 + 90), Stage::kBackdrop);
}

}  // namespace
}  // namespace tov::platform
