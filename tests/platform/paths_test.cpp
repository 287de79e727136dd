#include "platform/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"

namespace tov::platform {
namespace {

TEST(JoinPath, RelativeNamesJoinWithOneSeparatorAndBackslashesSeparate) {
    EXPECT_EQ(JoinPath("/tables/demo", "gfx_extern\\MagicStarRed.bmp"),
              "/tables/demo/gfx_extern/MagicStarRed.bmp");
    EXPECT_EQ(JoinPath("/tables/demo/", "font.bmp"), "/tables/demo/font.bmp");
    EXPECT_EQ(JoinPath("", "font.bmp"), "font.bmp");
    EXPECT_EQ(JoinPath("/tables/demo", ""), "/tables/demo/");
}

TEST(JoinPath, LeadingBackslashStaysInsideTheFolderAndOnlyNativeAbsoluteNamesLeaveIt) {
    EXPECT_EQ(JoinPath("/tables/demo", "\\sub\\lead.bmp"), "/tables/demo/sub/lead.bmp");
    EXPECT_EQ(JoinPath("/tables/demo/", "\\\\sub/lead.bmp"), "/tables/demo/sub/lead.bmp");
    // Without a base folder the name stands as given.
    EXPECT_EQ(JoinPath("", "\\scores.dat"), "/scores.dat");
    EXPECT_EQ(JoinPath("/tables/demo", "/srv/pictures/a.png"), "/srv/pictures/a.png");
}

TEST(ResolveCaseInsensitive, FindsEachComponentIgnoringCase) {
    testing::TempDir dir;
    std::filesystem::create_directories(dir.Path() / "Gfx_Extern");
    std::ofstream(dir.Path() / "Gfx_Extern" / "MagicStarRed.BMP") << "x";
    const std::string root = dir.Path().string();

    EXPECT_EQ(ResolveCaseInsensitive(root + "/gfx_extern/magicstarred.bmp"),
              root + "/Gfx_Extern/MagicStarRed.BMP");
    EXPECT_EQ(ResolveCaseInsensitive(root + "/Gfx_Extern/MagicStarRed.BMP"),
              root + "/Gfx_Extern/MagicStarRed.BMP");
    // Nothing matches: the name comes back as given, for the caller to report.
    EXPECT_EQ(ResolveCaseInsensitive(root + "/gfx_extern/missing.bmp"),
              root + "/gfx_extern/missing.bmp");
    EXPECT_EQ(ResolveCaseInsensitive(root + "/nowhere/magicstarred.bmp"),
              root + "/nowhere/magicstarred.bmp");
    EXPECT_EQ(ResolveCaseInsensitive(""), "");
}

TEST(ResolveCaseInsensitive, RelativeNamesStayRelative) {
    testing::TempDir dir;
    std::ofstream(dir.Path() / "Score.DAT") << "x";
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    const std::string found = ResolveCaseInsensitive("score.dat");
    std::filesystem::current_path(previous);
    EXPECT_EQ(found, "Score.DAT");
}

}  // namespace
}  // namespace tov::platform
