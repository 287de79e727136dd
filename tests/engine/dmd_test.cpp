#include "engine/dmd.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "dmd_fixture.h"

namespace tov::testing {
namespace {

using platform::MakeRect;

constexpr int kX = 4;  // the display's left edge in these tests
constexpr int kY = 2;

class DmdTest : public DmdFixture {
  protected:
    void Settings(int16_t zeros, int16_t commas, double x_zoom = 1.0, double y_zoom = 1.0) {
        ASSERT_EQ(engine_.Dmd().SetDMDAttr(kX, kY, x_zoom, y_zoom, kFontSlot, zeros, commas), 0);
    }
    // The rectangle of the separator that follows field position p at zoom 1.
    static platform::Rect SeparatorAfter(int p) {
        return MakeRect(kY + 8, kX + 8 * (p + 1) - 5, 4, 4);
    }
    // The cells at positions 0..9, -1 where the position is not one cell throughout.
    std::string Field(const platform::Surface& s) {
        std::string field;
        for (int p = 0; p < 10; ++p) {
            const int cell = CellAt(s, kX, kY, p);
            field += cell < 0 ? '.' : static_cast<char>('0' + cell);
        }
        return field;
    }
    const std::vector<platform::PopupRecord>& Popups() { return Rt().Popups(); }
};

TEST_F(DmdTest, NumericZeroDrawsOneDigitOrTenWithLeadingZeros) {
    Settings(0, 0);
    EXPECT_EQ(engine_.Dmd().ShowDMDNumeric(0), 0);
    platform::Surface s = MainDmd();
    EXPECT_EQ(Field(s), ".........0");
    EXPECT_EQ(BoundsOf(s, CellColor(0)), MakeRect(kY, kX + 72, 8, 8));
    EXPECT_TRUE(BlankAt(s, kX, kY, 0));

    Settings(1, 0);
    EXPECT_EQ(engine_.Dmd().ShowDMDNumeric(0), 0);
    s = MainDmd();
    EXPECT_EQ(Field(s), "0000000000");
    EXPECT_EQ(CountOf(s, CellColor(0)), 10 * 64);
    EXPECT_TRUE(Popups().empty());
}

TEST_F(DmdTest, NumericSeparatorsStandBeforeTheLastThreeSixAndNineDigits) {
    Settings(0, 1);
    EXPECT_EQ(engine_.Dmd().ShowDMDNumeric(1000), 0);
    platform::Surface s = MainDmd();
    EXPECT_EQ(Field(s), "......1000");
    EXPECT_EQ(BoundsOf(s, kSeparatorColor), SeparatorAfter(6));
    EXPECT_EQ(CountOf(s, kSeparatorColor), 16);

    engine_.AreaDrawing().ClearArea(0, 0, kPanelWidth, kPanelHeight, 0);
    EXPECT_EQ(engine_.Dmd().ShowDMDNumeric(1234567), 0);
    s = MainDmd();
    EXPECT_EQ(Field(s), "...1234567");
    EXPECT_TRUE(Solid(s, SeparatorAfter(3), kSeparatorColor));
    EXPECT_TRUE(Solid(s, SeparatorAfter(6), kSeparatorColor));
    // Only where the digit it follows was drawn: none after position 0.
    EXPECT_EQ(CountOf(s, kSeparatorColor), 2 * 16);
}

TEST_F(DmdTest, NumericSeparatorsOnlyForTheValueOne) {
    Settings(0, 2);
    EXPECT_EQ(engine_.Dmd().ShowDMDNumeric(1234567), 0);
    EXPECT_EQ(CountOf(MainDmd(), kSeparatorColor), 0);
}

TEST_F(DmdTest, NumericAcceptsTenNinesAndRefusesWhatIsOutside) {
    Settings(0, 1);
    EXPECT_EQ(engine_.Dmd().ShowDMDNumeric(9999999999.0), 0);
    platform::Surface s = MainDmd();
    EXPECT_EQ(Field(s), "9999999999");
    EXPECT_EQ(CountOf(s, kSeparatorColor), 3 * 16);
    EXPECT_TRUE(Solid(s, SeparatorAfter(0), kSeparatorColor));
    EXPECT_TRUE(Popups().empty());

    engine_.AreaDrawing().ClearArea(0, 0, kPanelWidth, kPanelHeight, 0);
    const std::string text =
        "CVI-function 'ShowDMDNumeric': argument '_DMDNumericValue' out of range (must be "
        "0..9999999999)";
    for (double v : {10000000000.0, -1.0, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()}) {
        Rt().ClearPopups();
        EXPECT_EQ(engine_.Dmd().ShowDMDNumeric(v), -1) << v;
        ASSERT_EQ(Popups().size(), 1u) << v;
        EXPECT_EQ(Popups()[0].title, "fatal error");
        EXPECT_EQ(Popups()[0].text, text);
    }
    EXPECT_EQ(CountOf(MainDmd(), 0), kPanelWidth * kPanelHeight);
}

TEST_F(DmdTest, NumericRoundsOnceAndUsesTheRoundedValueThroughout) {
    Settings(0, 0);
    // 9.6 becomes 10: both digits, placed as the number 10 is.
    EXPECT_EQ(engine_.Dmd().ShowDMDNumeric(9.6), 0);
    EXPECT_EQ(Field(MainDmd()), "........10");
    // Just below the top rounds into the field, just above does not.
    EXPECT_EQ(engine_.Dmd().ShowDMDNumeric(9999999999.4), 0);
    EXPECT_EQ(engine_.Dmd().ShowDMDNumeric(9999999999.5), -1);
    // -0.4 is the whole number 0.
    engine_.AreaDrawing().ClearArea(0, 0, kPanelWidth, kPanelHeight, 0);
    EXPECT_EQ(engine_.Dmd().ShowDMDNumeric(-0.4), 0);
    EXPECT_EQ(Field(MainDmd()), ".........0");
}

TEST_F(DmdTest, ShorterNumberLeavesTheOldLeadingDigits) {
    Settings(0, 0);
    EXPECT_EQ(engine_.Dmd().ShowDMDNumeric(98765), 0);
    EXPECT_EQ(engine_.Dmd().ShowDMDNumeric(12), 0);
    EXPECT_EQ(Field(MainDmd()), ".....98712");
}

TEST_F(DmdTest, ValueIsLeftAlignedWithSeparatorsBeforeGroupsOfThree) {
    Settings(1, 1);  // leading zeros play no part here
    EXPECT_EQ(engine_.Dmd().ShowDMDValue(0), 0);
    EXPECT_EQ(Field(MainDmd()), "0.........");

    EXPECT_EQ(engine_.Dmd().ShowDMDValue(123), 0);
    platform::Surface s = MainDmd();
    EXPECT_EQ(Field(s), "123.......");
    EXPECT_EQ(CountOf(s, kSeparatorColor), 0);

    EXPECT_EQ(engine_.Dmd().ShowDMDValue(1234), 0);
    s = MainDmd();
    EXPECT_EQ(Field(s), "1234......");
    EXPECT_EQ(BoundsOf(s, kSeparatorColor), SeparatorAfter(0));

    engine_.AreaDrawing().ClearArea(0, 0, kPanelWidth, kPanelHeight, 0);
    EXPECT_EQ(engine_.Dmd().ShowDMDValue(9876543210), 0);
    s = MainDmd();
    EXPECT_EQ(Field(s), "9876543210");
    for (int p : {0, 3, 6})
        EXPECT_TRUE(Solid(s, SeparatorAfter(p), kSeparatorColor)) << p;
    EXPECT_EQ(CountOf(s, kSeparatorColor), 3 * 16);
    EXPECT_TRUE(Popups().empty());
}

TEST_F(DmdTest, ValueRefusesOverflowAndNegativeValues) {
    Settings(0, 0);
    EXPECT_EQ(engine_.Dmd().ShowDMDValue(10000000000.0), -1);
    ASSERT_EQ(Popups().size(), 1u);
    EXPECT_EQ(Popups()[0].title, "fatal error");
    EXPECT_EQ(Popups()[0].text,
              "CVI-function 'ShowDMDValue': argument '_DMDNumericValue' overflow error (value > "
              "9.999.999.999)");

    // A minus sign has no cell; the value is refused rather than shown shifted.
    for (double v : {-1.0, -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
        Rt().ClearPopups();
        EXPECT_EQ(engine_.Dmd().ShowDMDValue(v), -1) << v;
        ASSERT_EQ(Popups().size(), 1u);
        EXPECT_EQ(Popups()[0].text,
                  "CVI-function 'ShowDMDValue': argument '_DMDNumericValue' out of range (must be "
                  "0..9999999999)");
    }
    EXPECT_EQ(CountOf(MainDmd(), 0), kPanelWidth * kPanelHeight);
}

TEST_F(DmdTest, TextDrawsTheAtSignCellForASpace) {
    Settings(0, 0);
    EXPECT_EQ(engine_.Dmd().ShowDMDText("GAME OVER"), 0);
    const platform::Surface s = MainDmd();
    const int expected[] = {'G', 'A', 'M', 'E', '@', 'O', 'V', 'E', 'R'};
    for (int p = 0; p < 9; ++p)
        EXPECT_EQ(CellAt(s, kX, kY, p), expected[p] - '0') << p;
    EXPECT_TRUE(BlankAt(s, kX, kY, 9));
}

TEST_F(DmdTest, TextEndsAtAZeroCharacterAndDrawsNothingBelowTheDigitZero) {
    Settings(0, 0);
    EXPECT_EQ(engine_.Dmd().ShowDMDText(std::string_view("1!2\0"
                                                         "3",
                                                         5)),
              0);
    const platform::Surface s = MainDmd();
    EXPECT_EQ(CellAt(s, kX, kY, 0), 1);
    EXPECT_TRUE(BlankAt(s, kX, kY, 1));  // "!" has no cell
    EXPECT_EQ(CellAt(s, kX, kY, 2), 2);
    EXPECT_TRUE(BlankAt(s, kX, kY, 3));
    EXPECT_TRUE(BlankAt(s, kX, kY, 4));
    EXPECT_EQ(engine_.Dmd().ShowDMDText(""), 0);
}

TEST_F(DmdTest, TextStopsAfter127Characters) {
    engine_.MainPanel().InstallPanel(0, 0, 1100, 12);
    engine_.BitmapSelection().AddBitmapToSelection("font.png", kFontSlot, 8, 8);
    ASSERT_EQ(engine_.Dmd().SetDMDAttr(0, 0, 1.0, 1.0, kFontSlot, 0, 0), 0);
    EXPECT_EQ(engine_.Dmd().ShowDMDText(std::string(200, '5')), 0);
    const platform::Surface s = MainDmd();
    EXPECT_EQ(BoundsOf(s, CellColor(5)), MakeRect(0, 0, 8, 127 * 8));
}

TEST_F(DmdTest, FractionalZoomPlacesEveryGlyphFromTheLeftEdge) {
    ASSERT_EQ(engine_.BitmapSelection().AddBitmapToSelection("font7.png", 4, 7, 7), 0);
    ASSERT_EQ(engine_.Dmd().SetDMDAttr(0, 0, 2.5, 1.0, 4, 0, 0), 0);
    EXPECT_EQ(engine_.Dmd().ShowDMDText("01234"), 0);
    const platform::Surface s = MainDmd();
    const int lefts[] = {0, 17, 35, 52, 70};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(BoundsOf(s, CellColor(k)), MakeRect(0, lefts[k], 7, 17)) << k;
        EXPECT_EQ(CountOf(s, CellColor(k)), 7 * 17) << k;
    }
}

TEST_F(DmdTest, ZoomScalesGlyphsAndHangsTheSeparatorBelowTheLine) {
    // zoom 2 x 1.5: cells 16 x 12, separator after position 6 at x 4 + (56 - 5) * 2 = 106,
    // y 2 + 8 * 1.5 = 14, size 8 x 6.
    Settings(0, 1, 2.0, 1.5);
    EXPECT_EQ(engine_.Dmd().ShowDMDNumeric(1000), 0);
    const platform::Surface s = MainDmd();
    EXPECT_EQ(BoundsOf(s, CellColor(1)), MakeRect(kY, kX + 6 * 16, 12, 16));
    EXPECT_EQ(BoundsOf(s, kSeparatorColor), MakeRect(14, 106, 6, 8));
    EXPECT_EQ(CountOf(s, kSeparatorColor), 48);
}

TEST_F(DmdTest, UnusableSettingsDrawNothingAndNeverFail) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double huge = 1e300;
    struct Case {
        int16_t x;
        double x_zoom;
        double y_zoom;
        int16_t slot;
    };
    for (const Case& c :
         {Case{0, 1.0, 1.0, -1}, Case{0, 1.0, 1.0, 500}, Case{0, 1.0, 1.0, 7},
          Case{0, 0.0, 0.0, kFontSlot}, Case{0, nan, nan, kFontSlot}, Case{0, -1.0, 1.0, kFontSlot},
          Case{32767, 1.0, 1.0, kFontSlot}, Case{0, -0.15, -0.15, kFontSlot}}) {
        ASSERT_EQ(engine_.Dmd().SetDMDAttr(c.x, 0, c.x_zoom, c.y_zoom, c.slot, 1, 1), 0);
        EXPECT_EQ(engine_.Dmd().ShowDMDNumeric(1234567890), 0);
        EXPECT_EQ(engine_.Dmd().ShowDMDValue(1234567890), 0);
        EXPECT_EQ(engine_.Dmd().ShowDMDText("AB 12"), 0);
    }
    // Only off-canvas glyphs and zero or negative sizes were asked for, so nothing shows; a
    // size of -1 in particular never reaches the canvas as "to the far edge".
    EXPECT_EQ(CountOf(MainDmd(), 0), kPanelWidth * kPanelHeight);

