#include "engine/bitmap_selection.h"

#include <gtest/gtest.h>

#include <fstream>

#include "engine/engine.h"
#include "platform/image_file.h"
#include "platform/panel_ids.h"
#include "support/temp_dir.h"

namespace tov {
namespace {

class BitmapSelectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Relative names are resolved against the folder current at InstallPanel.
        saved_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        engine_.MainPanel().InstallPanel(0, 0, 800, 600);
    }
    void TearDown() override { std::filesystem::current_path(saved_); }

    void WritePicture(const std::string& name, int w, int h) {
        platform::Surface s(w, h, 0x336699);
        ASSERT_EQ(platform::WritePng(dir_.File(name), s), 0);
    }

    const std::vector<platform::PopupRecord>& Popups() { return engine_.Runtime().Popups(); }

    testing::TempDir dir_;
    std::filesystem::path saved_;
    Engine engine_;
    BitmapSelection& sel_ = engine_.BitmapSelection();
};

TEST_F(BitmapSelectionTest, LoadsIntoSlotWithGeometryAndFrameGrid) {
    WritePicture("strip.png", 100, 20);
    ASSERT_EQ(sel_.AddBitmapToSelection("strip.png", 499, 30, 20), 0);
    EXPECT_NE(sel_.BitmapIDSelection[499], 0);
    EXPECT_EQ(sel_.BitmapWidth[499], 100);
    EXPECT_EQ(sel_.BitmapHeight[499], 20);
    EXPECT_EQ(sel_.BitmapBytesPerRow[499], 300);
    EXPECT_EQ(sel_.BitmapPixelDepth[499], 24);
    EXPECT_EQ(sel_.BitmapFrameWidth[499], 30);
    EXPECT_EQ(sel_.BitmapFrameHeight[499], 20);
    EXPECT_EQ(sel_.BitmapFramesPerRow[499], 3);  // the last 10 columns belong to no frame
    EXPECT_TRUE(Popups().empty());

    ASSERT_EQ(sel_.AddBitmapToSelection("strip.png", 0, 101, 5), 0);
    EXPECT_EQ(sel_.BitmapFramesPerRow[0], 0);
}

TEST_F(BitmapSelectionTest, SlotOutsideRangeIsRefused) {
    WritePicture("a.png", 4, 4);
    for (int16_t slot : {int16_t{500}, int16_t{-1}}) {
        engine_.Runtime().ClearPopups();
        EXPECT_EQ(sel_.AddBitmapToSelection("a.png", slot, 4, 4), -1);
        ASSERT_EQ(Popups().size(), 1u);
        EXPECT_EQ(Popups()[0].title, "fatal error");
        EXPECT_EQ(Popups()[0].text,
                  "CVI-function 'AddBitmapToSelection': argument '_BitmapSelectionIndex' out of "
                  "range out of range (must be 0..499)");
    }
    EXPECT_EQ(sel_.BitmapIDSelection[BitmapSelection::kFadeWorkingBitmap], 0);
}

TEST_F(BitmapSelectionTest, MissingFileEmptiesTheSlotAndNamesThePath) {
    WritePicture("a.png", 4, 4);
    ASSERT_EQ(sel_.AddBitmapToSelection("a.png", 7, 4, 4), 0);
    const int old = sel_.BitmapIDSelection[7];
    EXPECT_EQ(sel_.AddBitmapToSelection("missing.bmp", 7, 4, 4), -1);
    EXPECT_EQ(sel_.BitmapIDSelection[7], 0);
    EXPECT_EQ(engine_.Runtime().FindBitmap(old), nullptr);  // discarded before the read
    ASSERT_EQ(Popups().size(), 1u);
    EXPECT_EQ(Popups()[0].title, "fatal error");
    const std::string path = (dir_.Path() / "missing.bmp").string();
    EXPECT_EQ(Popups()[0].text,
              "CVI-function 'AddBitmapToSelection': File '" + path +
                  "': " + std::string(platform::GetUILErrorString(platform::kUIEFileNotFound)));
}

