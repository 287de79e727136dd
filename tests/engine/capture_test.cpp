#include "engine/capture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dmd_fixture.h"
#include "engine/engine.h"
#include "platform/image_file.h"
#include "platform/panel_ids.h"
#include "platform/presenters/headless.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace tov {
namespace {

using platform::Attr;
using platform::Surface;
namespace ids = platform::main_panel;

constexpr int kLeft = 30;  // the main panel on the screen
constexpr int kTop = 12;
constexpr int kWidth = 200;
constexpr int kHeight = 40;
constexpr uint32_t kMagenta = 0xFF00FF;

class CaptureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto presenter = std::make_unique<platform::HeadlessPresenter>();
        presenter->SetEcho(false);
        headless_ = presenter.get();
        engine_ = std::make_unique<Engine>(std::move(presenter));
        saved_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        ASSERT_EQ(engine_->MainPanel().InstallPanel(kLeft, kTop, kWidth, kHeight), 0);
    }
    void TearDown() override { std::filesystem::current_path(saved_); }

    platform::Runtime& Rt() { return engine_->Runtime(); }
    Capture& Cap() { return engine_->Capture(); }
    BitmapSelection& Sel() { return engine_->BitmapSelection(); }
    int Panel() { return engine_->MainPanel().PanelHandle; }
    const std::vector<platform::PopupRecord>& Popups() { return Rt().Popups(); }

    // The pixels of the slot's bitmap.
    Surface Slot(int slot) {
        const platform::Bitmap* b = Rt().FindBitmap(Sel().BitmapIDSelection[slot]);
        return b != nullptr ? b->image : Surface();
    }
    // Loads a picture into the slot with a frame grid of 8 x 6.
    void Load(const Surface& picture, int slot) {
        const std::string name = "picture" + std::to_string(slot) + ".png";
        ASSERT_EQ(platform::WritePng(dir_.File(name), picture), 0);
        ASSERT_EQ(Sel().AddBitmapToSelection(name, static_cast<int16_t>(slot), 8, 6), 0);
    }
    int FontCapture(int slot, std::string_view text, int size, uint8_t mirror) {
        return Cap().CopyBitmapFromFontTextToSelection(static_cast<int16_t>(slot), text, 0, 0,
                                                       0xFFC020, "DejaVu Sans",
                                                       static_cast<int16_t>(size), mirror);
    }
    // The single popup shown since the last clear, as "title: text".
    std::string OnlyPopup() {
        if (Popups().size() != 1) return "popups: " + std::to_string(Popups().size());
        return Popups()[0].title + ": " + Popups()[0].text;
    }

    testing::TempDir dir_;
    std::filesystem::path saved_;
    platform::HeadlessPresenter* headless_ = nullptr;
    std::unique_ptr<Engine> engine_;
};

TEST_F(CaptureTest, SlotsOutsideRangeAreRefusedWithTheMembersMessage) {
    const std::vector<std::pair<std::string, std::function<int(int16_t)>>> members = {
        {"CopyBitmapFromPanelToSelection",
         [&](int16_t slot) { return Cap().CopyBitmapFromPanelToSelection(0, 0, 4, 4, slot); }},
        {"CopyBitmapFromDMDLayerToSelection",
         [&](int16_t slot) { return Cap().CopyBitmapFromDMDLayerToSelection(slot); }},
        {"CopyBitmapFromFontTextToSelection",
         [&](int16_t slot) { return FontCapture(slot, "A", 12, 0); }},
        {"MaskBitmapFromSelection",
         [&](int16_t slot) { return Cap().MaskBitmapFromSelection(slot, 0); }},
    };
    for (const auto& [name, call] : members) {
        SCOPED_TRACE(name);
        for (int16_t slot : {int16_t{500}, int16_t{-1}}) {
            Rt().ClearPopups();
            EXPECT_EQ(call(slot), -1);
            EXPECT_EQ(OnlyPopup(), "fatal error: CVI-function '" + name +
                                       "': argument '_BitmapSelectionIndex' out of range (must "
                                       "be 0..499)");
        }
        Rt().ClearPopups();
        EXPECT_EQ(call(499), 0);
        EXPECT_TRUE(Popups().empty());
    }
    EXPECT_EQ(Sel().BitmapIDSelection[BitmapSelection::kFadeWorkingBitmap], 0);
}

