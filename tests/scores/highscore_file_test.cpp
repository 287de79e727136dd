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

void PutFile(const std::string& path, const Bytes& b) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

uint64_t Bits(double d) {
    uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}

double FromBits(uint64_t bits) {
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

size_t Record(int entry, int field) {
    return 800 + (entry * 3 + field) * 26;
}

// Equal when every score has the same bits and every field the same 25 bytes.
bool SameTable(const HighscoreTable& a, const HighscoreTable& b) {
    for (int i = 0; i < kHighscoreEntries; ++i) {
        if (Bits(a.Highscore[i]) != Bits(b.Highscore[i]) || a.Highname[i] != b.Highname[i] ||
            a.Highstring1[i] != b.Highstring1[i] || a.Highstring2[i] != b.Highstring2[i]) {
            return false;
        }
    }
    return true;
}

std::string TakePopups(Engine& engine) {
    std::string all;
    for (const auto& p : engine.Runtime().Popups())
        all += p.title + "|" + p.text + "\n";
    engine.Runtime().ClearPopups();
    return all;
}

// A score and three texts of every length 0..25 across the table.
void Fill(Engine& engine) {
    for (int i = 0; i < kHighscoreEntries; ++i) {
        ASSERT_EQ(engine.Highscores().WriteHighscoreToCVI(static_cast<uint8_t>(i), i * 1.25 - 40,
                                                          std::string(i % 26, char('a' + i % 26)),
                                                          "s1-" + std::to_string(i),
                                                          std::string(25 - i % 26, 'Z')),
                  0);
    }
}

TEST(HighscoreFile, BytesAreLittleEndianScoresThenRecordsWithTheirLeftovers) {
    Engine engine;
    Highscores& table = engine.Highscores();
    ASSERT_EQ(table.WriteHighscoreToCVI(0, 1.0, "AB", "", ""), 0);
    ASSERT_EQ(table.WriteHighscoreToCVI(50, FromBits(0x0123456789ABCDEF), "", "", ""), 0);
    ASSERT_EQ(table.WriteHighscoreToCVI(99, -2.0, "", "", std::string(25, 'Z')), 0);
    ASSERT_EQ(table.WriteHighscoreToCVI(2, 0.0, "ABCDEFGHIJ", "", ""), 0);
    ASSERT_EQ(table.WriteHighscoreToCVI(2, 0.0, "xy", "", ""), 0);

    Bytes expected(8600, 0);
    std::memcpy(&expected[0], "\0\0\0\0\0\0\xF0\x3F", 8);
    std::memcpy(&expected[400], "\xEF\xCD\xAB\x89\x67\x45\x23\x01", 8);
    std::memcpy(&expected[792], "\0\0\0\0\0\0\0\xC0", 8);
    for (int r = 0; r < 300; ++r)
        expected[800 + r * 26 + 25] = 0x0A;
    std::memcpy(&expected[Record(0, 0)], "AB", 2);
    std::memcpy(&expected[Record(2, 0)], "xy\0DEFGHIJ", 10);
    std::memset(&expected[Record(99, 2)], 'Z', 25);

    testing::TempDir dir;
    EXPECT_EQ(table.SaveHscoreToDisc(dir.File("a.hsc")), 0);
    EXPECT_EQ(FileBytes(dir.File("a.hsc")), expected);
    // The leftovers come back with a load, so the next save writes the same bytes.
    Engine other;
    EXPECT_EQ(other.Highscores().LoadHscoreFromDisc(dir.File("a.hsc")), 0);
    EXPECT_EQ(other.Highscores().SaveHscoreToDisc(dir.File("b.hsc")), 0);
    EXPECT_EQ(FileBytes(dir.File("b.hsc")), expected);
    EXPECT_EQ(TakePopups(engine) + TakePopups(other), "");
}

TEST(HighscoreFile, SaveThenLoadRestoresEveryScoreBitForBitAndEveryText) {
    Engine engine;
    Fill(engine);
    const double odd[] = {FromBits(0xFFF8000000012345), -0.0,
                          std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::denorm_min()};
    for (int i = 0; i < 4; ++i)
        engine.Highscores().Highscore[10 + i] = odd[i];
    testing::TempDir dir;
    const std::string path = dir.File("round.hsc");
    ASSERT_EQ(engine.Highscores().SaveHscoreToDisc(path), 0);
    EXPECT_EQ(std::filesystem::file_size(path), 8600u);

    Engine loaded;
    EXPECT_EQ(loaded.Highscores().LoadHscoreFromDisc(path), 0);
    EXPECT_TRUE(SameTable(loaded.Highscores(), engine.Highscores()));
    EXPECT_EQ(FieldText(loaded.Highscores().Highstring2[0]), std::string(25, 'Z'));

    // A missing file, or one in a missing folder, loads nothing and says nothing.
    EXPECT_EQ(loaded.Highscores().LoadHscoreFromDisc(dir.File("none.hsc")), 0);
    EXPECT_EQ(loaded.Highscores().LoadHscoreFromDisc(dir.File("no-folder/none.hsc")), 0);
    EXPECT_TRUE(SameTable(loaded.Highscores(), engine.Highscores()));
    EXPECT_EQ(TakePopups(loaded), "");
}

TEST(HighscoreFile, BackslashesAndLetterCaseFindTheFile) {
    Engine engine;
    Fill(engine);
    testing::TempDir dir;
    std::filesystem::create_directories(dir.Path() / "Scores");
    ASSERT_EQ(engine.Highscores().SaveHscoreToDisc(dir.Path().string() + "\\Scores\\t.hsc"), 0);
    EXPECT_EQ(std::filesystem::file_size(dir.Path() / "Scores" / "t.hsc"), 8600u);
    Engine loaded;
    EXPECT_EQ(loaded.Highscores().LoadHscoreFromDisc(dir.Path().string() + "/scores/T.HSC"), 0);
    EXPECT_TRUE(SameTable(loaded.Highscores(), engine.Highscores()));
    EXPECT_EQ(TakePopups(engine) + TakePopups(loaded), "");
}

TEST(HighscoreFile, FileThatIsNoTableIsReportedAndLoadsNothing) {
    Engine source;
    ASSERT_EQ(source.Highscores().WriteHighscoreToCVI(0, 5.0, "new", "", ""), 0);
    const Bytes good = EncodeHighscoreFile(source.Highscores());
    Bytes longer = good, unterminated = good;
    longer.push_back(0x0A);
    unterminated[Record(40, 1) + 25] = 'X';
    const std::pair<Bytes, std::string> cases[] = {
        {{}, "it is 0 bytes long instead of 8600"},
        {Bytes(good.begin(), good.end() - 1), "it is 8599 bytes long instead of 8600"},
        {longer, "it is longer than 8600 bytes"},
        {unterminated, "the _Highstring1 record of entry 40 does not end in a line feed"},
    };
    testing::TempDir dir;
    const std::string path = dir.File("bad.hsc");
    Engine engine;
    Fill(engine);
    const HighscoreTable before = engine.Highscores();
    for (const auto& [bytes, reason] : cases) {
        PutFile(path, bytes);
        EXPECT_EQ(engine.Highscores().LoadHscoreFromDisc(path), -1);
        EXPECT_EQ(TakePopups(engine), "fatal error|CVI-function 'LoadHscoreFromDisc': File '" +
                                          path + "' is no high-score table (" + reason +
                                          "); nothing was loaded\n");
        EXPECT_TRUE(SameTable(engine.Highscores(), before));
    }
    const std::string folder = dir.Path().string();
    EXPECT_EQ(engine.Highscores().LoadHscoreFromDisc(folder), -1);
    EXPECT_EQ(TakePopups(engine),
              "fatal error|CVI-function 'LoadHscoreFromDisc': File '" + folder +
                  "' could not be read: " + std::generic_category().message(EISDIR) + "\n");
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
}

TEST(HighscoreFile, SaveThatCannotBeWrittenIsReportedAndLeavesNothingBehind) {
    testing::TempDir dir;
    Engine engine;
    const std::string missing = dir.File("no-folder/table.hsc");
    EXPECT_EQ(engine.Highscores().SaveHscoreToDisc(missing), -1);
    EXPECT_EQ(TakePopups(engine),
              "fatal error|CVI-function 'SaveHscoreToDisc': File '" + missing +
                  "' could not be written: " + std::generic_category().message(ENOENT) + "\n");
    EXPECT_EQ(engine.Highscores().SaveHscoreToDisc(""), -1);
    EXPECT_EQ(TakePopups(engine),
              "fatal error|CVI-function 'SaveHscoreToDisc': File '' could "
              "not be written: " +
                  std::generic_category().message(ENOENT) + "\n");
    // A folder in the file's place stays, and no temporary file is left beside it.
    const std::string folder = dir.File("folder");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(engine.Highscores().SaveHscoreToDisc(folder), -1);
    EXPECT_EQ(TakePopups(engine),
              "fatal error|CVI-function 'SaveHscoreToDisc': File '" + folder +
                  "' could not be written: " + std::generic_category().message(EISDIR) + "\n");
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(folder)));
}