TEST_F(BitmapSelectionTest, FrameWidthZeroWarnsButKeepsTheBitmap) {
    WritePicture("a.png", 40, 10);
    ASSERT_EQ(sel_.AddBitmapToSelection("a.png", 3, 10, 10), 0);
    EXPECT_EQ(sel_.AddBitmapToSelection("a.png", 3, 0, 10), -1);
    ASSERT_EQ(Popups().size(), 1u);
    EXPECT_EQ(Popups()[0].title, "warning");
    EXPECT_EQ(Popups()[0].text,
              "CVI-function 'AddBitmapToSelection': argument '_BitmapFrameWidth' is zero");
    EXPECT_NE(sel_.BitmapIDSelection[3], 0);
    EXPECT_EQ(sel_.BitmapWidth[3], 40);
    EXPECT_EQ(sel_.BitmapFrameWidth[3], 0);
    EXPECT_EQ(sel_.BitmapFramesPerRow[3], 4);  // keeps its previous value
}

TEST_F(BitmapSelectionTest, BackslashesAndLetterCaseFindTheFile) {
    std::filesystem::create_directories(dir_.Path() / "Gfx");
    WritePicture("Gfx/Logo.PNG", 8, 8);
    EXPECT_EQ(sel_.AddBitmapToSelection("gfx\\logo.png", 1, 8, 8), 0);
    EXPECT_EQ(sel_.BitmapWidth[1], 8);
    // A leading backslash still names the table's folder, not the root.
    EXPECT_EQ(sel_.AddBitmapToSelection("\\Gfx\\Logo.PNG", 2, 8, 8), 0);
    EXPECT_EQ(sel_.BitmapWidth[2], 8);
    EXPECT_TRUE(Popups().empty());
}

TEST_F(BitmapSelectionTest, SecondInstallEmptiesEverySlotAndDiscardsTheBitmaps) {
    WritePicture("a.png", 4, 4);
    ASSERT_EQ(sel_.AddBitmapToSelection("a.png", 5, 4, 4), 0);
    const int kept = sel_.BitmapIDSelection[5];
    engine_.MainPanel().InstallPanel(0, 0, 800, 600);
    for (int i = 0; i < BitmapSelection::kEntries; ++i)
        ASSERT_EQ(sel_.BitmapIDSelection[i], 0);
    EXPECT_EQ(engine_.Runtime().FindBitmap(kept), nullptr);
    EXPECT_EQ(engine_.Runtime().BitmapCount(), 0);
}

TEST_F(BitmapSelectionTest, RepeatedInstallsKeepTheBitmapCountFlat) {
    platform::Runtime& rt = engine_.Runtime();
    WritePicture("big.png", 300, 200);
    int count_after_first = -1;
    for (int round = 0; round < 200; ++round) {
        ASSERT_EQ(engine_.MainPanel().InstallPanel(0, 0, 320, 200), 0);
        ASSERT_EQ(sel_.AddBitmapToSelection("big.png", static_cast<int16_t>(round % 3), 300, 200),
                  0);
        ASSERT_EQ(engine_.MainPanel().DiscardPanel(), 0);
        if (round == 0) count_after_first = rt.BitmapCount();
        ASSERT_EQ(rt.BitmapCount(), count_after_first) << "round " << round;
    }
    EXPECT_EQ(count_after_first, 1);
    EXPECT_TRUE(Popups().empty());
}

TEST_F(BitmapSelectionTest, OldMainPanelKeepsShowingItsPictureAfterASecondInstall) {
    platform::Runtime& rt = engine_.Runtime();
    ASSERT_EQ(engine_.MainPanel().InstallPanel(0, 0, 100, 50), 0);
    WritePicture("a.png", 100, 50);
    ASSERT_EQ(sel_.AddBitmapToSelection("a.png", 0, 100, 50), 0);
    const int old_panel = engine_.MainPanel().PanelHandle;
    rt.CanvasDrawBitmap(old_panel, platform::main_panel::kDmdCanvas, sel_.BitmapIDSelection[0],
                        platform::MakeRect(0, 0, -1, -1), platform::MakeRect(0, 0, -1, -1));
    ASSERT_EQ(rt.ComposeScreen().At(50, 25), 0x336699u);

    ASSERT_EQ(engine_.MainPanel().InstallPanel(200, 0, 100, 50), 0);
    EXPECT_EQ(sel_.BitmapIDSelection[0], 0);
    EXPECT_EQ(rt.ComposeScreen().At(50, 25), 0x336699u);
    EXPECT_EQ(rt.ComposeScreen().At(250, 25), 0u);
}

}  // namespace
}  // namespace tov
