#include "platform/controls/numeric_slide.h"

#include <gtest/gtest.h>

#include "platform/controls/stage.h"
#include "support/golden.h"

namespace tov::platform {
namespace {

using testing::Stage;

void Style(Stage& stage) {
    stage.Set(Attr::MinValue, 0);
    stage.Set(Attr::MaxValue, 100);
    stage.Set(Attr::TextColor, 0xFFFFFF);
    stage.Set(Attr::TextPointSize, 10);
    stage.Set(Attr::EmptyColor, 0xE0E0E0);
    stage.Set(Attr::FillColor, 0x2060FF);
}

TEST(NumericSlide, TankFillsToItsValue) {
    Stage stage(ControlKind::Tank, 60, 120, 4);
    Style(stage);
    stage.Value(0.0);
    const Surface empty = stage.Shot();
    EXPECT_EQ(testing::CountColor(empty, 0x2060FF), 0);
    EXPECT_MATCHES_GOLDEN(empty, "platform/controls/tank_empty");

    stage.Value(100.0);
    const Surface full = stage.Shot();
    EXPECT_EQ(testing::CountColor(full, 0xE0E0E0), 0);
    EXPECT_MATCHES_GOLDEN(full, "platform/controls/tank_full");

    // Half full: the fill reaches the middle; a value beyond the range shows as full.
    stage.Value(50.0);
    const int half = testing::CountColor(stage.Shot(), 0x2060FF);
    const int all = testing::CountColor(full, 0x2060FF);
    EXPECT_NEAR(half, all / 2, all / 20);
    stage.Value(1000.0);
    EXPECT_EQ(testing::CountColor(stage.Shot(), 0x2060FF), all);
}

TEST(NumericSlide, ThermometerColumnRisesFromItsBulb) {
    Stage stage(ControlKind::Thermometer, 50, 120, 4);
    Style(stage);
    stage.Value(0.0);
    const Surface low = stage.Shot();
    EXPECT_MATCHES_GOLDEN(low, "platform/controls/thermometer_min");
    stage.Value(100.0);
    const Surface high = stage.Shot();
    EXPECT_MATCHES_GOLDEN(high, "platform/controls/thermometer_max");
    // The bulb is filled either way; the column adds to it.
    EXPECT_GT(testing::CountColor(low, 0x2060FF), 0);
    EXPECT_GT(testing::CountColor(high, 0x2060FF), testing::CountColor(low, 0x2060FF) + 100);
}

TEST(NumericSlide, SlideThumbSitsAtTheValue) {
    Stage stage(ControlKind::Slide, 60, 120, 4);
    Style(stage);
    stage.Set(Attr::SliderColor, 0xFFA000);
    stage.Set(Attr::SliderWidth, 30);
    stage.Set(Attr::SliderHeight, 10);
    stage.Value(0.0);
    const Surface low = stage.Shot();
    stage.Value(100.0);
    const Surface high = stage.Shot();
    EXPECT_MATCHES_GOLDEN(low, "platform/controls/slide_min");
    EXPECT_MATCHES_GOLDEN(high, "platform/controls/slide_max");
    // The thumb's rows: near the bottom at the minimum, near the top at the maximum.
    auto thumb_row = [](const Surface& s) {
        for (int y = 0; y < s.height; ++y) {
            for (int x = 0; x < s.width; ++x) {
                if (s.At(x, y) == 0xFFA000u) return y;
            }
        }
        return -1;
    };
    EXPECT_GT(thumb_row(low), 100);
    EXPECT_LT(thumb_row(high), 20);
    EXPECT_EQ(stage.Set(Attr::SliderWidth, -1), kUIEInvalidValue);
    // A tank has no thumb.
    Stage tank(ControlKind::Tank, 60, 120);
    EXPECT_EQ(tank.Set(Attr::SliderWidth, 10), kUIEInvalidAttribute);
}

}  // namespace
}  // namespace tov::platform
