#include "effects/scroll_text.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "support/golden.h"
#include "text_effect_test_support.h"

namespace tov::testing {
namespace {

using platform::Attr;
constexpr int kTextCanvas = platform::main_panel::kTextCanvas;

class ScrollTextTest : public TextEffectTestBase<> {
  protected:
    tov::ScrollText& Ticker() { return engine_.ScrollText(); }
    int Generate(int16_t index, const std::string& text, int16_t height = 25, int16_t speed = 10) {
        return Ticker().GenerateTextLeftLoopScrollProc(index, text, kTestFace, 1, 0, 0x40C0FF,
                                                       height, speed);
    }
    int Left() { return Attribute(kTextCanvas, Attr::Left); }
};

TEST_F(ScrollTextTest, TextsUpTo2500CharactersAreAccepted) {
    ASSERT_EQ(Generate(4, "kept"), 0);
    EXPECT_EQ(Generate(5, std::string(2500, 'x')), 0);
    EXPECT_EQ(Ticker().ScrollTextString[5].size(), 2500u);
    EXPECT_GT(Ticker().ScrollTextWidth[5], Ticker().ScrollTextWidth[4]);
    EXPECT_EQ(PopupCount(), 0u);

    EXPECT_EQ(Generate(4, std::string(2501, 'y'), 40, 3), -1);
    ASSERT_EQ(PopupCount(), 1u);
    EXPECT_EQ(LastPopup().title, "fatal error");
    EXPECT_EQ(LastPopup().text,
              "CVI-function 'GenerateTextLeftLoopScrollProc': string '_ScrollText' too long "
              "(max. 2500 characters)");
    EXPECT_EQ(Ticker().ScrollTextString[4], "kept");  // the earlier description stays
    EXPECT_EQ(Ticker().ScrollTextFontHeight[4], 25);
    EXPECT_EQ(Ticker().ScrollTextSpeed[4], 10);
}

TEST_F(ScrollTextTest, PrepareStylesTheTextCanvasAndCentresItVertically) {
    ASSERT_EQ(Ticker().GenerateTextLeftLoopScrollProc(9, "Hello ticker", kTestFace, 1, 1, 0x123456,
                                                      25, 4),
              0);
    const int width = Ticker().ScrollTextWidth[9];
    EXPECT_GT(width, 50);
    ASSERT_EQ(Ticker().PrepareTextLeftLoopScrollProc(9), 0);
    EXPECT_EQ(TextAttribute(kTextCanvas, Attr::TextFont), kTestFace);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::TextPointSize), 25);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::Width), width);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::TextColor), 0x123456);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::TextItalic), 1);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::TextBold), 1);
    EXPECT_EQ(Left(), 800);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::Top), 288);  // 300 - 25 / 2
    EXPECT_EQ(Value(kTextCanvas), "Hello ticker");
    EXPECT_EQ(Ticker().ScrollTextPixelOffset, 800);
}

TEST_F(ScrollTextTest, StepsRunLeftAndWrapOnceTheRightEndHasLeft) {
    ASSERT_EQ(Generate(0, "ticker"), 0);
    Ticker().ScrollTextWidth[0] = 300;  // as if the text measured 300 pixels
    Ticker().PrepareTextLeftLoopScrollProc(0);
    EXPECT_EQ(Left(), 800);
    ASSERT_EQ(Ticker().ShowTextLeftLoopScrollNextStep(0), 0);
    EXPECT_EQ(Left(), 790);
    for (int offset = 780; offset >= -290; offset -= 10) {
        Ticker().ShowTextLeftLoopScrollNextStep(0);
        ASSERT_EQ(Left(), offset);
    }
    Ticker().ShowTextLeftLoopScrollNextStep(0);  // -300 would leave nothing on the panel
    EXPECT_EQ(Left(), 800);
    Ticker().ShowTextLeftLoopScrollNextStep(0);
    EXPECT_EQ(Left(), 790);
}

