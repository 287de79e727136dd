#include "platform/controls/strip_chart.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/controls/stage.h"
#include "support/golden.h"

namespace tov::platform {
namespace {

using testing::Stage;

TEST(StripChart, PlotsPointsAndScrollsWhenFull) {
    Stage stage(ControlKind::StripChart, 120, 60, 2);
    stage.Set(Attr::MinValue, 0);
    stage.Set(Attr::MaxValue, 10);
    stage.Set(Attr::PointsPerScreen, 5);
    StripChart& chart = stage.Get<StripChart>();
    const Surface empty = stage.Shot();
    EXPECT_EQ(testing::CountColor(empty, 0x40FF40), 0);
    EXPECT_MATCHES_GOLDEN(empty, "platform/controls/strip_chart_empty");

    for (double v : {0.0, 10.0, 5.0, 2.0})
        EXPECT_EQ(chart.Plot(v), kUISuccess);
    const Surface plotted = stage.Shot();
    EXPECT_MATCHES_GOLDEN(plotted, "platform/controls/strip_chart_points");
    // The first point lies at the bottom-left corner, the second at the top.
    EXPECT_EQ(plotted.At(2, 2 + 59), 0x40FF40u);
    EXPECT_EQ(plotted.At(2 + 30, 2), 0x40FF40u);

    // Two more points: the oldest scrolls out, so the top point moves one step left.
    chart.Plot(4.0);
    chart.Plot(8.0);
    EXPECT_EQ(chart.PointCount(), 5);
    EXPECT_EQ(chart.Points().front(), 10.0);
    EXPECT_EQ(stage.Shot().At(2, 2), 0x40FF40u);
    EXPECT_EQ(chart.Plot(std::nan("")), kUIEInvalidValue);
    chart.Clear();
    EXPECT_EQ(chart.PointCount(), 0);
    EXPECT_EQ(stage.Set(Attr::PointsPerScreen, 2), kUIEInvalidValue);
}

}  // namespace
}  // namespace tov::platform
