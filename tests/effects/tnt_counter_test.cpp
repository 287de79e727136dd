#include "effects/tnt_counter.h"

#include "effects/scroll_text.h"
#include "effects/zoom_text.h"

#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "support/golden.h"
#include "text_effect_test_support.h"

namespace tov::testing {
namespace {

using platform::Attr;
constexpr int kTnt = platform::main_panel::kTntText;
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

class TntCounterTest : public TextEffectTestBase<> {
  protected:
    int Set(const std::string& pre, const std::string& post, int16_t digits, int16_t x = -1) {
        return engine_.TntCounter().SetTNTAttr(pre, post, kTestFace, 1, 0, 0xFFA000, 30, x, -1,
                                               digits);
    }
    std::string Shown(int32_t value) {
        EXPECT_EQ(engine_.TntCounter().ShowTNT(value), 0);
        return Value(kTnt);
    }
};

TEST_F(TntCounterTest, SizedAndCentredByTheZeroSample) {
    ASSERT_EQ(Set("BONUS ", " X", 5), 0);
    EXPECT_EQ(Attribute(kTnt, Attr::Left), 800);
    EXPECT_EQ(Value(kTnt), "BONUS 00.000 X");
    const int width = Attribute(kTnt, Attr::Width);
    EXPECT_GT(width, 100);
    EXPECT_EQ(Shown(42), "BONUS 00.042 X");
    EXPECT_EQ(Attribute(kTnt, Attr::Left), 400 - width / 2);
    EXPECT_EQ(Attribute(kTnt, Attr::Top), 300 - 15);
    EXPECT_EQ(Attribute(kTnt, Attr::Width), width);
}

// A font that cannot be made (size 0) measures nothing, even right after another text effect,
// or the same one, has measured with a 40-point font.
TEST_F(TntCounterTest, EachTextEffectMeasuresWithAFontOfItsOwn) {
    ZoomText& zoom = engine_.ZoomText();
    ScrollText& ticker = engine_.ScrollText();
    ASSERT_EQ(zoom.GenerateTextZoomProc(1, "0.000.000.000", kTestFace, 0, 0, 0xFFFFFF, 0, 39, 39),
              0);
    ASSERT_GT(zoom.ZoomTextWidth[1][0], 100);
    ASSERT_EQ(engine_.TntCounter().SetTNTAttr("", "", kTestFace, 0, 0, 0xFFFFFF, 0, -1, -1, 10), 0);
    EXPECT_EQ(Attribute(kTnt, Attr::Width), 0);
    EXPECT_EQ(engine_.TntCounter().TNTXPos, 400);

    ASSERT_EQ(ticker.GenerateTextLeftLoopScrollProc(2, "ticker", kTestFace, 0, 0, 0xFFFFFF, 40, 1),
              0);
    ASSERT_GT(ticker.ScrollTextWidth[2], 50);
    ASSERT_EQ(ticker.GenerateTextLeftLoopScrollProc(2, "ticker", kTestFace, 0, 0, 0xFFFFFF, 0, 1),
              0);
    EXPECT_EQ(ticker.ScrollTextWidth[2], 0);

    ASSERT_EQ(Set("", "", 10), 0);
    ASSERT_GT(Attribute(kTnt, Attr::Width), 100);
    ASSERT_EQ(zoom.GenerateTextZoomProc(3, "0.000.000.000", kTestFace, 0, 0, 0xFFFFFF, 0, -1, -1),
              0);
    EXPECT_EQ(zoom.ZoomTextWidth[3][0], 0);
    EXPECT_EQ(zoom.ZoomTextWidth[3][159], 0);
    ExpectPopups(0, "", "");
}

TEST_F(TntCounterTest, AutomaticDigitsFollowEachValue) {
    ASSERT_EQ(Set("", "", -1, 10), 0);
    EXPECT_EQ(Value(kTnt), "0.000.000.000");
    const struct {
        int32_t value;
        const char* shown;
    } cases[] = {{0, "0"},
                 {7, "7"},
                 {1234567, "1.234.567"},
                 {2147483647, "2.147.483.647"},
                 {-1234, "-1.234"},
                 {kMin, "-2.147.483.648"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Shown(c.value), c.shown);
        EXPECT_EQ(engine_.TntCounter().TNTDigits, -1);
    }
    EXPECT_EQ(Attribute(kTnt, Attr::Left), 10);
    ASSERT_EQ(Set("LEVEL", "!", 0), 0);
    EXPECT_EQ(Shown(123), "LEVEL!");
    ASSERT_EQ(Set("", "", 3), 0);
    EXPECT_EQ(Shown(12345), "345");  // digits above the leading group are dropped
    ASSERT_EQ(Set("", "", 1), 0);
    EXPECT_EQ(Shown(57), "57");  // the leading group prints all its digits
    ASSERT_EQ(Set("", "", 10), 0);
    EXPECT_EQ(Shown(-42), "-0.000.000.042");
}

TEST_F(TntCounterTest, RefusedTextsAndDigitSettings) {
    const std::string longest(75, 'p');
    ASSERT_EQ(Set(longest, longest, 3), 0);
    EXPECT_EQ(Shown(9), longest + "009" + longest);
    EXPECT_EQ(Set(std::string(76, 'q'), "", 3), -1);
    EXPECT_EQ(Set("", std::string(76, 'q'), 3), -1);
    ExpectPopups(2, "fatal error",
                 "CVI-function 'SetTNTAttr': string(s) '_TNTPreText' and/or '_TNTPostText' too "
                 "long (max. 75 characters)");
    EXPECT_EQ(Attribute(kTnt, Attr::Left), 800);  // parked before the checks
    for (int16_t digits : {11, -2}) {
        EXPECT_EQ(Set("C", "D", digits), -1);
        ExpectPopups(1, "fatal error",
                     "CVI-function 'SetTNTAttr': '_TNTDigits' out of range (must be -1..10)");
    }
    EXPECT_EQ(Shown(5), "C005D");  // the texts were stored, the digit setting was not
}

class TntCounterPictureTest : public TextEffectTestBase<240, 64> {};

TEST_F(TntCounterPictureTest, BonusCounter) {
    ASSERT_EQ(
        engine_.TntCounter().SetTNTAttr("BONUS ", " X", kTestFace, 1, 0, 0xFF6020, 24, -1, -1, 5),
        0);
    ASSERT_EQ(engine_.TntCounter().ShowTNT(12042), 0);
    EXPECT_MATCHES_GOLDEN(ComposedPanel(), "effects/tnt_counter_bonus");
}

}  // namespace
}  // namespace tov::testing
