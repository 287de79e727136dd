#include "scores/highscore_file.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "support/temp_dir.h"

namespace tov {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void PutFile(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

double FromBits(uint64_t bits) {
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

uint64_t Bits(double d) {
    uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}

size_t Record(int entry, int field) {
    return 800 + (entry * 3 + field) * 26;
}

// Every score's bits and every field's 25 bytes.
void ExpectSameTable(const HighscoreTable& a, const HighscoreTable& b) {
    for (int i = 0; i < kHighscoreEntries; ++i) {
        EXPECT_EQ(Bits(a.Highscore[i]), Bits(b.Highscore[i])) << "entry " << i;
        EXPECT_EQ(a.Highname[i], b.Highname[i]) << "entry " << i;
        EXPECT_EQ(a.Highstring1[i], b.Highstring1[i]) << "entry " << i;
        EXPECT_EQ(a.Highstring2[i], b.Highstring2[i]) << "entry " << i;
    }
}

std::string OnlyPopup(Engine& engine) {
    const auto& popups = engine.Runtime().Popups();
    EXPECT_EQ(popups.size(), 1u);
    return popups.empty() ? "" : popups.back().title + "|" + popups.back().text;
}

// An engine whose table has a text and an odd score in every entry.
void Fill(Engine& engine) {
    for (int i = 0; i < kHighscoreEntries; ++i) {
        ASSERT_EQ(engine.Highscores().WriteHighscoreToCVI(static_cast<uint8_t>(i), i * 1.25 - 40,
                                                          std::string(i % 26, char('a' + i % 26)),
                                                          "s1-" + std::to_string(i),
                                                          std::string(25 - i % 26, 'Z')),
                  0);
    }
}

TEST(HighscoreFile, BytesAreLittleEndianScoresThenRecordsWithLineFeeds) {
    Engine engine;
    Highscores& table = engine.Highscores();
    ASSERT_EQ(table.WriteHighscoreToCVI(0, 1.0, "AB", "", ""), 0);
    ASSERT_EQ(table.WriteHighscoreToCVI(50, FromBits(0x0123456789ABCDEF), "", "", ""), 0);
    ASSERT_EQ(table.WriteHighscoreToCVI(99, -2.0, "", "", std::string(25, 'Z')), 0);
    // A shorter text over a longer one leaves the longer one's tail in the field.
    ASSERT_EQ(table.WriteHighscoreToCVI(2, 0.0, "ABCDEFGHIJ", "", ""), 0);
    ASSERT_EQ(table.WriteHighscoreToCVI(2, 0.0, "xy", "", ""), 0);

    Bytes expected(8600, 0);
    const uint8_t one[8] = {0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
    const uint8_t pattern[8] = {0xEF, 0xCD, 0xAB, 0x89, 0x67, 0x45, 0x23, 0x01};
    const uint8_t minus_two[8] = {0, 0, 0, 0, 0, 0, 0, 0xC0};
    std::memcpy(&expected[0], one, 8);
    std::memcpy(&expected[400], pattern, 8);
    std::memcpy(&expected[792], minus_two, 8);
    for (int r = 0; r < 300; ++r)
        expected[800 + r * 26 + 25] = 0x0A;
    std::memcpy(&expected[Record(0, 0)], "AB", 2);
    std::memcpy(&expected[Record(2, 0)], "xy\0DEFGHIJ", 10);
    std::memset(&expected[Record(99, 2)], 'Z', 25);

    testing::TempDir dir;
    const std::string path = dir.File("table.hsc");
    EXPECT_EQ(table.SaveHscoreToDisc(path), 0);
    EXPECT_EQ(FileBytes(path), expected);
    EXPECT_TRUE(engine.Runtime().Popups().empty());

    // The leftovers come back with a load, so the next save writes the same bytes.
    Engine other;
    EXPECT_EQ(other.Highscores().LoadHscoreFromDisc(path), 0);
    EXPECT_EQ(other.Highscores().SaveHscoreToDisc(dir.File("again.hsc")), 0);
    EXPECT_EQ(FileBytes(dir.File("again.hsc")), expected);
}

TEST(HighscoreFile, SaveThenLoadRestoresEveryScoreBitForBitAndEveryText) {
    Engine engine;
    Fill(engine);
    const double odd[] = {FromBits(0xFFF8000000012345),  // a NaN with sign and payload
                          -0.0, std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::denorm_min(),
                          std::numeric_limits<double>::lowest()};
    for (int i = 0; i < 5; ++i)
        engine.Highscores().Highscore[10 + i] = odd[i];
    testing::TempDir dir;
    const std::string path = dir.File("round.hsc");
    ASSERT_EQ(engine.Highscores().SaveHscoreToDisc(path), 0);
    EXPECT_EQ(std::filesystem::file_size(path), 8600u);

    Engine loaded;
    EXPECT_EQ(loaded.Highscores().LoadHscoreFromDisc(path), 0);
    ExpectSameTable(loaded.Highscores(), engine.Highscores());
    EXPECT_EQ(FieldText(loaded.Highscores().Highstring2[0]), std::string(25, 'Z'));
    EXPECT_TRUE(loaded.Runtime().Popups().empty());
}

TEST(HighscoreFile, MissingFileLoadsNothingQuietly) {
    Engine engine;
    Fill(engine);
    const HighscoreTable before = engine.Highscores();
    testing::TempDir dir;
    EXPECT_EQ(engine.Highscores().LoadHscoreFromDisc(dir.File("none.hsc")), 0);
    EXPECT_EQ(engine.Highscores().LoadHscoreFromDisc(dir.File("no-folder/none.hsc")), 0);
    EXPECT_TRUE(engine.Runtime().Popups().empty());
    ExpectSameTable(engine.Highscores(), before);
}

TEST(HighscoreFile, FileThatIsNoTableIsReportedAndLoadsNothing) {
    Engine source;
    ASSERT_EQ(source.Highscores().WriteHighscoreToCVI(0, 5.0, "new", "", ""), 0);
    const Bytes good = EncodeHighscoreFile(source.Highscores());
    Bytes no_line_feed = good;
    no_line_feed[Record(40, 1) + 25] = 'X';
    struct Case {
        Bytes bytes;
        std::string reason;
    };
    const Case cases[] = {
        {{}, "it is 0 bytes long instead of 8600"},
        {Bytes(good.begin(), good.end() - 1), "it is 8599 bytes long instead of 8600"},
        {[&] {
             Bytes b = good;
             b.push_back(0x0A);
             return b;
         }(),
         "it is longer than 8600 bytes"},
        {no_line_feed, "the _Highstring1 record of entry 40 does not end in a line feed"},
    };
    testing::TempDir dir;
    for (const Case& c : cases) {
        Engine engine;
        Fill(engine);
        const HighscoreTable before = engine.Highscores();
        const std::string path = dir.File("bad.hsc");
        PutFile(path, c.bytes);
        EXPECT_EQ(engine.Highscores().LoadHscoreFromDisc(path), -1);
        EXPECT_EQ(OnlyPopup(engine), "fatal error|CVI-function 'LoadHscoreFromDisc': File '" +
                                         path + "' is no high-score table (" + c.reason +
                                         "); nothing was loaded");
        ExpectSameTable(engine.Highscores(), before);
    }

    Engine engine;
    EXPECT_EQ(engine.Highscores().LoadHscoreFromDisc(dir.Path().string()), -1);
    EXPECT_EQ(OnlyPopup(engine),
              "fatal error|CVI-function 'LoadHscoreFromDisc': File '" + dir.Path().string() +
                  "' could not be read: " + std::generic_category().message(EISDIR));
}

TEST(HighscoreFile, LineFeedInsideAnOlderRecordEndsItsTextAndKeepsTheRestInStep) {
    Engine source;
    ASSERT_EQ(source.Highscores().WriteHighscoreToCVI(3, 3.0, "", "next", ""), 0);
    ASSERT_EQ(source.Highscores().WriteHighscoreToCVI(4, 4.0, "four", "", ""), 0);
    Bytes bytes = EncodeHighscoreFile(source.Highscores());
    std::memcpy(&bytes[Record(3, 0)], "ab\ncd", 5);
    testing::TempDir dir;
    PutFile(dir.File("old.hsc"), bytes);

    Engine engine;
    EXPECT_EQ(engine.Highscores().LoadHscoreFromDisc(dir.File("old.hsc")), 0);
    EXPECT_EQ(FieldText(engine.Highscores().Highname[3]), "ab");
    EXPECT_EQ(FieldText(engine.Highscores().Highstring1[3]), "next");
    EXPECT_EQ(FieldText(engine.Highscores().Highname[4]), "four");
    EXPECT_EQ(engine.Highscores().Highscore[4], 4.0);
}

TEST(HighscoreFile, SaveThatCannotBeWrittenIsReportedAndLeavesNothingBehind) {
    testing::TempDir dir;
    Engine engine;
    const std::string missing = dir.File("no-folder/table.hsc");
    EXPECT_EQ(engine.Highscores().SaveHscoreToDisc(missing), -1);
    EXPECT_EQ(OnlyPopup(engine),
              "fatal error|CVI-function 'SaveHscoreToDisc': File '" + missing +
                  "' could not be written: " + std::generic_category().message(ENOENT));

    // A folder in the file's place cannot be replaced; the folder stays and no temporary file
    // is left beside it.
    engine.Runtime().ClearPopups();
    const std::string folder = dir.File("folder");
    std::filesystem::create_directory(folder);
    PutFile(folder + "/inside", {1, 2, 3});
    EXPECT_EQ(engine.Highscores().SaveHscoreToDisc(folder), -1);
    EXPECT_EQ(OnlyPopup(engine).rfind("fatal error|CVI-function 'SaveHscoreToDisc': File '" +
                                          folder + "' could not be written: ",
                                      0),
              0u);
    EXPECT_EQ(FileBytes(folder + "/inside"), (Bytes{1, 2, 3}));
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(folder)));
}

TEST(HighscoreFile, InterruptedSaveLeavesTheOldTable) {
    testing::TempDir dir;
    const std::string path = dir.File("table.hsc");
    Engine old_table;
    Fill(old_table);
    ASSERT_EQ(old_table.Highscores().SaveHscoreToDisc(path), 0);
    const Bytes old_bytes = FileBytes(path);

    // A save of a new table that stopped before its rename, and one that stopped halfway
    // through writing.
    Engine new_table;
    ASSERT_EQ(new_table.Highscores().WriteHighscoreToCVI(0, 1e9, "new", "", ""), 0);
    const Bytes new_bytes = EncodeHighscoreFile(new_table.Highscores());
    std::string reason;
    ASSERT_TRUE(WriteTemporaryFile(path, new_bytes, &reason)) << reason;
    EXPECT_EQ(FileBytes(path), old_bytes);
    PutFile(TemporaryPathFor(path), Bytes(new_bytes.begin(), new_bytes.begin() + 4000));
    EXPECT_EQ(FileBytes(path), old_bytes);

    Engine reader;
    EXPECT_EQ(reader.Highscores().LoadHscoreFromDisc(path), 0);
    ExpectSameTable(reader.Highscores(), old_table.Highscores());

    // The next save goes through despite the stale temporary file, and replaces a longer file
    // whole.
    PutFile(path, Bytes(10000, 0x55));
    EXPECT_EQ(new_table.Highscores().SaveHscoreToDisc(path), 0);
    EXPECT_EQ(FileBytes(path), new_bytes);
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));
}

}  // namespace
}  // namespace tov
