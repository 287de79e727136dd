#include "effects/scroll_text.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "support/golden.h"
#include "text_effect_test_support.h"

namespace tov::testing {
namespace {

using platform::Attr;
constexpr int kCanvas = platform::main_panel::kTextCanvas;

class ScrollTextTest : public TextEffectTestBase<> {
  protected:
    tov::ScrollText& Ticker() { return engine_.ScrollText(); }
    int Generate(int16_t index, const std::string& text, int16_t speed = 10) {
        return Ticker().GenerateTextLeftLoopScrollProc(index, text, kTestFace, 1, 0, 0x40C0FF, 25,
                                                       speed);
    }
    int Step(int16_t index = 0) {
        EXPECT_EQ(Ticker().ShowTextLeftLoopScrollNextStep(index), 0);
        return Attribute(kCanvas, Attr::Left);
    }
};

TEST_F(ScrollTextTest, TextsUpTo2500CharactersAndNumbersUpTo499AreAccepted) {
    ASSERT_EQ(Generate(4, "kept"), 0);
    EXPECT_EQ(Generate(5, std::string(2500, 'x')), 0);
    EXPECT_GT(Ticker().ScrollTextWidth[5], 10 * Ticker().ScrollTextWidth[4]);
    ExpectPopups(0, "", "");
    EXPECT_EQ(Generate(4, std::string(2501, 'y'), 3), -1);
    ExpectPopups(1, "fatal error",
                 "CVI-function 'GenerateTextLeftLoopScrollProc': string '_ScrollText' too long "
                 "(max. 2500 characters)");
    EXPECT_EQ(Ticker().ScrollTextString[4], "kept");
    EXPECT_EQ(Ticker().ScrollTextSpeed[4], 10);
    for (int16_t index : {500, -1, -32768}) {
        EXPECT_EQ(Generate(index, "x"), -1);
        EXPECT_EQ(Ticker().PrepareTextLeftLoopScrollProc(index), -1);
        EXPECT_EQ(Ticker().ShowTextLeftLoopScrollNextStep(index), -1);
        ExpectPopups(3, "fatal error",
                     "CVI-function 'ShowTextLeftLoopScrollNextStep': argument '_ScrollTextIndex' "
                     "out of range (must be 0..499)");
    }
}

TEST_F(ScrollTextTest, RunsLeftFromTheRightEdgeAndWrapsOnceItHasLeft) {
    ASSERT_EQ(Generate(0, "ticker"), 0);
    Ticker().ScrollTextWidth[0] = 300;  // as if the text measured 300 pixels
    ASSERT_EQ(Ticker().PrepareTextLeftLoopScrollProc(0), 0);
    EXPECT_EQ(Attribute(kCanvas, Attr::Left), 800);
    EXPECT_EQ(Attribute(kCanvas, Attr::Top), 288);  // 600 / 2 - 25 / 2
    EXPECT_EQ(Attribute(kCanvas, Attr::Width), 300);
    EXPECT_EQ(Value(kCanvas), "ticker");
    for (int offset = 790; offset >= -290; offset -= 10)
        ASSERT_EQ(Step(), offset);
    EXPECT_EQ(Step(), 800);  // not -300
    EXPECT_EQ(Step(), 790);

    Ticker().HideText();  // the offset carries on behind the right edge
    EXPECT_EQ(Attribute(kCanvas, Attr::Left), 800);
    EXPECT_EQ(Step(), 780);
}

TEST_F(ScrollTextTest, StillBackwardsAndEmptyTexts) {
    ASSERT_EQ(Generate(1, "still", 0), 0);
    ASSERT_EQ(Generate(2, "back", -32768), 0);
    ASSERT_EQ(Generate(3, "", 400), 0);
    Ticker().PrepareTextLeftLoopScrollProc(1);
    EXPECT_EQ(Step(1), 800);
    EXPECT_EQ(Step(2), 800 + 32768);  // rightwards, never wrapping
    // Far to the right the offset stops at the 32-bit limit instead of overflowing.
    Ticker().ScrollTextPixelOffset = std::numeric_limits<int32_t>::max() - 5;
    EXPECT_EQ(Step(2), std::numeric_limits<int32_t>::max());

    EXPECT_EQ(Ticker().ScrollTextWidth[3], 0);
    Ticker().PrepareTextLeftLoopScrollProc(3);
    EXPECT_EQ(Step(3), 400);
    EXPECT_EQ(Step(3), 800);  // at 0 nothing of an empty text is left on the panel
}

TEST_F(ScrollTextTest, ZPlaneChangesOnlyForOneAndZero) {
    const int original = engine_.MainPanel().OriginalZPlanePosScrolltext;
    ASSERT_NE(original, 0);
    const struct {
        int16_t argument;
        int z_plane;
    } cases[] = {{1, 0}, {2, 0}, {-1, 0}, {0, original}, {2, original}, {-1, original}};
    for (const auto& c : cases) {
        EXPECT_EQ(Ticker().ChangeZPlanePosScrolltext(c.argument), 0);
        EXPECT_EQ(Attribute(kCanvas, Attr::ZPlanePosition), c.z_plane) << c.argument;
    }
}

class ScrollTextPictureTest : public TextEffectTestBase<240, 48> {};

TEST_F(ScrollTextPictureTest, TickerEnteringWholeAndLeaving) {
    tov::ScrollText& ticker = engine_.ScrollText();
    ASSERT_EQ(ticker.GenerateTextLeftLoopScrollProc(0, "TICKER 0123 +++", kTestFace, 1, 0, 0xFFD040,
                                                    20, 60),
              0);
    ticker.PrepareTextLeftLoopScrollProc(0);
    const struct {
        int steps;
        const char* name;
    } shots[] = {{1, "effects/ticker_offset_180"},
                 {2, "effects/ticker_offset_60"},
                 {2, "effects/ticker_offset_minus60"}};
    for (const auto& shot : shots) {
        for (int i = 0; i < shot.steps; ++i)
            ticker.ShowTextLeftLoopScrollNextStep(0);
        EXPECT_MATCHES_GOLDEN(ComposedPanel(), shot.name);
    }
}

}  // namespace
}  // namespace tov::testing