TEST(HighscoreFile, InterruptedSaveLeavesTheOldTable) {
    testing::TempDir dir;
    const std::string path = dir.File("table.hsc");
    Engine old_table, new_table;
    Fill(old_table);
    ASSERT_EQ(old_table.Highscores().SaveHscoreToDisc(path), 0);
    const Bytes old_bytes = FileBytes(path);
    ASSERT_EQ(new_table.Highscores().WriteHighscoreToCVI(0, 1e9, "new", "", ""), 0);
    const Bytes new_bytes = EncodeHighscoreFile(new_table.Highscores());

    // Stopped before the rename, then stopped halfway through writing.
    std::string reason;
    ASSERT_TRUE(WriteTemporaryFile(path, new_bytes, &reason)) << reason;
    EXPECT_EQ(FileBytes(path), old_bytes);
    PutFile(TemporaryPathFor(path), Bytes(new_bytes.begin(), new_bytes.begin() + 4000));
    Engine reader;
    EXPECT_EQ(reader.Highscores().LoadHscoreFromDisc(path), 0);
    EXPECT_TRUE(SameTable(reader.Highscores(), old_table.Highscores()));

    // The next save goes through despite the stale temporary file and replaces a longer file.
    PutFile(path, Bytes(10000, 0x55));
    EXPECT_EQ(new_table.Highscores().SaveHscoreToDisc(path), 0);
    EXPECT_EQ(FileBytes(path), new_bytes);
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));
}

