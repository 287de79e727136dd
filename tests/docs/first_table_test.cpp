// The first-table guide as its reader follows it: the script of examples/first_table runs to
// its end in a folder with the shipped assets, keeps its high scores from one game to the
// next, and shows the pictures that docs/first-table/ holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "docs_files.h"
#include "platform/image_file.h"
#include "player/play_runner.h"
#include "support/temp_dir.h"

namespace tov::testing {
namespace {

namespace fs = std::filesystem;

// A table folder as the guide builds it: the two scripts and the assets they load.
void MakeTableFolder(const TempDir& dir) {
    ASSERT_TRUE(MakeAssets(dir.Path()));
    for (const char* script : {"table.lua", "font_template.lua"})
        fs::copy_file(SourceDir() / "examples" / "first_table" / script, dir.Path() / script);
}

TEST(FirstTableGuide, TheTableEndsByItselfAndKeepsItsHighScores) {
    TempDir dir;
    MakeTableFolder(dir);
    const PlayResult first = RunPlay({"--headless", dir.File("table.lua")});
    EXPECT_EQ(first.exit_status, 0) << first.output;
    EXPECT_EQ(first.output,
              "tov-play: running until the script calls quit(); give --frames or --seconds to "
              "end earlier, or press Ctrl-C to stop\n");
    EXPECT_EQ(fs::file_size(dir.Path() / "highscores.dat"), 8600u);

    // A second game starts from the saved table, and its score enters it once more.
    const PlayResult second = RunPlay({"--headless", dir.File("table.lua")});
    EXPECT_EQ(second.exit_status, 0) << second.output;
    const std::string check = dir.File("check.lua");
    WriteScript(check, R"(
local obj = CreateObject("tovserver.myQuendal")
obj:LoadHscoreFromDisc("highscores.dat")
for i = 5, 0, -1 do
  local _, score, name = obj:ReadHighscoreFromCVI(i)
  print(i, name, string.format("%.0f", score))
end
)");
    const PlayResult table = RunPlay({"--headless", check});
    EXPECT_EQ(table.output,
              "5\tACE\t2000000\n4\tBOB\t1500000\n3\tYOU\t1234567\n2\tYOU\t1234567\n"
              "1\tCAT\t1000000\n0\tDAN\t750000\n");
}

struct Picture {
    const char* name;
    const char* script;
    const char* screen;
    const char* frames;
};

// The guide's pictures: the screen at the end of so many frames.
constexpr Picture kPictures[] = {
    {"score", "table.lua", "480x192", "120"},
    {"ticker", "table.lua", "480x192", "200"},
    {"lamella", "table.lua", "480x192", "318"},
    {"highscores", "table.lua", "480x192", "400"},
    {"font-template", "font_template.lua", "760x120", "1"},
};

TEST(FirstTableGuide, ThePicturesAreWhatTheScriptsShow) {
    TempDir dir;
    MakeTableFolder(dir);
    for (const Picture& picture : kPictures) {
        const std::string name = std::string(picture.name) + ".png";
        const std::string actual = dir.File(name);
        const PlayResult r =
            RunPlay({"--headless", "--screen", picture.screen, "--frames", picture.frames,
                     "--snapshot", actual, dir.File(picture.script)});
        ASSERT_EQ(r.exit_status, 0) << r.output;
        const fs::path committed = SourceDir() / "docs" / "first-table" / name;
        if (UpdatingDocs()) {
            fs::create_directories(committed.parent_path());
            fs::copy_file(actual, committed, fs::copy_options::overwrite_existing);
        }
        platform::Surface want, got;
        ASSERT_EQ(platform::ReadImageSurface(committed.string(), &want), 0)
            << committed << " is missing: run ./run docs and look at it";
        ASSERT_EQ(platform::ReadImageSurface(actual, &got), 0);
        EXPECT_TRUE(want.width == got.width && want.height == got.height &&
                    want.pixels == got.pixels)
            << name << " differs from what the script shows; run ./run docs and look at it";
    }
}

}  // namespace
}  // namespace tov::testing
