#include "engine/dmd.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "dmd_fixture.h"

namespace tov::testing {
namespace {

using platform::MakeRect;

constexpr int kX = 4;  // the display's left and top edge, zoom 1 unless a test says otherwise
constexpr int kY = 2;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

class DmdTest : public DmdFixture {
  protected:
    Dmd& D() { return engine_.Dmd(); }
    void Settings(int16_t zeros, int16_t commas) {
        ASSERT_EQ(D().SetDMDAttr(kX, kY, 1.0, 1.0, kFontSlot, zeros, commas), 0);
    }
    void Clear() { engine_.AreaDrawing().ClearArea(0, 0, kPanelWidth, kPanelHeight, 0); }
    // The characters of the cells at field positions 0..9 (cell k is the character 48 + k), '.'
    // where a position is not one cell's colour throughout.
    static std::string Field(const platform::Surface& s) {
        std::string field;
        for (int p = 0; p < 10; ++p) {
            const uint32_t c = s.At(kX + 8 * p, kY);
            int cell = -1;
            for (int k = 0; k < kFontCells; ++k)
                if (CellColor(k) == c) cell = k;
            bool solid = true;
            for (int y = kY; y < kY + 8; ++y)
                for (int x = kX + 8 * p; x < kX + 8 * p + 8; ++x)
                    solid = solid && s.At(x, y) == c;
            field += cell >= 0 && solid ? static_cast<char>('0' + cell) : '.';
        }
        return field;
    }
    static platform::Rect SeparatorAfter(int p) {
        return MakeRect(kY + 8, kX + 8 * (p + 1) - 5, 4, 4);
    }
    // Exactly one popup since the last check, with this text.
    void ExpectOneReport(const std::string& text) {
        ASSERT_EQ(Rt().Popups().size(), 1u) << text;
        EXPECT_EQ(Rt().Popups()[0].title, "fatal error");
        EXPECT_EQ(Rt().Popups()[0].text, text);
        Rt().ClearPopups();
    }
};

TEST_F(DmdTest, NumericIsRightAlignedWithLeadingZerosOnRequest) {
    Settings(0, 0);
    EXPECT_EQ(D().ShowDMDNumeric(0), 0);
    EXPECT_EQ(Field(MainDmd()), ".........0");
    EXPECT_EQ(BoundsOf(MainDmd(), CellColor(0)), MakeRect(kY, kX + 72, 8, 8));
    // A shorter number leaves the old leading digits.
    D().ShowDMDNumeric(98765);
    D().ShowDMDNumeric(12);
    EXPECT_EQ(Field(MainDmd()), ".....98712");
    Settings(1, 0);
    EXPECT_EQ(D().ShowDMDNumeric(0), 0);
    EXPECT_EQ(Field(MainDmd()), "0000000000");
}

TEST_F(DmdTest, NumericSeparatorsFollowOnlyTheDrawnDigits) {
    Settings(0, 1);
    EXPECT_EQ(D().ShowDMDNumeric(1000), 0);
    EXPECT_EQ(Field(MainDmd()), "......1000");
    EXPECT_EQ(BoundsOf(MainDmd(), kSeparatorColor), SeparatorAfter(6));
    EXPECT_EQ(CountOf(MainDmd(), kSeparatorColor), 16);

    Clear();
    EXPECT_EQ(D().ShowDMDNumeric(1234567), 0);
    const platform::Surface s = MainDmd();
    EXPECT_EQ(Field(s), "...1234567");
    EXPECT_EQ(BoundsOf(s, kSeparatorColor), MakeRect(kY + 8, kX + 27, 4, 28));  // after 3 and 6
    EXPECT_EQ(CountOf(s, kSeparatorColor), 2 * 16);

    Clear();
    Settings(0, 2);  // separators only for exactly 1
    EXPECT_EQ(D().ShowDMDNumeric(1234567), 0);
    EXPECT_EQ(CountOf(MainDmd(), kSeparatorColor), 0);
}

TEST_F(DmdTest, NumericRangeIsCheckedOnTheValueRoundedOnce) {
    Settings(0, 1);
    EXPECT_EQ(D().ShowDMDNumeric(9999999999.0), 0);
    EXPECT_EQ(Field(MainDmd()), "9999999999");
    EXPECT_EQ(CountOf(MainDmd(), kSeparatorColor), 3 * 16);

    Clear();
    for (double v : {10000000000.0, -1.0, kNaN, kInf, 9999999999.5}) {
        EXPECT_EQ(D().ShowDMDNumeric(v), -1) << v;
        ExpectOneReport(
            "CVI-function 'ShowDMDNumeric': argument '_DMDNumericValue' out of range (must be "
            "0..9999999999)");
    }
    EXPECT_EQ(CountOf(MainDmd(), 0), kBlank);

    // 9.6 is drawn as the number 10 is; -0.4 is the whole number 0.
    EXPECT_EQ(D().ShowDMDNumeric(9.6), 0);
    EXPECT_EQ(Field(MainDmd()), "........10");
    Clear();
    EXPECT_EQ(D().ShowDMDNumeric(-0.4), 0);
    EXPECT_EQ(Field(MainDmd()), ".........0");
}

TEST_F(DmdTest, ValueIsLeftAlignedWithSeparatorsBeforeGroupsOfThree) {
    Settings(1, 1);  // leading zeros play no part
    EXPECT_EQ(D().ShowDMDValue(0), 0);
    EXPECT_EQ(Field(MainDmd()), "0.........");
    EXPECT_EQ(D().ShowDMDValue(123), 0);
    EXPECT_EQ(Field(MainDmd()), "123.......");
    EXPECT_EQ(CountOf(MainDmd(), kSeparatorColor), 0);
    EXPECT_EQ(D().ShowDMDValue(1234), 0);
    EXPECT_EQ(Field(MainDmd()), "1234......");
    EXPECT_EQ(BoundsOf(MainDmd(), kSeparatorColor), SeparatorAfter(0));

    Clear();
    EXPECT_EQ(D().ShowDMDValue(10000000000.0), -1);
    ExpectOneReport(
        "CVI-function 'ShowDMDValue': argument '_DMDNumericValue' overflow error (value > "
        "9.999.999.999)");
    // A minus sign has no cell: refused rather than shown as shifted digits.
    for (double v : {-1.0, -kInf, kNaN}) {
        EXPECT_EQ(D().ShowDMDValue(v), -1) << v;
        ExpectOneReport(
            "CVI-function 'ShowDMDValue': argument '_DMDNumericValue' out of range (must be "
            "0..9999999999)");
    }
    EXPECT_EQ(CountOf(MainDmd(), 0), kBlank);
}

TEST_F(DmdTest, TextDrawsTheAtSignCellForASpaceAndEndsAtAZeroCharacter) {
    Settings(0, 0);
    EXPECT_EQ(D().ShowDMDText("GAME OVER"), 0);
    EXPECT_EQ(Field(MainDmd()), "GAME@OVER.");
    Clear();
    EXPECT_EQ(D().ShowDMDText(std::string_view("1!2\0"
                                               "3",
                                               5)),
              0);  // "!" has no cell
    EXPECT_EQ(Field(MainDmd()), "1.2.......");
}

TEST_F(DmdTest, TextDrawsNothingForCodes128To255ButCountsTheirPositions) {
    Settings(0, 0);
    // A font whose strip reaches cell 207, so that codes up to 255 would find a cell in it.
    ASSERT_EQ(platform::WritePng(dir_.File("wide.png"), platform::Surface(8 * 208, 8, 0x7F7F7F)),
              0);
    ASSERT_EQ(engine_.BitmapSelection().AddBitmapToSelection("wide.png", 4, 8, 8), 0);
    ASSERT_EQ(D().SetDMDAttr(kX, kY, 1.0, 1.0, 4, 0, 0), 0);
    EXPECT_EQ(D().ShowDMDText("\x80\xFF"
                              "0\xC4"),
              0);
    EXPECT_EQ(BoundsOf(MainDmd(), 0x7F7F7F), MakeRect(kY, kX + 16, 8, 8));
    EXPECT_EQ(CountOf(MainDmd(), 0x7F7F7F), 64);
    // The last code with a cell.
    EXPECT_EQ(D().ShowDMDText("\x7F"), 0);
    EXPECT_EQ(CountOf(MainDmd(), 0x7F7F7F), 128);
}

TEST_F(DmdTest, FractionalZoomPlacesEveryGlyphFromTheLeftEdge) {
    ASSERT_EQ(platform::WritePng(dir_.File("font7.png"), FontStrip(7, 7)), 0);
    ASSERT_EQ(engine_.BitmapSelection().AddBitmapToSelection("font7.png", 4, 7, 7), 0);
    ASSERT_EQ(D().SetDMDAttr(0, 0, 2.5, 1.5, 4, 0, 1), 0);
    EXPECT_EQ(D().ShowDMDText("02345"), 0);
    const int cells[] = {0, 2, 3, 4, 5};
    const int lefts[] = {0, 17, 35, 52, 70};  // 17 wide: gaps of 0 and 1 pixel alternate
    for (int p = 0; p < 5; ++p) {
        EXPECT_EQ(BoundsOf(MainDmd(), CellColor(cells[p])), MakeRect(0, lefts[p], 10, 17));
        EXPECT_EQ(CountOf(MainDmd(), CellColor(cells[p])), 170);
    }
    // The separator after position 0 starts 5 glyph pixels before its right edge and hangs
    // below the line: left trunc(2 * 2.5), top trunc(20 + 7 * 1.5), size trunc(3 * 2.5) x
    // trunc(3 * 1.5).
    ASSERT_EQ(D().SetDMDAttr(0, 20, 2.5, 1.5, 4, 0, 1), 0);
    EXPECT_EQ(D().ShowDMDValue(1000), 0);
    EXPECT_EQ(BoundsOf(MainDmd(), CellColor(1)), MakeRect(20, 0, 10, 17));
    EXPECT_EQ(BoundsOf(MainDmd(), kSeparatorColor), MakeRect(30, 5, 4, 7));
}

TEST_F(DmdTest, UnusableSettingsDrawNothingAndNeverFail) {
    // fh 0 and fh -1 cut no cell (-1 must not mean "the whole strip").
    engine_.BitmapSelection().AddBitmapToSelection("font.png", 5, 8, 0);
    engine_.BitmapSelection().AddBitmapToSelection("font.png", 6, 8, -1);
    struct Case {
        int16_t x;
        double zoom;
        int16_t slot;
    };
    // Zoom -0.15 makes glyphs trunc(-1.2) = -1 wide: drawn as nothing, not to the far edge.
    for (const Case& c : {Case{0, 1.0, -1}, Case{0, 1.0, 500}, Case{0, 1.0, 7}, Case{0, 1.0, 5},
                          Case{0, 1.0, 6}, Case{0, 0.0, kFontSlot}, Case{0, kNaN, kFontSlot},
                          Case{0, -0.15, kFontSlot}, Case{32767, 1.0, kFontSlot}}) {
        ASSERT_EQ(D().SetDMDAttr(c.x, 0, c.zoom, c.zoom, c.slot, 1, 1), 0);
        EXPECT_EQ(D().ShowDMDNumeric(1234567890), 0);
        EXPECT_EQ(D().ShowDMDValue(1234567890), 0);
        EXPECT_EQ(D().ShowDMDText("AB 12"), 0);
    }
    EXPECT_EQ(CountOf(MainDmd(), 0), kBlank);
    for (double zoom : {1e300, -1e300, kInf}) {  // drawn as far as the canvas reaches
        ASSERT_EQ(D().SetDMDAttr(-32768, 32767, zoom, zoom, kFontSlot, 1, 1), 0);
        EXPECT_EQ(D().ShowDMDNumeric(1234567890), 0);
        EXPECT_EQ(D().ShowDMDText("AB 12"), 0);
    }
    EXPECT_TRUE(Rt().Popups().empty());
}

TEST_F(DmdTest, TwinsDrawOnTheExtraPanelWithTheMainSettings) {
    Settings(0, 1);
    EXPECT_EQ(D().ShowExtraNumeric(5), 0);  // no extra panel yet: nothing anywhere
    EXPECT_EQ(D().ShowExtraValue(5), 0);
    EXPECT_EQ(D().ShowExtraText("5"), 0);
    EXPECT_EQ(CountOf(MainDmd(), 0), kBlank);

    ASSERT_EQ(engine_.ExtraPanel().InstallExtraPanel(300, 100, 120, 60), 0);
    EXPECT_EQ(D().ShowExtraNumeric(1000), 0);
    EXPECT_EQ(Field(ExtraDmd()), "......1000");
    EXPECT_EQ(BoundsOf(ExtraDmd(), kSeparatorColor), SeparatorAfter(6));
    engine_.AreaDrawing().ClearExtra(0, 0, 120, 60, 0);
    EXPECT_EQ(D().ShowExtraValue(1234), 0);
    EXPECT_EQ(Field(ExtraDmd()), "1234......");
    engine_.AreaDrawing().ClearExtra(0, 0, 120, 60, 0);
    EXPECT_EQ(D().ShowExtraText("HI THERE"), 0);
    EXPECT_EQ(Field(ExtraDmd()), "HI@THERE..");
    EXPECT_EQ(CountOf(MainDmd(), 0), kBlank);

    EXPECT_EQ(D().ShowExtraNumeric(-1), -1);
    ExpectOneReport(
        "CVI-function 'ShowExtraNumeric': argument '_DMDNumericValue' out of range (must be "
        "0..9999999999)");
    EXPECT_EQ(D().ShowExtraValue(1e11), -1);
    ExpectOneReport(
        "CVI-function 'ShowExtraValue': argument '_DMDNumericValue' overflow error (value > "
        "9.999.999.999)");
}

}  // namespace
}  // namespace tov::testing