TEST(HighscoreFile, SaveThroughLinksLandsInTheirTargetAndKeepsEveryName) {
    namespace fs = std::filesystem;
    testing::TempDir dir;
    fs::create_directory(dir.Path() / "scores");
    const std::string real = dir.File("scores/real.hsc");
    Engine old_table, new_table;
    Fill(old_table);
    ASSERT_EQ(old_table.Highscores().SaveHscoreToDisc(real), 0);
    ASSERT_EQ(new_table.Highscores().WriteHighscoreToCVI(7, 123.5, "linked", "", ""), 0);
    const Bytes new_bytes = EncodeHighscoreFile(new_table.Highscores());

    // A chain of two relative links, the first from another folder.
    fs::create_symlink("real.hsc", dir.Path() / "scores" / "inner.lnk");
    fs::create_symlink("scores/inner.lnk", dir.Path() / "table.hsc");
    EXPECT_EQ(new_table.Highscores().SaveHscoreToDisc(dir.File("table.hsc")), 0);
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "table.hsc"));
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "scores" / "inner.lnk"));
    EXPECT_EQ(FileBytes(real), new_bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path() / "scores"), {}), 2);

    // A link whose target does not exist yet creates it.
    fs::create_symlink("fresh.hsc", dir.Path() / "dangling.hsc");
    EXPECT_EQ(old_table.Highscores().SaveHscoreToDisc(dir.File("dangling.hsc")), 0);
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "dangling.hsc"));
    EXPECT_EQ(FileBytes(dir.File("fresh.hsc")), EncodeHighscoreFile(old_table.Highscores()));

    // Both names of a file with a hard link show the new table.
    fs::create_hard_link(real, dir.Path() / "hard.hsc");
    EXPECT_EQ(old_table.Highscores().SaveHscoreToDisc(real), 0);
    EXPECT_EQ(FileBytes(dir.File("hard.hsc")), EncodeHighscoreFile(old_table.Highscores()));
    EXPECT_EQ(fs::hard_link_count(real), 2u);
    EXPECT_FALSE(fs::exists(TemporaryPathFor(real)));
    EXPECT_EQ(TakePopups(new_table) + TakePopups(old_table), "");
}