TEST_F(ScrollTextTest, SpeedZeroStandsAndNegativeSpeedRunsRightWithoutWrapping) {
    ASSERT_EQ(Generate(1, "still", 25, 0), 0);
    ASSERT_EQ(Generate(2, "back", 25, -32768), 0);
    Ticker().PrepareTextLeftLoopScrollProc(1);
    for (int i = 0; i < 5; ++i)
        Ticker().ShowTextLeftLoopScrollNextStep(1);
    EXPECT_EQ(Left(), 800);

    Ticker().ShowTextLeftLoopScrollNextStep(2);
    EXPECT_EQ(Left(), 800 + 32768);
    // Far to the right the text stops at the largest offset instead of overflowing.
    Ticker().ScrollTextPixelOffset = std::numeric_limits<int32_t>::max() - 5;
    Ticker().ShowTextLeftLoopScrollNextStep(2);
    EXPECT_EQ(Ticker().ScrollTextPixelOffset, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(Left(), std::numeric_limits<int32_t>::max());
}

TEST_F(ScrollTextTest, EmptyTextWrapsAsSoonAsItReachesTheLeftEdge) {
    ASSERT_EQ(Generate(3, "", 25, 400), 0);
    EXPECT_EQ(Ticker().ScrollTextWidth[3], 0);
    Ticker().PrepareTextLeftLoopScrollProc(3);
    Ticker().ShowTextLeftLoopScrollNextStep(3);
    EXPECT_EQ(Left(), 400);
    Ticker().ShowTextLeftLoopScrollNextStep(3);  // 0: nothing of the text is left to show
    EXPECT_EQ(Left(), 800);
}

TEST_F(ScrollTextTest, HiddenTextCarriesOnFromWhereItWas) {
    ASSERT_EQ(Generate(0, "ticker"), 0);
    Ticker().PrepareTextLeftLoopScrollProc(0);
    for (int i = 0; i < 3; ++i)
        Ticker().ShowTextLeftLoopScrollNextStep(0);
    ASSERT_EQ(Ticker().HideText(), 0);
    EXPECT_EQ(Left(), 800);
    EXPECT_EQ(Ticker().ScrollTextPixelOffset, 770);
    Ticker().ShowTextLeftLoopScrollNextStep(0);
    EXPECT_EQ(Left(), 760);
}

TEST_F(ScrollTextTest, ColourChangeLastsUntilTheNextPrepare) {
    ASSERT_EQ(Generate(0, "ticker"), 0);
    Ticker().PrepareTextLeftLoopScrollProc(0);
    ASSERT_EQ(Ticker().ChangeTextLeftLoopColor(0xFF0000), 0);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::TextColor), 0xFF0000);
    EXPECT_EQ(Ticker().ScrollTextColor[0], 0x40C0FF);
    Ticker().PrepareTextLeftLoopScrollProc(0);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::TextColor), 0x40C0FF);
}

TEST_F(ScrollTextTest, ZPlaneOnlyForOneAndZero) {
    const int original = engine_.MainPanel().OriginalZPlanePosScrolltext;
    ASSERT_NE(original, 0);  // the panel file does not put the text canvas in front
    ASSERT_EQ(Ticker().ChangeZPlanePosScrolltext(1), 0);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::ZPlanePosition), 0);
    EXPECT_EQ(Ticker().ChangeZPlanePosScrolltext(2), 0);
    EXPECT_EQ(Ticker().ChangeZPlanePosScrolltext(-1), 0);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::ZPlanePosition), 0);
    ASSERT_EQ(Ticker().ChangeZPlanePosScrolltext(0), 0);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::ZPlanePosition), original);
    EXPECT_EQ(Ticker().ChangeZPlanePosScrolltext(2), 0);
    EXPECT_EQ(Attribute(kTextCanvas, Attr::ZPlanePosition), original);
    EXPECT_EQ(PopupCount(), 0u);
}

TEST_F(ScrollTextTest, NumbersOutsideTheTableAndLongFaceNamesAreSafe) {
    for (int16_t index : {int16_t{500}, int16_t{-1}, int16_t{-32768}}) {
        EXPECT_EQ(Generate(index, "x"), -1);
        EXPECT_EQ(LastPopup().title, "fatal error");
        EXPECT_EQ(LastPopup().text,
                  "CVI-function 'GenerateTextLeftLoopScrollProc': argument '_ScrollTextIndex' out "
                  "of range (must be 0..499)");
        EXPECT_EQ(Ticker().PrepareTextLeftLoopScrollProc(index), -1);
        EXPECT_EQ(Ticker().ShowTextLeftLoopScrollNextStep(index), -1);
        EXPECT_EQ(LastPopup().text,
                  "CVI-function 'ShowTextLeftLoopScrollNextStep': argument '_ScrollTextIndex' out "
                  "of range (must be 0..499)");
    }
    const std::string long_face(300, 'F');
    EXPECT_EQ(Ticker().GenerateTextLeftLoopScrollProc(499, "x", long_face, 0, 0, 0, 20, 1), 0);
    EXPECT_EQ(Ticker().ScrollTextFontName[499], std::string(50, 'F'));
}

// A small panel for the pictures of the running ticker.
class ScrollTextPictureTest : public TextEffectTestBase<240, 48> {};

TEST_F(ScrollTextPictureTest, TickerAtThreeOffsets) {
    tov::ScrollText& ticker = engine_.ScrollText();
    ASSERT_EQ(ticker.GenerateTextLeftLoopScrollProc(0, "TICKER 0123 +++", kTestFace, 1, 0, 0xFFD040,
                                                    20, 60),
              0);
    ticker.PrepareTextLeftLoopScrollProc(0);
    // Offsets 180 (entering), 60 (whole) and -60 (leaving at the left edge).
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
    EXPECT_EQ(ticker.ScrollTextPixelOffset, -60);
}

}  // namespace
}  // namespace tov::testing