    // Absurd zooms are drawn as far as the canvas reaches, without overflow.
    for (double zoom : {huge, -huge, std::numeric_limits<double>::infinity()}) {
        ASSERT_EQ(engine_.Dmd().SetDMDAttr(-32768, 32767, zoom, zoom, kFontSlot, 1, 1), 0);
        EXPECT_EQ(engine_.Dmd().ShowDMDNumeric(1234567890), 0);
        EXPECT_EQ(engine_.Dmd().ShowDMDValue(1234567890), 0);
        EXPECT_EQ(engine_.Dmd().ShowDMDText("AB 12"), 0);
    }
    EXPECT_TRUE(Popups().empty());
}

TEST_F(DmdTest, ZeroFrameSizeCutsNoCell) {
    ASSERT_EQ(engine_.BitmapSelection().AddBitmapToSelection("font.png", 5, 8, 0), 0);
    ASSERT_EQ(engine_.Dmd().SetDMDAttr(0, 0, 1.0, 1.0, 5, 0, 0), 0);
    EXPECT_EQ(engine_.Dmd().ShowDMDText("0"), 0);
    ASSERT_EQ(engine_.BitmapSelection().AddBitmapToSelection("font.png", 5, 8, -1), 0);
    EXPECT_EQ(engine_.Dmd().ShowDMDText("0"), 0);
    EXPECT_EQ(CountOf(MainDmd(), 0), kPanelWidth * kPanelHeight);
}

TEST_F(DmdTest, TwinsDrawOnTheExtraPanelWithTheMainSettings) {
    Settings(0, 1);
    // Before the extra panel exists nothing is drawn anywhere.
    EXPECT_EQ(engine_.Dmd().ShowExtraNumeric(5), 0);
    EXPECT_EQ(engine_.Dmd().ShowExtraValue(5), 0);
    EXPECT_EQ(engine_.Dmd().ShowExtraText("5"), 0);
    EXPECT_EQ(CountOf(MainDmd(), 0), kPanelWidth * kPanelHeight);
    EXPECT_TRUE(Popups().empty());

    ASSERT_EQ(engine_.ExtraPanel().InstallExtraPanel(300, 100, 120, 60), 0);
    EXPECT_EQ(engine_.Dmd().ShowExtraNumeric(1000), 0);
    platform::Surface s = ExtraDmd();
    EXPECT_EQ(Field(s), "......1000");
    EXPECT_EQ(BoundsOf(s, kSeparatorColor), SeparatorAfter(6));

    engine_.AreaDrawing().ClearExtra(0, 0, 120, 60, 0);
    EXPECT_EQ(engine_.Dmd().ShowExtraValue(1234), 0);
    s = ExtraDmd();
    EXPECT_EQ(Field(s), "1234......");
    EXPECT_EQ(BoundsOf(s, kSeparatorColor), SeparatorAfter(0));

    engine_.AreaDrawing().ClearExtra(0, 0, 120, 60, 0);
    EXPECT_EQ(engine_.Dmd().ShowExtraText("HI THERE"), 0);
    EXPECT_EQ(CellAt(ExtraDmd(), kX, kY, 2), 16);
    EXPECT_EQ(CountOf(MainDmd(), 0), kPanelWidth * kPanelHeight);

    EXPECT_EQ(engine_.Dmd().ShowExtraNumeric(-1), -1);
    EXPECT_EQ(engine_.Dmd().ShowExtraValue(1e11), -1);
    ASSERT_EQ(Popups().size(), 2u);
    EXPECT_EQ(Popups()[0].text,
              "CVI-function 'ShowExtraNumeric': argument '_DMDNumericValue' out of range (must be "
              "0..9999999999)");
    EXPECT_EQ(Popups()[1].text,
              "CVI-function 'ShowExtraValue': argument '_DMDNumericValue' overflow error (value > "
              "9.999.999.999)");
}

}  // namespace
}  // namespace tov::testing