TEST(HighscoreFile, ASaveCutOffWhileOverwritingAHardLinkedFileIsFinishedByTheNextLoad) {
    namespace fs = std::filesystem;
    testing::TempDir dir;
    const std::string real = dir.File("real.hsc");
    Engine saved;
    Fill(saved);
    const Bytes table = EncodeHighscoreFile(saved.Highscores());
    PutFile(real, Bytes(kHighscoreFileBytes, 0));
    fs::create_hard_link(real, dir.Path() / "hard.hsc");

    // The complete table in the temporary file, the file itself torn half way.
    PutFile(TemporaryPathFor(real), table);
    {
        std::fstream torn(real, std::ios::in | std::ios::out | std::ios::binary);
        torn.write(reinterpret_cast<const char*>(table.data()), 4000);
    }
    Engine loaded;
    EXPECT_EQ(loaded.Highscores().LoadHscoreFromDisc(real), 0);
    EXPECT_EQ(EncodeHighscoreFile(loaded.Highscores()), table);
    EXPECT_EQ(FileBytes(dir.File("hard.hsc")), table);
    EXPECT_EQ(fs::hard_link_count(real), 2u);
    EXPECT_FALSE(fs::exists(TemporaryPathFor(real)));

    // A temporary file that is no complete table is dropped and the file is left as it is.
    PutFile(TemporaryPathFor(real), Bytes(kHighscoreFileBytes - 1, 0x0A));
    EXPECT_EQ(loaded.Highscores().LoadHscoreFromDisc(real), 0);
    EXPECT_EQ(FileBytes(real), table);
    EXPECT_FALSE(fs::exists(TemporaryPathFor(real)));
    EXPECT_EQ(TakePopups(loaded), "");
}

TEST(HighscoreFile, LeftoverTemporaryFileIsRemovedByTheNextLoadOrSave) {
    namespace fs = std::filesystem;
    testing::TempDir dir;
    const std::string real = dir.File("real.hsc");
    Engine engine;
    Fill(engine);
    ASSERT_EQ(engine.Highscores().SaveHscoreToDisc(real), 0);
    fs::create_symlink("real.hsc", dir.Path() / "link.hsc");

    PutFile(TemporaryPathFor(real), Bytes(4000, 0x33));
    EXPECT_EQ(engine.Highscores().LoadHscoreFromDisc(dir.File("link.hsc")), 0);
    EXPECT_FALSE(fs::exists(TemporaryPathFor(real)));

    // A leftover that is itself a link is removed, not written through.
    PutFile(dir.File("elsewhere"), Bytes{1, 2, 3});
    fs::create_symlink("elsewhere", TemporaryPathFor(real));
    EXPECT_EQ(engine.Highscores().SaveHscoreToDisc(dir.File("link.hsc")), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(TemporaryPathFor(real))));
    EXPECT_EQ(FileBytes(dir.File("elsewhere")), (Bytes{1, 2, 3}));
    EXPECT_EQ(FileBytes(real), EncodeHighscoreFile(engine.Highscores()));
    EXPECT_EQ(TakePopups(engine), "");
}

}  // namespace
}  // namespace tov
