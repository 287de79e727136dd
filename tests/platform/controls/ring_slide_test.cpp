#include "platform/controls/ring_slide.h"

#include <gtest/gtest.h>

#include "platform/controls/stage.h"
#include "support/golden.h"

namespace tov::platform {
namespace {

using testing::Stage;

TEST(RingSlide, ScaleIsItsItemsAndTheValueSelectsOne) {
    Stage stage(ControlKind::RingSlide, 100, 130, 4);
    stage.Set(Attr::TextColor, 0xFFFFFF);
    stage.Set(Attr::TextPointSize, 10);
    stage.Set(Attr::FillColor, 0xE02020);
    RingSlide& ring = stage.Get<RingSlide>();
    EXPECT_EQ(ring.InsertItem(0, "low", 0), kUISuccess);
    EXPECT_EQ(ring.InsertItem(1, "middle", 1), kUISuccess);
    EXPECT_EQ(ring.InsertItem(2, "high", 2), kUISuccess);
    EXPECT_EQ(ring.InsertItem(4, "beyond", 4), kUIEListIndexOutOfRange);
    EXPECT_EQ(ring.Count(), 3);

    EXPECT_EQ(stage.Value(0.0), kUISuccess);
    const Surface low = stage.Shot();
    EXPECT_MATCHES_GOLDEN(low, "platform/controls/ring_slide_low");
    EXPECT_EQ(stage.Value(2.0), kUISuccess);
    const Surface high = stage.Shot();
    EXPECT_MATCHES_GOLDEN(high, "platform/controls/ring_slide_high");
    EXPECT_GT(testing::CountColor(high, 0xE02020), testing::CountColor(low, 0xE02020) + 100);

    // A value no item has changes nothing.
    EXPECT_EQ(stage.Value(7.0), kUIEInvalidValue);
    EXPECT_EQ(ring.Selected(), 2);
    // Replacing a text keeps its place.
    EXPECT_EQ(ring.ReplaceItem(1, "mid", 1), kUISuccess);
    EXPECT_EQ(ring.Items()[1].label, "mid");
    EXPECT_EQ(ring.ReplaceItem(3, "none", 3), kUIEListIndexOutOfRange);
}

}  // namespace
}  // namespace tov::platform
