#include "scores/highscores.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "engine/engine.h"

namespace tov {
namespace {

using platform::Variant;

struct Entry {
    double score = 0.0;
    std::string name, text1, text2;
    friend bool operator==(const Entry&, const Entry&) = default;
};

Entry Read(Engine& engine, uint8_t index) {
    Variant score, name, text1, text2;
    EXPECT_EQ(engine.Highscores().ReadHighscoreFromCVI(index, &score, &name, &text1, &text2), 0);
    EXPECT_EQ(score.Type(), platform::VariantType::R8);
    EXPECT_EQ(name.Type(), platform::VariantType::String);
    return {score.Real(), name.Text(), text1.Text(), text2.Text()};
}

int Write(Engine& engine, uint8_t index, const Entry& e) {
    return engine.Highscores().WriteHighscoreToCVI(index, e.score, e.name, e.text1, e.text2);
}

// The one popup the last refusal showed, as "title|text"; fails unless there is exactly one.
std::string OnlyPopup(Engine& engine) {
    const auto& popups = engine.Runtime().Popups();
    EXPECT_EQ(popups.size(), 1u);
    if (popups.empty()) return "";
    return popups.back().title + "|" + popups.back().text;
}

const std::string k25(25, 'x');
const std::string k26(26, 'y');

TEST(Highscores, LastIndexKeepsTextsOfTwentyFiveBytes) {
    Engine engine;
    const Entry full{1234567.5, std::string(25, 'N'), std::string(25, 'a'), std::string(25, 'b')};
    EXPECT_EQ(Write(engine, 99, full), 0);
    EXPECT_EQ(Read(engine, 99), full);
    EXPECT_TRUE(engine.Runtime().Popups().empty());
}

TEST(Highscores, WriteTouchesOnlyItsOwnEntry) {
    Engine engine;
    const Entry six{6.0, "six", "vi", "VI"};
    ASSERT_EQ(Write(engine, 6, six), 0);
    ASSERT_EQ(Write(engine, 4, {4.0, "four", "", ""}), 0);
    EXPECT_EQ(Write(engine, 5, {5.0, k25, k25, k25}), 0);
    EXPECT_EQ(Read(engine, 6), six);
    EXPECT_EQ(Read(engine, 4), (Entry{4.0, "four", "", ""}));
    // A shorter text over a longer one reads back as the shorter.
    EXPECT_EQ(Write(engine, 5, {5.0, "ab", "", "c"}), 0);
    EXPECT_EQ(Read(engine, 5), (Entry{5.0, "ab", "", "c"}));
}

TEST(Highscores, TooLongTextRefusedWithItsMessageAndNothingChanges) {
    Engine engine;
    const Entry before{77.0, "old", "one", "two"};
    ASSERT_EQ(Write(engine, 3, before), 0);

    // The name is checked before the second text: only its message shows.
    EXPECT_EQ(Write(engine, 3, {99.0, k26, "", k26}), -1);
    EXPECT_EQ(OnlyPopup(engine),
              "fatal error|CVI-function 'WriteHighscoreToCVI': argument '_Highname' too long "
              "(max. 25 characters)");
    EXPECT_EQ(Read(engine, 3), before);

    engine.Runtime().ClearPopups();
    EXPECT_EQ(Write(engine, 3, {99.0, k25, k26, k26}), -1);
    EXPECT_EQ(OnlyPopup(engine),
              "fatal error|CVI-function 'WriteHighscoreToCVI': argument '_Highstring1' too long "
              "(max. 25 characters)");

    engine.Runtime().ClearPopups();
    EXPECT_EQ(Write(engine, 3, {99.0, k25, k25, k26}), -1);
    EXPECT_EQ(OnlyPopup(engine),
              "fatal error|CVI-function 'WriteHighscoreToCVI': argument '_Highstring2' too long "
              "(max. 25 characters)");
    EXPECT_EQ(Read(engine, 3), before);
}

TEST(Highscores, IndexAboveNinetyNineRefusedByWriteAndRead) {
    for (int index : {100, 255}) {
        Engine engine;
        EXPECT_EQ(Write(engine, static_cast<uint8_t>(index), {1.0, "a", "b", "c"}), -1);
        EXPECT_EQ(OnlyPopup(engine),
                  "fatal error|CVI-function 'WriteHighscoreToCVI': argument '_Index' out of range "
                  "(must be 0..99)");

        engine.Runtime().ClearPopups();
        Variant score = Variant::I2(7), name, text1, text2;
        EXPECT_EQ(engine.Highscores().ReadHighscoreFromCVI(static_cast<uint8_t>(index), &score,
                                                           &name, &text1, &text2),
                  -1);
        EXPECT_EQ(OnlyPopup(engine),
                  "fatal error|CVI-function 'ReadHighscoreFromCVI': argument '_Index' out of "
                  "range (must be 0..99)");
        EXPECT_EQ(score.Type(), platform::VariantType::I2);  // the out arguments stay as they were
        EXPECT_EQ(score.Integer(), 7);
    }
}

TEST(Highscores, LineFeedInTextRefusedAfterTheLengthChecks) {
    Engine engine;
    const Entry before{5.0, "keep", "", ""};
    ASSERT_EQ(Write(engine, 0, before), 0);

    EXPECT_EQ(Write(engine, 0, {9.0, "a\nb", "", ""}), -1);
    EXPECT_EQ(OnlyPopup(engine),
              "fatal error|CVI-function 'WriteHighscoreToCVI': argument '_Highname' contains a "
              "line feed (not allowed)");
    engine.Runtime().ClearPopups();
    EXPECT_EQ(Write(engine, 0, {9.0, "", "", "\n"}), -1);
    EXPECT_EQ(OnlyPopup(engine),
              "fatal error|CVI-function 'WriteHighscoreToCVI': argument '_Highstring2' contains a "
              "line feed (not allowed)");
    // A text that is too long is reported as such even when an earlier one holds a line feed.
    engine.Runtime().ClearPopups();
    EXPECT_EQ(Write(engine, 0, {9.0, "\n", k26, ""}), -1);
    EXPECT_EQ(OnlyPopup(engine),
              "fatal error|CVI-function 'WriteHighscoreToCVI': argument '_Highstring1' too long "
              "(max. 25 characters)");
    EXPECT_EQ(Read(engine, 0), before);
}

TEST(Highscores, ZeroByteEndsATextAsInAZeroTerminatedString) {
    Engine engine;
    const std::string with_zero = std::string("abc") + '\0' + std::string(30, 'z') + "\n";
    EXPECT_EQ(Write(engine, 1, {1.0, with_zero, "", ""}), 0);
    EXPECT_EQ(Read(engine, 1).name, "abc");
}

TEST(Highscores, SortRefusesAnEmptyOrReversedRangeAndAnIndexAboveNinetyNine) {
    const std::string min_message =
        "fatal error|CVI-function 'SortHighscores': argument '_MinIndex' out of range (must be "
        "0..(_MaxIndex-1)";
    const std::string max_message =
        "fatal error|CVI-function 'SortHighscores': argument '_MaxIndex' out of range (must be "
        "(_MinIndex+1)..99)";
    struct Case {
        uint8_t min, max;
        const std::string& message;
    };
    for (const Case& c :
         {Case{5, 5, min_message}, Case{7, 2, min_message}, Case{200, 150, min_message},
          Case{0, 100, max_message}, Case{98, 255, max_message}}) {
        Engine engine;
        ASSERT_EQ(Write(engine, 0, {3.0, "", "", ""}), 0);
        EXPECT_EQ(engine.Highscores().SortHighscores(c.min, c.max), -1);
        EXPECT_EQ(OnlyPopup(engine), c.message) << int(c.min) << ".." << int(c.max);
        EXPECT_EQ(Read(engine, 0).score, 3.0);
    }
}

TEST(Highscores, SortOfAFreshTableIsQuiet) {
    Engine engine;
    EXPECT_EQ(engine.Highscores().SortHighscores(0, 99), 0);
    EXPECT_TRUE(engine.Runtime().Popups().empty());
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(Read(engine, static_cast<uint8_t>(i)), Entry{});
}

TEST(Highscores, SortMovesEachScoreWithItsTextsAndStaysInItsRange) {
    Engine engine;
    const Entry thirty{30, "Thirty", "t1", std::string(25, 'T')};
    const Entry ten{10, "Ten", "", "x"};
    const Entry twenty{20, "Twenty", "tw", ""};
    const Entry outside{1, "outside", "", ""};
    ASSERT_EQ(Write(engine, 0, thirty), 0);
    ASSERT_EQ(Write(engine, 1, ten), 0);
    ASSERT_EQ(Write(engine, 2, twenty), 0);
    ASSERT_EQ(Write(engine, 3, outside), 0);
    EXPECT_EQ(engine.Highscores().SortHighscores(0, 2), 0);
    EXPECT_EQ(Read(engine, 0), ten);
    EXPECT_EQ(Read(engine, 1), twenty);
    EXPECT_EQ(Read(engine, 2), thirty);
    EXPECT_EQ(Read(engine, 3), outside);

    // A range that starts above 0 leaves the entries below it alone.
    ASSERT_EQ(Write(engine, 4, {-5, "neg", "", ""}), 0);
    EXPECT_EQ(engine.Highscores().SortHighscores(2, 4), 0);
    EXPECT_EQ(Read(engine, 1), twenty);
    EXPECT_EQ(Read(engine, 2).name, "neg");
    EXPECT_EQ(Read(engine, 3).name, "outside");
    EXPECT_EQ(Read(engine, 4), thirty);
}

TEST(Highscores, SortKeepsEqualScoresInTheirOrder) {
    Engine engine;
    ASSERT_EQ(Write(engine, 10, {50, "first", "", ""}), 0);
    ASSERT_EQ(Write(engine, 11, {50, "second", "", ""}), 0);
    ASSERT_EQ(Write(engine, 12, {10, "low", "", ""}), 0);
    ASSERT_EQ(Write(engine, 13, {50, "third", "", ""}), 0);
    EXPECT_EQ(engine.Highscores().SortHighscores(10, 13), 0);
    EXPECT_EQ(Read(engine, 10).name, "low");
    EXPECT_EQ(Read(engine, 11).name, "first");
    EXPECT_EQ(Read(engine, 12).name, "second");
    EXPECT_EQ(Read(engine, 13).name, "third");
}

TEST(Highscores, SortEndsWhateverTheScores) {
    // A NaN compares false with everything, so every comparison with one exchanges: only the
    // shrinking bound ends the passes.
    Engine engine;
    const double nan = std::nan("");
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(Write(engine, static_cast<uint8_t>(i), {i % 3 ? nan : -i * 1.0, "", "", ""}), 0);
    }
    EXPECT_EQ(engine.Highscores().SortHighscores(0, 99), 0);
    EXPECT_TRUE(engine.Runtime().Popups().empty());
}

}  // namespace
}  // namespace tov