TEST_F(CaptureTest, PanelCaptureIsWhatTheScreenShowsWithEveryControlAndKeepsTheFrameGrid) {
    Load(Surface(50, 20, 0x102030), 5);
    const int16_t frames_per_row = Sel().BitmapFramesPerRow[5];
    engine_->AreaDrawing().ClearArea(0, 0, -1, -1, 0x204060);
    engine_->AreaDrawing().ClearArea(6, 4, 20, 9, 0xC0E000);
    // The text canvas over the DMD layer, with a text on it.
    Rt().SetCtrlAttribute(Panel(), ids::kTextCanvas, Attr::Left, 10);
    Rt().SetCtrlAttribute(Panel(), ids::kTextCanvas, Attr::Top, 2);
    Rt().SetCtrlVal(Panel(), ids::kTextCanvas, "WIN");

    ASSERT_EQ(Cap().CopyBitmapFromPanelToSelection(3, 1, 61, 33, 5), 0);
    EXPECT_EQ(Sel().BitmapWidth[5], 61);
    EXPECT_EQ(Sel().BitmapHeight[5], 33);
    EXPECT_EQ(Sel().BitmapBytesPerRow[5], 184);  // 183 bytes padded to 4
    EXPECT_EQ(Sel().BitmapPixelDepth[5], 24);
    EXPECT_EQ(Sel().BitmapFrameWidth[5], 8);
    EXPECT_EQ(Sel().BitmapFrameHeight[5], 6);
    EXPECT_EQ(Sel().BitmapFramesPerRow[5], frames_per_row);

    const Surface captured = Slot(5);
    const Surface& screen = Rt().ComposeScreen();
    int text_pixels = 0;
    for (int y = 0; y < 33; ++y) {
        for (int x = 0; x < 61; ++x) {
            ASSERT_EQ(captured.At(x, y), screen.At(kLeft + 3 + x, kTop + 1 + y)) << x << "," << y;
            const uint32_t c = captured.At(x, y);
            text_pixels += c != 0x204060 && c != 0xC0E000;
        }
    }
    EXPECT_GT(text_pixels, 20);  // the text canvas's text is in the picture
    EXPECT_TRUE(Popups().empty());
}

TEST_F(CaptureTest, DmdLayerCaptureIsTheCanvasWithoutTheControlsOverIt) {
    engine_->AreaDrawing().ClearArea(0, 0, -1, -1, 0x204060);
    engine_->AreaDrawing().ClearArea(150, 30, 50, 10, 0x00FF00);
    Rt().SetCtrlAttribute(Panel(), ids::kTextCanvas, Attr::Left, 0);
    Rt().SetCtrlVal(Panel(), ids::kTextCanvas, "OVER");

    ASSERT_EQ(Cap().CopyBitmapFromDMDLayerToSelection(0), 0);
    EXPECT_EQ(Sel().BitmapWidth[0], kWidth);
    EXPECT_EQ(Sel().BitmapHeight[0], kHeight);
    const Surface dmd = testing::ReadCanvas(Rt(), Panel(), ids::kDmdCanvas);
    EXPECT_EQ(Slot(0).pixels, dmd.pixels);
    EXPECT_EQ(testing::CountOf(Slot(0), 0x00FF00), 500);
}

TEST_F(CaptureTest, FailedCaptureEmptiesTheSlotAndNamesTheRunTimesError) {
    Load(Surface(4, 4, 0x102030), 7);
    const int old = Sel().BitmapIDSelection[7];
    Rt().ClearPopups();
    EXPECT_EQ(Cap().CopyBitmapFromPanelToSelection(0, 0, 0, 10, 7), -1);
    EXPECT_EQ(OnlyPopup(),
              "fatal error: CVI-function 'CopyBitmapFromPanelToSelection': " +
                  std::string(platform::GetUILErrorString(platform::kUIEInvalidValue)));
    EXPECT_EQ(Sel().BitmapIDSelection[7], 0);
    EXPECT_EQ(Rt().FindBitmap(old), nullptr);

    // An empty text gives a picture of no width.
    Rt().ClearPopups();
    EXPECT_EQ(FontCapture(7, "", 12, 2), -1);
    EXPECT_EQ(OnlyPopup(),
              "fatal error: CVI-function 'CopyBitmapFromFontTextToSelection': " +
                  std::string(platform::GetUILErrorString(platform::kUIEInvalidValue)));

    engine_->MainPanel().DiscardPanel();
    Rt().ClearPopups();
    EXPECT_EQ(Cap().CopyBitmapFromDMDLayerToSelection(7), -1);
    EXPECT_EQ(OnlyPopup(),
              "fatal error: CVI-function 'CopyBitmapFromDMDLayerToSelection': " +
                  std::string(platform::GetUILErrorString(platform::kUIEInvalidPanel)));
    EXPECT_EQ(Sel().BitmapIDSelection[7], 0);
}

