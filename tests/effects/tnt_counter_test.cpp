#include "effects/tnt_counter.h"

#include <array>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "support/golden.h"
#include "text_effect_test_support.h"

namespace tov::testing {
namespace {

using platform::Attr;
constexpr int kTntText = platform::main_panel::kTntText;

std::string Format(std::string_view pre, int64_t v, int d, std::string_view post) {
    std::array<char, 200> out{};
    const size_t length = FormatTntText(pre, v, d, post, out.data(), out.size());
    return std::string(out.data(), length);
}

TEST(TntFormat, GroupsOfThreePaddedWithZeros) {
    EXPECT_EQ(Format("BONUS ", 42, 5, " X"), "BONUS 00.042 X");
    const char* zeros[] = {"",           "0",           "00",           "000",
                           "0.000",      "00.000",      "000.000",      "0.000.000",
                           "00.000.000", "000.000.000", "0.000.000.000"};
    for (int d = 0; d <= 10; ++d)
        EXPECT_EQ(Format("<", 0, d, ">"), std::string("<") + zeros[d] + ">") << "d = " << d;
    EXPECT_EQ(Format("", 2147483647, 10, ""), "2.147.483.647");
    EXPECT_EQ(Format("", 1234567, 7, ""), "1.234.567");
    EXPECT_EQ(Format("", 7, 9, ""), "000.000.007");
}

TEST(TntFormat, TooNarrowSettingsAndNegativeValuesGiveDefinedStrings) {
    EXPECT_EQ(Format("", 12345, 3, ""), "345");  // digits above the leading group are dropped
    EXPECT_EQ(Format("", 57, 1, ""), "57");      // a leading group prints all its digits
    EXPECT_EQ(Format("", 1234567, 4, ""), "234.567");
    EXPECT_EQ(Format("", -42, 5, ""), "-00.042");  // sign, then the absolute value
    EXPECT_EQ(Format("", -7, 0, ""), "");
    EXPECT_EQ(Format("a", std::numeric_limits<int32_t>::min(), 10, "b"), "a-2.147.483.648b");
    EXPECT_EQ(TntDigitCount(0), 1);
    EXPECT_EQ(TntDigitCount(-1), 1);
    EXPECT_EQ(TntDigitCount(-1000), 4);
    EXPECT_EQ(TntDigitCount(std::numeric_limits<int32_t>::min()), 10);
    EXPECT_EQ(TntDigitCount(std::numeric_limits<int32_t>::max()), 10);
}

TEST(TntFormat, OutputIsCutToTheBuffer) {
    std::array<char, 6> out{};
    out.fill('#');
    EXPECT_EQ(FormatTntText("BONUS ", 42, 5, " X", out.data(), out.size()), 5u);
    EXPECT_EQ(std::string(out.data()), "BONUS");
}

class TntCounterTest : public TextEffectTestBase<> {
  protected:
    TntCounter& Tnt() { return engine_.TntCounter(); }
    int Set(const std::string& pre, const std::string& post, int16_t digits, int16_t x = -1,
            int16_t y = -1) {
        return Tnt().SetTNTAttr(pre, post, kTestFace, 1, 0, 0xFFA000, 30, x, y, digits);
    }
    std::string Shown(int32_t value) {
        EXPECT_EQ(Tnt().ShowTNT(value), 0);
        return Value(kTntText);
    }
};

TEST_F(TntCounterTest, SetUpSizesByTheZeroSampleAndShowsTheValue) {
    ASSERT_EQ(Set("BONUS ", " X", 5), 0);
    EXPECT_EQ(Attribute(kTntText, Attr::Left), 800);  // not shown yet
    EXPECT_EQ(Value(kTntText), "BONUS 00.000 X");
    EXPECT_EQ(Attribute(kTntText, Attr::TextPointSize), 30);
    EXPECT_EQ(Attribute(kTntText, Attr::TextColor), 0xFFA000);
    EXPECT_EQ(TextAttribute(kTntText, Attr::TextFont), kTestFace);
    EXPECT_EQ(Attribute(kTntText, Attr::TextBold), 1);
    EXPECT_EQ(Attribute(kTntText, Attr::TextItalic), 0);
    const int width = Attribute(kTntText, Attr::Width);
    EXPECT_GT(width, 100);

    EXPECT_EQ(Shown(42), "BONUS 00.042 X");
    EXPECT_EQ(Attribute(kTntText, Attr::Left), 400 - width / 2);
    EXPECT_EQ(Attribute(kTntText, Attr::Top), 300 - 15);
    EXPECT_EQ(Attribute(kTntText, Attr::Width), width);  // showing never resizes

    ASSERT_EQ(Tnt().HideTNT(), 0);
    EXPECT_EQ(Attribute(kTntText, Attr::Left), 800);
    EXPECT_EQ(Shown(43), "BONUS 00.043 X");
    EXPECT_EQ(Attribute(kTntText, Attr::Left), 400 - width / 2);
    ASSERT_EQ(Tnt().ChangeTNTColor(0x00FF00), 0);
    EXPECT_EQ(Attribute(kTntText, Attr::TextColor), 0x00FF00);
}

TEST_F(TntCounterTest, AutomaticDigitsFollowTheValue) {
    ASSERT_EQ(Set("", "", -1, 10, 20), 0);
    EXPECT_EQ(Value(kTntText), "0.000.000.000");  // the widest sample sizes the control
    EXPECT_EQ(Shown(0), "0");
    EXPECT_EQ(Tnt().TNTDigits, -1);
    EXPECT_EQ(Shown(7), "7");
    EXPECT_EQ(Shown(1234567), "1.234.567");
    EXPECT_EQ(Tnt().TNTDigits, -1);
    EXPECT_EQ(Shown(2147483647), "2.147.483.647");
    EXPECT_EQ(Shown(-1234), "-1.234");
    EXPECT_EQ(Shown(std::numeric_limits<int32_t>::min()), "-2.147.483.648");
    EXPECT_EQ(Tnt().TNTDigits, -1);
    EXPECT_EQ(Attribute(kTntText, Attr::Left), 10);
    EXPECT_EQ(Attribute(kTntText, Attr::Top), 20);
}

TEST_F(TntCounterTest, NoDigitsShowsOnlyTheTexts) {
    ASSERT_EQ(Set("LEVEL", "!", 0), 0);
    EXPECT_EQ(Shown(123), "LEVEL!");
    EXPECT_EQ(Shown(-5), "LEVEL!");
}

TEST_F(TntCounterTest, TextsUpTo75CharactersAreAccepted) {
    const std::string longest(75, 'p');
    ASSERT_EQ(Set(longest, longest, 3), 0);
    EXPECT_EQ(Shown(9), longest + "009" + longest);
    EXPECT_EQ(PopupCount(), 0u);

    Tnt().ShowTNT(1);
    EXPECT_EQ(Set(std::string(76, 'q'), "", 3), -1);
    ASSERT_EQ(PopupCount(), 1u);
    EXPECT_EQ(LastPopup().title, "fatal error");
    EXPECT_EQ(LastPopup().text,
              "CVI-function 'SetTNTAttr': string(s) '_TNTPreText' and/or '_TNTPostText' too long "
              "(max. 75 characters)");
    EXPECT_EQ(Attribute(kTntText, Attr::Left), 800);  // parked before the check
    EXPECT_EQ(Set("", std::string(76, 'q'), 3), -1);
    EXPECT_EQ(Shown(2), longest + "002" + longest);  // the stored texts stay
}

TEST_F(TntCounterTest, DigitsOutsideMinusOneToTenAreRefusedAfterStoringTheTexts) {
    ASSERT_EQ(Set("A", "B", 2), 0);
    for (int16_t digits : {int16_t{11}, int16_t{-2}, int16_t{32767}}) {
        EXPECT_EQ(Set("C", "D", digits), -1);
        EXPECT_EQ(LastPopup().title, "fatal error");
        EXPECT_EQ(LastPopup().text,
                  "CVI-function 'SetTNTAttr': '_TNTDigits' out of range (must be -1..10)");
    }
    EXPECT_EQ(Tnt().TNTDigits, 2);
    EXPECT_EQ(Shown(5), "C05D");
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
