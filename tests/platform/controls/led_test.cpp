#include "platform/controls/led.h"

#include <gtest/gtest.h>

#include "platform/controls/stage.h"
#include "support/golden.h"

namespace tov::platform {
namespace {

using testing::Stage;

TEST(Led, RoundLightsInTheOnColourInsideItsDisc) {
    Stage stage(ControlKind::Led, 24, 24, 4);
    stage.Set(Attr::OnColor, 0xFF0000);
    stage.Set(Attr::OffColor, 0x400000);
    const Surface off = stage.Shot();
    EXPECT_EQ(off.At(16, 16), 0x400000u);
    EXPECT_EQ(off.At(5, 5), Stage::kBackdrop);  // outside the disc the panel shows
    EXPECT_MATCHES_GOLDEN(off, "platform/controls/led_round_off");

    EXPECT_EQ(stage.Value(1.0), kUISuccess);
    const Surface on = stage.Shot();
    EXPECT_EQ(on.At(16, 16), 0xFF0000u);
    EXPECT_MATCHES_GOLDEN(on, "platform/controls/led_round_on");

    // Any value but 0 lights it.
    stage.Value(-3.0);
    EXPECT_EQ(stage.Shot().At(16, 16), 0xFF0000u);
    stage.Value(0.0);
    EXPECT_EQ(stage.Shot().At(16, 16), 0x400000u);
}

TEST(Led, SquareCarriesItsTitleCentred) {
    Stage stage(ControlKind::SquareLed, 80, 28, 2);
    stage.Set(Attr::OnColor, 0x20E020);
    stage.Set(Attr::OffColor, 0x104010);
    stage.Set(Attr::LabelText, "BONUS");
    stage.Set(Attr::LabelColor, 0xFFFFFF);
    stage.Set(Attr::LabelLeft, kLabelCentred);
    stage.Set(Attr::LabelTop, kLabelCentred);
    EXPECT_MATCHES_GOLDEN(stage.Shot(), "platform/controls/led_square_off");
    stage.Value(1.0);
    const Surface on = stage.Shot();
    EXPECT_EQ(on.At(4, 4), 0x20E020u);
    // The title's pixels lie inside the square, lighter than the LED.
    int title = 0;
    for (uint32_t p : on.pixels)
        title += (p & 0xFF) > 0x80 ? 1 : 0;
    EXPECT_GT(title, 50);
    EXPECT_MATCHES_GOLDEN(on, "platform/controls/led_square_on");
}

}  // namespace
}  // namespace tov::platform