TEST_F(CaptureTest, FontCaptureIsTheScratchCanvasFittedToTheText) {
    Load(Surface(16, 12, 0), 9);
    ASSERT_EQ(
        Cap().CopyBitmapFromFontTextToSelection(9, "Tilt 42", 1, 0, 0x40C0FF, "DejaVu Sans", 18, 0),
        0);
    int height = 0;
    int width = 0;
    Rt().CreateMetaFont("measure", "DejaVu Sans", 18, true, false, false, false);
    Rt().GetTextDisplaySize("Tilt 42", "measure", &height, &width);
    int control_width = 0;
    int control_height = 0;
    Rt().GetCtrlAttribute(Panel(), ids::kFontScratch, Attr::Width, &control_width);
    Rt().GetCtrlAttribute(Panel(), ids::kFontScratch, Attr::Height, &control_height);
    EXPECT_EQ(control_width, width);
    EXPECT_EQ(Sel().BitmapWidth[9], width);
    EXPECT_EQ(Sel().BitmapHeight[9], control_height);
    EXPECT_EQ(Sel().BitmapFrameWidth[9], 8);  // the frame grid stays

    Surface shown;
    ASSERT_TRUE(Rt().ComposeControl(Panel(), ids::kFontScratch, &shown));
    EXPECT_EQ(Slot(9).pixels, shown.pixels);
    EXPECT_GT(testing::CountOf(shown, 0x40C0FF), 20);  // the text in its colour on black
    EXPECT_GT(testing::CountOf(shown, 0x000000), 20);
}

// The first size at which the font scratch canvas shows `text` with the given width (or, for
// width 0, the given height); 0 when there is none.
int SizeGiving(platform::Runtime& rt, int panel, std::string_view text, int width, int height) {
    for (int size = 1; size <= 60; ++size) {
        rt.CreateMetaFont("probe", "DejaVu Sans", size, false, false, false, false);
        int h = 0;
        int w = 0;
        rt.GetTextDisplaySize(text, "probe", &h, &w);
        rt.SetCtrlAttribute(panel, ids::kFontScratch, Attr::TextPointSize, size);
        rt.SetCtrlVal(panel, ids::kFontScratch, text);
        rt.GetCtrlAttribute(panel, ids::kFontScratch, Attr::Height, &h);
        if ((width != 0 && w == width) || (height != 0 && h == height)) return size;
    }
    return 0;
}

TEST_F(CaptureTest, MirrorTwoSwapsColumnsAndMirrorOneSwapsRows) {
    // A picture 5 columns wide for the left-right mirror, one 4 rows high for the upside-down.
    const int narrow = SizeGiving(Rt(), Panel(), "Jk", 5, 0);
    const int low = SizeGiving(Rt(), Panel(), "Fg", 0, 4);
    ASSERT_GT(narrow, 0);
    ASSERT_GT(low, 0);
    for (const auto& [text, size, mirror] :
         {std::tuple{"Jk", narrow, 2}, std::tuple{"Fg", low, 1}, std::tuple{"Fg 7", 14, 2},
          std::tuple{"Fg 7", 15, 1}}) {
        SCOPED_TRACE(std::string(text) + " " + std::to_string(size));
        ASSERT_EQ(FontCapture(10, text, size, 0), 0);
        ASSERT_EQ(FontCapture(11, text, size, static_cast<uint8_t>(mirror)), 0);
        const Surface plain = Slot(10);
        const Surface mirrored = Slot(11);
        ASSERT_EQ(mirrored.width, plain.width);
        ASSERT_EQ(mirrored.height, plain.height);
        if (size == narrow) {
            EXPECT_EQ(plain.width, 5);
        }
        if (size == low) {
            EXPECT_EQ(plain.height, 4);
        }
        for (int y = 0; y < plain.height; ++y) {
            for (int x = 0; x < plain.width; ++x) {
                const uint32_t expected = mirror == 2 ? plain.At(plain.width - 1 - x, y)
                                                      : plain.At(x, plain.height - 1 - y);
                ASSERT_EQ(mirrored.At(x, y), expected) << x << "," << y;
            }
        }
        EXPECT_NE(mirrored.pixels, plain.pixels);
    }
    // The construct canvas keeps the last mirrored picture and stays where it was parked.
    int left = 0;
    Rt().GetCtrlAttribute(Panel(), ids::kConstructCanvas, Attr::Left, &left);
    EXPECT_EQ(left, kWidth);
    EXPECT_EQ(testing::ReadCanvas(Rt(), Panel(), ids::kConstructCanvas).pixels, Slot(11).pixels);
}

