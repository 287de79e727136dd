#include "server/convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace tov::server {
namespace {

using platform::Variant;

// The value a body parameter of `type` receives for `v`; fails the test when it is refused.
Argument Converted(Variant v, ParamType type) {
    Argument out;
    std::string reason;
    EXPECT_TRUE(ConvertArgument(v, type, &out, &reason)) << reason;
    return out;
}

std::string Refusal(Variant v, ParamType type) {
    Argument out;
    std::string reason;
    EXPECT_FALSE(ConvertArgument(v, type, &out, &reason));
    return reason;
}

TEST(Convert, IntegersAreCutToTheParameterWidth) {
    EXPECT_EQ(Converted(Variant::I4(70000), ParamType::I2).integer, 4464);
    EXPECT_EQ(Converted(Variant::I4(-70000), ParamType::I2).integer, -4464);
    EXPECT_EQ(Converted(Variant::I4(32768), ParamType::I2).integer, -32768);
    EXPECT_EQ(Converted(Variant::I4(65535), ParamType::I2).integer, -1);
    EXPECT_EQ(Converted(Variant::I8(0x123456789ABCLL), ParamType::I2).integer, -25924);
    EXPECT_EQ(Converted(Variant::I4(300), ParamType::UI1).integer, 44);
    EXPECT_EQ(Converted(Variant::I4(-1), ParamType::UI1).integer, 255);
    EXPECT_EQ(Converted(Variant::I8(0x1FFFFFFFFLL), ParamType::I4).integer, -1);
    EXPECT_EQ(Converted(Variant::I2(-5), ParamType::I4).integer, -5);
    EXPECT_EQ(Converted(Variant::UI1(200), ParamType::I2).integer, 200);
}

TEST(Convert, DoublesAreRoundedHalfToEvenBeforeTheCut) {
    EXPECT_EQ(Converted(Variant::R8(2.5), ParamType::I2).integer, 2);
    EXPECT_EQ(Converted(Variant::R8(3.5), ParamType::I2).integer, 4);
    EXPECT_EQ(Converted(Variant::R8(-2.5), ParamType::I2).integer, -2);
    EXPECT_EQ(Converted(Variant::R8(-3.5), ParamType::I2).integer, -4);
    EXPECT_EQ(Converted(Variant::R8(2.4999999), ParamType::I2).integer, 2);
    EXPECT_EQ(Converted(Variant::R8(-0.6), ParamType::I4).integer, -1);
    EXPECT_EQ(Converted(Variant::R8(0.5), ParamType::UI1).integer, 0);
    EXPECT_EQ(Converted(Variant::R8(255.5), ParamType::UI1).integer, 0);  // 256, cut
    EXPECT_EQ(Converted(Variant::R8(70000.4), ParamType::I2).integer, 4464);
    EXPECT_EQ(Converted(Variant::R8(3e9), ParamType::I4).integer, -1294967296);
    // Far beyond every integer width: the low bits of the whole number, no overflow.
    EXPECT_EQ(Converted(Variant::R8(1e300), ParamType::I2).integer, 0);
    EXPECT_EQ(Converted(Variant::R8(-4294967297.0), ParamType::I4).integer, -1);
    EXPECT_EQ(Converted(Variant::R8(2.5), ParamType::R8).real, 2.5);
}

TEST(Convert, RoundHalfToEvenAndLowBits) {
    EXPECT_EQ(RoundHalfToEven(0.5), 0.0);
    EXPECT_EQ(RoundHalfToEven(1.5), 2.0);
    EXPECT_EQ(RoundHalfToEven(-1.5), -2.0);
    EXPECT_EQ(RoundHalfToEven(4503599627370497.0), 4503599627370497.0);
    EXPECT_EQ(LowBits(-1.0), 0xFFFFFFFFu);
    EXPECT_EQ(LowBits(4294967296.0 * 3 + 7), 7u);
    EXPECT_EQ(LowBits(std::numeric_limits<double>::infinity()), 0u);
}

TEST(Convert, NumericStringsAreParsedThenConverted) {
    EXPECT_EQ(Converted(Variant::String("800"), ParamType::I2).integer, 800);
    EXPECT_EQ(Converted(Variant::String("  -12\t"), ParamType::I2).integer, -12);
    EXPECT_EQ(Converted(Variant::String("+7"), ParamType::UI1).integer, 7);
    EXPECT_EQ(Converted(Variant::String("70000"), ParamType::I2).integer, 4464);
    EXPECT_EQ(Converted(Variant::String("2.5"), ParamType::I2).integer, 2);
    EXPECT_EQ(Converted(Variant::String("3.5"), ParamType::I2).integer, 4);
    EXPECT_EQ(Converted(Variant::String("1e3"), ParamType::I4).integer, 1000);
    EXPECT_EQ(Converted(Variant::String("99999999999999999999"), ParamType::I2).integer, 0);
    EXPECT_EQ(Converted(Variant::String("0.25"), ParamType::R8).real, 0.25);
    EXPECT_EQ(Converted(Variant::String(".5"), ParamType::R8).real, 0.5);
}

TEST(Convert, TextThatIsNoNumberIsRefusedWithItsReason) {
    EXPECT_EQ(Refusal(Variant::String("abc"), ParamType::I2), "\"abc\" is not a number");
    EXPECT_EQ(Refusal(Variant::String(""), ParamType::I4), "\"\" is not a number");
    EXPECT_EQ(Refusal(Variant::String("12abc"), ParamType::UI1), "\"12abc\" is not a number");
    EXPECT_EQ(Refusal(Variant::String("1-2"), ParamType::R8), "\"1-2\" is not a number");
    EXPECT_EQ(Refusal(Variant::String("-"), ParamType::R8), "\"-\" is not a number");
    EXPECT_EQ(Refusal(Variant::String("inf"), ParamType::R8), "\"inf\" is not a number");
    EXPECT_EQ(Refusal(Variant::String("0x10"), ParamType::I2), "\"0x10\" is not a number");
    EXPECT_EQ(Refusal(Variant::String("1e999"), ParamType::R8), "\"1e999\" is not a number");
    EXPECT_EQ(Refusal(Variant::String(std::string(60, '9') + "x"), ParamType::I2),
              "\"" + std::string(40, '9') + "...\" is not a number");
    EXPECT_EQ(Refusal(Variant::NullString(), ParamType::I2), "an empty text is not a number");
    EXPECT_EQ(Refusal(Variant::Null(), ParamType::I2), "a null value is not a number");
    EXPECT_EQ(Refusal(Variant::Null(), ParamType::Text), "a null value is not a text");
    EXPECT_EQ(Refusal(Variant::R8(std::nan("")), ParamType::I2),
              "the value is not a finite number");
}

TEST(Convert, EmptyIsZeroAndBoolIsMinusOneOrZero) {
    EXPECT_EQ(Converted(Variant(), ParamType::I2).integer, 0);
    EXPECT_EQ(Converted(Variant(), ParamType::R8).real, 0.0);
    EXPECT_EQ(Converted(Variant(), ParamType::Text).text, "");
    EXPECT_EQ(Converted(Variant::Bool(true), ParamType::I2).integer, -1);
    EXPECT_EQ(Converted(Variant::Bool(true), ParamType::UI1).integer, 255);
    EXPECT_EQ(Converted(Variant::Bool(false), ParamType::I4).integer, 0);
    EXPECT_EQ(Converted(Variant::Bool(true), ParamType::R8).real, -1.0);
}

TEST(Convert, TextParameters) {
    EXPECT_EQ(Converted(Variant::NullString(), ParamType::Text).text, "");
    EXPECT_EQ(Converted(Variant::String("Score"), ParamType::Text).text, "Score");
    EXPECT_EQ(Converted(Variant::I4(-42), ParamType::Text).text, "-42");
    EXPECT_EQ(Converted(Variant::UI1(7), ParamType::Text).text, "7");
    EXPECT_EQ(Converted(Variant::Bool(true), ParamType::Text).text, "-1");
    EXPECT_EQ(Converted(Variant::R8(2.5), ParamType::Text).text, "2.5");
    EXPECT_EQ(Converted(Variant::R8(1.0 / 3.0), ParamType::Text).text, "0.333333333333333");
    EXPECT_EQ(Converted(Variant::R8(1e20), ParamType::Text).text, "1E+20");
    EXPECT_EQ(Converted(Variant::R8(0.00001), ParamType::Text).text, "1E-05");
    EXPECT_EQ(Converted(Variant::R8(123456789012345.0), ParamType::Text).text, "123456789012345");
    EXPECT_EQ(Converted(Variant::R8(-0.0), ParamType::Text).text, "0");
    EXPECT_EQ(Converted(Variant::R8(-1.5e-7), ParamType::Text).text, "-1.5E-07");
    EXPECT_EQ(Converted(Variant::R8(1e15), ParamType::Text).text, "1E+15");
    EXPECT_EQ(
        Converted(Variant::R8(-std::numeric_limits<double>::infinity()), ParamType::Text).text,
        "-INF");
}

TEST(Convert, ReferencesAreReadThrough) {
    Variant value = Variant::I4(70000);
    Variant inner = Variant::Ref(&value);
    EXPECT_EQ(Converted(Variant::Ref(&value), ParamType::I2).integer, 4464);
    EXPECT_EQ(Converted(Variant::Ref(&inner), ParamType::I2).integer, 4464);
    Variant text = Variant::String("12");
    EXPECT_EQ(Converted(Variant::Ref(&text), ParamType::Text).text, "12");
    EXPECT_EQ(Refusal(Variant::Ref(nullptr), ParamType::I2), "the reference leads to no value");

    // A cycle a client built ends after a few steps instead of running forever.
    Variant a;
    Variant b = Variant::Ref(&a);
    a = Variant::Ref(&b);
    EXPECT_EQ(Refusal(Variant::Ref(&a), ParamType::R8), "the reference leads to no value");
}

TEST(Convert, OutArgumentsTakeAReferenceToTheVariantTheBodyFills) {
    Variant score = Variant::I2(0);
    Variant reference = Variant::Ref(&score);
    Argument out = Converted(Variant::Ref(&reference), ParamType::VariantOut);
    ASSERT_EQ(out.out, &score);
    out.out->SetR8(12.5);
    EXPECT_EQ(score.Type(), platform::VariantType::R8);
    EXPECT_EQ(score.Real(), 12.5);

    EXPECT_EQ(Refusal(Variant::R8(1.0), ParamType::VariantOut),
              "an out argument must be passed by reference");
    EXPECT_EQ(Refusal(Variant(), ParamType::VariantOut),
              "an out argument must be passed by reference");
    EXPECT_EQ(Refusal(Variant::Ref(nullptr), ParamType::VariantOut),
              "the reference leads to no variant");
}

// Arbitrary variants of every kind: every conversion either refuses with a reason or gives a
// value inside the parameter's range (the sanitizer build checks that no cast overflows).
TEST(Convert, ArbitraryValuesStayInsideTheParameterRange) {
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<int> kind(0, 7);
    const char* const kTexts[] = {"",
                                  " ",
                                  "-",
                                  "1e308",
                                  "1e309",
                                  "-2.5",
                                  "99999999999999999999",
                                  "0.49999999999999994",
                                  "1e-400",
                                  "nan",
                                  "12 34",
                                  "+-1"};
    for (int round = 0; round < 20000; ++round) {
        Variant v;
        const uint64_t bits = random();
        double real = 0.0;
        static_assert(sizeof real == sizeof bits);
        std::memcpy(&real, &bits, sizeof real);
        switch (kind(random)) {
            case 0:
                v = Variant::I8(static_cast<int64_t>(bits));
                break;
            case 1:
                v = Variant::R8(real);  // any bit pattern: NaNs, infinities, subnormals
                break;
            case 2:
                v = Variant::R8(static_cast<double>(static_cast<int64_t>(bits)) / 7.0);
                break;
            case 3:
                v = Variant::String(kTexts[bits % std::size(kTexts)]);
                break;
            case 4:
                v = Variant::String(std::to_string(real));
                break;
            case 5:
                v = Variant::Bool(bits & 1);
                break;
            case 6:
                v = Variant::I4(static_cast<int32_t>(bits));
                break;
            default:
                v = Variant::Null();
                break;
        }
        for (ParamType type :
             {ParamType::I2, ParamType::I4, ParamType::UI1, ParamType::R8, ParamType::Text}) {
            Argument out;
            std::string reason;
            if (!ConvertArgument(v, type, &out, &reason)) {
                EXPECT_FALSE(reason.empty());
                continue;
            }
            if (type == ParamType::I2) {
                EXPECT_TRUE(out.integer >= INT16_MIN && out.integer <= INT16_MAX);
            } else if (type == ParamType::UI1) {
                EXPECT_TRUE(out.integer >= 0 && out.integer <= UINT8_MAX);
            } else if (type == ParamType::I4) {
                EXPECT_TRUE(out.integer >= INT32_MIN && out.integer <= INT32_MAX);
            }
        }
    }
}

}  // namespace
}  // namespace tov::server
