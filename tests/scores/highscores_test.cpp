#include "scores/highscores.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "engine/engine.h"

namespace tov {
namespace {

struct Entry {
    double score = 0.0;
    std::string name, text1, text2;
    friend bool operator==(const Entry&, const Entry&) = default;
};

Entry Read(Engine& engine, uint8_t index) {
    platform::Variant score, name, text1, text2;
    EXPECT_EQ(engine.Highscores().ReadHighscoreFromCVI(index, &score, &name, &text1, &text2), 0);
    return {score.Real(), name.Text(), text1.Text(), text2.Text()};
}

int Write(Engine& engine, int index, const Entry& e) {
    return engine.Highscores().WriteHighscoreToCVI(static_cast<uint8_t>(index), e.score, e.name,
                                                   e.text1, e.text2);
}

// The popups shown since the last call, as "title|text" lines.
std::string TakePopups(Engine& engine) {
    std::string all;
    for (const auto& p : engine.Runtime().Popups())
        all += p.title + "|" + p.text + "\n";
    engine.Runtime().ClearPopups();
    return all;
}

const std::string k25(25, 'x'), k26(26, 'y');

TEST(Highscores, WriteKeepsTwentyFiveByteTextsAndTouchesOnlyItsEntry) {
    Engine engine;
    const Entry full{1234567.5, std::string(25, 'N'), std::string(25, 'a'), std::string(25, 'b')};
    EXPECT_EQ(Write(engine, 99, full), 0);
    EXPECT_EQ(Read(engine, 99), full);

    const Entry six{6.0, "six", "vi", "VI"};
    ASSERT_EQ(Write(engine, 6, six), 0);
    EXPECT_EQ(Write(engine, 5, {5.0, k25, k25, k25}), 0);
    EXPECT_EQ(Read(engine, 6), six);
    // A shorter text over a longer one reads as the shorter; a zero byte ends a text.
    EXPECT_EQ(Write(engine, 5, {5.0, "ab", std::string("c\0", 2) + k26, ""}), 0);
    EXPECT_EQ(Read(engine, 5), (Entry{5.0, "ab", "c", ""}));
    EXPECT_EQ(TakePopups(engine), "");
}

TEST(Highscores, RefusedWriteShowsTheFirstFailingCheckOnlyAndChangesNothing) {
    const std::string prefix = "fatal error|CVI-function 'WriteHighscoreToCVI': argument '";
    struct Case {
        int index;
        Entry entry;
        std::string message;
    };
    const Case cases[] = {
        {100, {}, "_Index' out of range (must be 0..99)"},
        {255, {}, "_Index' out of range (must be 0..99)"},
        {3, {9, k26, "", k26}, "_Highname' too long (max. 25 characters)"},
        {3, {9, k25, k26, k26}, "_Highstring1' too long (max. 25 characters)"},
        {3, {9, k25, k25, k26}, "_Highstring2' too long (max. 25 characters)"},
        {3, {9, "a\nb", "", ""}, "_Highname' contains a line feed (not allowed)"},
        {3, {9, "", "", "\n"}, "_Highstring2' contains a line feed (not allowed)"},
        {3, {9, "\n", k26, ""}, "_Highstring1' too long (max. 25 characters)"},
    };
    Engine engine;
    const Entry before{77.0, "old", "one", "two"};
    ASSERT_EQ(Write(engine, 3, before), 0);
    for (const Case& c : cases) {
        EXPECT_EQ(Write(engine, c.index, c.entry), -1);
        EXPECT_EQ(TakePopups(engine), prefix + c.message + "\n");
        EXPECT_EQ(Read(engine, 3), before);
    }
}

TEST(Highscores, ReadRefusesAnIndexAboveNinetyNine) {
    Engine engine;
    for (uint8_t index : {100, 255}) {
        platform::Variant score = platform::Variant::I2(7);
        EXPECT_EQ(
            engine.Highscores().ReadHighscoreFromCVI(index, &score, nullptr, nullptr, nullptr), -1);
        EXPECT_EQ(TakePopups(engine),
                  "fatal error|CVI-function 'ReadHighscoreFromCVI': argument '_Index' out of "
                  "range (must be 0..99)\n");
        EXPECT_EQ(score.Integer(), 7);
    }
}

TEST(Highscores, SortRefusesAnEmptyOrReversedRangeAndAnIndexAboveNinetyNine) {
    const std::string min_message =
        "fatal error|CVI-function 'SortHighscores': argument '_MinIndex' out of range (must be "
        "0..(_MaxIndex-1)\n";
    const std::string max_message =
        "fatal error|CVI-function 'SortHighscores': argument '_MaxIndex' out of range (must be "
        "(_MinIndex+1)..99)\n";
    Engine engine;
    ASSERT_EQ(Write(engine, 1, {3.0, "", "", ""}), 0);
    EXPECT_EQ(engine.Highscores().SortHighscores(5, 5), -1);
    EXPECT_EQ(TakePopups(engine), min_message);
    EXPECT_EQ(engine.Highscores().SortHighscores(7, 2), -1);
    EXPECT_EQ(TakePopups(engine), min_message);
    EXPECT_EQ(engine.Highscores().SortHighscores(0, 100), -1);
    EXPECT_EQ(TakePopups(engine), max_message);
    EXPECT_EQ(Read(engine, 0).score, 0.0);

    Engine fresh;
    EXPECT_EQ(fresh.Highscores().SortHighscores(0, 99), 0);
    EXPECT_EQ(TakePopups(fresh), "");
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(Read(fresh, static_cast<uint8_t>(i)), Entry{});
}

TEST(Highscores, SortMovesEachScoreWithItsTextsKeepsTiesAndStaysInItsRange) {
    Engine engine;
    const Entry thirty{30, "Thirty", "t1", k25}, ten{10, "Ten", "", "x"}, twenty{20, "Tw", "", ""};
    ASSERT_EQ(Write(engine, 0, thirty), 0);
    ASSERT_EQ(Write(engine, 1, ten), 0);
    ASSERT_EQ(Write(engine, 2, twenty), 0);
    ASSERT_EQ(Write(engine, 3, {1, "outside", "", ""}), 0);
    EXPECT_EQ(engine.Highscores().SortHighscores(0, 2), 0);
    EXPECT_EQ(Read(engine, 0), ten);
    EXPECT_EQ(Read(engine, 1), twenty);
    EXPECT_EQ(Read(engine, 2), thirty);
    EXPECT_EQ(Read(engine, 3).name, "outside");

    const char* names[] = {"first", "second", "low", "third"};
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(Write(engine, 10 + i, {i == 2 ? 1.0 : 50, names[i], "", ""}), 0);
    EXPECT_EQ(engine.Highscores().SortHighscores(11, 13), 0);
    EXPECT_EQ(Read(engine, 10).name + Read(engine, 11).name + Read(engine, 12).name +
                  Read(engine, 13).name,
              "firstlowsecondthird");
}

TEST(Highscores, SortEndsWhateverTheScores) {
    // A NaN compares false with everything, so every comparison with one exchanges: only the
    // shrinking bound ends the passes.
    Engine engine;
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(Write(engine, i, {i % 3 ? std::nan("") : -i, "", "", ""}), 0);
    EXPECT_EQ(engine.Highscores().SortHighscores(0, 99), 0);
}

}  // namespace
}  // namespace tov