TEST_F(CaptureTest, OtherMirrorValuesGiveThePictureUnmirrored) {
    ASSERT_EQ(FontCapture(12, "Fg 7", 16, 0), 0);
    for (uint8_t mirror : {uint8_t{3}, uint8_t{255}}) {
        ASSERT_EQ(FontCapture(13, "Fg 7", 16, mirror), 0);
        EXPECT_EQ(Slot(13).pixels, Slot(12).pixels);
        EXPECT_NE(Sel().BitmapIDSelection[13], 0);
    }
}

TEST_F(CaptureTest, MirroredFontCaptureDrawnOnTheDmd) {
    engine_->AreaDrawing().ClearArea(0, 0, -1, -1, 0x102040);
    ASSERT_EQ(Cap().CopyBitmapFromFontTextToSelection(20, "TILT 15", 1, 0, 0xFFD020, "DejaVu Sans",
                                                      22, 2),
              0);
    ASSERT_EQ(Cap().MaskBitmapFromSelection(20, 0x000000), 0);
    engine_->AreaDrawing().DrawArea(20, 0, 0, static_cast<int16_t>(Sel().BitmapWidth[20]),
                                    static_cast<int16_t>(Sel().BitmapHeight[20]), 12, 6);
    EXPECT_MATCHES_GOLDEN(testing::ReadCanvas(Rt(), Panel(), ids::kDmdCanvas),
                          "engine/capture_mirrored_font_on_dmd");
}

TEST_F(CaptureTest, MaskTakesPicturesUpTo125000Pixels) {
    Load(Surface(500, 250, 0x336699), 30);
    Load(Surface(501, 250, 0x336699), 31);
    Rt().ClearPopups();
    EXPECT_EQ(Cap().MaskBitmapFromSelection(30, 0x336699), 0);
    EXPECT_TRUE(Popups().empty());
    const platform::Bitmap* masked = Rt().FindBitmap(Sel().BitmapIDSelection[30]);
    ASSERT_NE(masked, nullptr);
    EXPECT_TRUE(masked->HasMask());
    EXPECT_FALSE(masked->Opaque(499, 249));

    EXPECT_EQ(Cap().MaskBitmapFromSelection(31, 0x336699), -1);
    EXPECT_EQ(OnlyPopup(),
              "fatal error: CVI-function 'MaskBitmapFromSelection': selected bitmap "
              "too big");
    EXPECT_FALSE(Rt().FindBitmap(Sel().BitmapIDSelection[31])->HasMask());
}

TEST_F(CaptureTest, MaskRowsAreWholeSixteenBitWords) {
    for (const auto& [width, bytes] : {std::pair{17, 4}, std::pair{16, 2}, std::pair{1, 2}}) {
        SCOPED_TRACE(width);
        Load(Surface(width, 3, 0x000000), 40);
        ASSERT_EQ(Cap().MaskBitmapFromSelection(40, kMagenta), 0);
        EXPECT_EQ(Cap().BitmapMaskBytesPerRow, bytes);
        std::vector<uint8_t> bits;
        std::vector<uint8_t> mask;
        ASSERT_EQ(Rt().GetBitmapData(Sel().BitmapIDSelection[40], &bits, &mask), 0);
        EXPECT_EQ(mask.size(), static_cast<size_t>(bytes) * 3);
        // Every pixel opaque: the first byte of a row full, the 17th pixel in the third byte's
        // top bit.
        EXPECT_EQ(mask[0], width == 1 ? 0x80 : 0xFF);
        if (width == 17) {
            EXPECT_EQ(mask[2], 0x80);
        }
    }
}

TEST_F(CaptureTest, MaskedColourLeavesTheCanvasUntouchedAndOtherColoursDraw) {
    // 7 x 3, magenta on the diagonal and in the last column.
    Surface picture(7, 3, 0x20A040);
    for (int y = 0; y < 3; ++y) {
        picture.At(y, y) = kMagenta;
        picture.At(6, y) = kMagenta;
    }
    Load(picture, 50);
    Load(picture, 51);
    ASSERT_EQ(Cap().MaskBitmapFromSelection(50, kMagenta), 0);
    ASSERT_EQ(Cap().MaskBitmapFromSelection(51, 0x123456), 0);  // a colour not in the picture

    // The effect canvas was sized to the picture and shows it, where it was parked.
    const Surface effect = testing::ReadCanvas(Rt(), Panel(), ids::kEffectCanvas);
    EXPECT_EQ(effect.width, 7);
    EXPECT_EQ(effect.height, 3);
    EXPECT_EQ(effect.pixels, picture.pixels);

    engine_->AreaDrawing().ClearArea(0, 0, -1, -1, 0x0000C0);
    engine_->AreaDrawing().DrawArea(50, 0, 0, 7, 3, 10, 5);
    engine_->AreaDrawing().DrawArea(51, 0, 0, 7, 3, 30, 5);
    const Surface dmd = testing::ReadCanvas(Rt(), Panel(), ids::kDmdCanvas);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 7; ++x) {
            const uint32_t expected = picture.At(x, y) == kMagenta ? 0x0000C0 : 0x20A040;
            EXPECT_EQ(dmd.At(10 + x, 5 + y), expected) << x << "," << y;
            EXPECT_EQ(dmd.At(30 + x, 5 + y), picture.At(x, y)) << x << "," << y;
        }
    }
}

TEST_F(CaptureTest, MaskKeepsTheBytesOfA32BitPictureLargerThanTheClassicBuffer) {
    // 300 x 400 pixels of 4 bytes: 480000 bytes of pixel data.
    Surface picture(300, 400, 0x0A0B0C);
    picture.At(299, 399) = kMagenta;
    picture.At(0, 399) = 0x556677;
    Load(picture, 60);
    const int bitmap = Sel().BitmapIDSelection[60];
    std::vector<uint8_t> bits(300 * 4 * 400);
    for (size_t p = 0; p < 300 * 400; ++p) {
        const uint32_t c = picture.pixels[p];
        bits[4 * p] = static_cast<uint8_t>(c);
        bits[4 * p + 1] = static_cast<uint8_t>(c >> 8);
        bits[4 * p + 2] = static_cast<uint8_t>(c >> 16);
    }
    ASSERT_EQ(Rt().SetBitmapData(bitmap, 1200, 32, bits, {}), 0);
    Sel().ReadGeometry(60);

    ASSERT_EQ(Cap().MaskBitmapFromSelection(60, kMagenta), 0);
    const platform::Bitmap* b = Rt().FindBitmap(bitmap);
    EXPECT_EQ(b->pixel_depth, 32);
    EXPECT_EQ(b->bytes_per_row, 1200);
    EXPECT_EQ(b->image.pixels, picture.pixels);
    EXPECT_FALSE(b->Opaque(299, 399));
    EXPECT_TRUE(b->Opaque(0, 399));
    EXPECT_TRUE(b->Opaque(298, 399));
}

TEST_F(CaptureTest, MaskOfAnEmptySlotChangesNothingVisible) {
    Rt().ClearPopups();
    EXPECT_EQ(Cap().MaskBitmapFromSelection(0, 0), 0);
    EXPECT_TRUE(Popups().empty());
}

TEST_F(CaptureTest, CopyingTheDmdTwiceLeavesTheSecondPictureOnTheClipboard) {
    engine_->AreaDrawing().ClearArea(0, 0, -1, -1, 0xFF0000);
    EXPECT_EQ(Cap().copydmdtosimpledmd(), 0);
    const int first = engine_->ExtraPanel().clipbmp;
    EXPECT_EQ(headless_->Clipboard().image.At(0, 0), 0xFF0000u);

    engine_->AreaDrawing().ClearArea(0, 0, -1, -1, 0x0000FF);
    engine_->AreaDrawing().ClearArea(4, 3, 1, 1, 0x00FF00);
    EXPECT_EQ(Cap().copydmdtosimpledmd(), 0);
    const Surface& clip = headless_->Clipboard().image;
    EXPECT_EQ(clip.width, kWidth);
    EXPECT_EQ(clip.height, kHeight);
    EXPECT_EQ(clip.At(0, 0), 0x0000FFu);
    EXPECT_EQ(clip.At(4, 3), 0x00FF00u);
    EXPECT_EQ(Rt().FindBitmap(first), nullptr);  // only the latest picture is kept
    EXPECT_TRUE(Popups().empty());
}

}  // namespace
}  // namespace tov
