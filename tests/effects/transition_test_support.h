// What the transition tests share: an engine over a headless runtime with the main panel
// installed in a fresh folder, pictures written into that folder and loaded into slots, and
// read-back of the effect canvas and of bitmap bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "platform/image_file.h"
#include "platform/panel_ids.h"
#include "support/temp_dir.h"

namespace tov::testing {

// A picture without a black pixel: red grows to the right, green downwards, blue alternates in
// a checker of 4 x 4 cells.
inline platform::Surface TestPicture(int width, int height) {
    platform::Surface s(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t r = 16 + static_cast<uint32_t>(x * 239 / (width > 1 ? width - 1 : 1));
            const uint32_t g = 16 + static_cast<uint32_t>(y * 239 / (height > 1 ? height - 1 : 1));
            const uint32_t b = ((x / 4 + y / 4) % 2 == 0) ? 0x30 : 0xC0;
            s.At(x, y) = (r << 16) | (g << 8) | b;
        }
    }
    return s;
}

class TransitionTest : public ::testing::Test {
  protected:
    static constexpr int kPanelWidth = 800;
    static constexpr int kPanelHeight = 300;
    static constexpr int kEffectCanvas = platform::main_panel::kEffectCanvas;

    void SetUp() override {
        previous_dir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        engine_.MainPanel().InstallPanel(0, 0, kPanelWidth, kPanelHeight);
    }
    void TearDown() override { std::filesystem::current_path(previous_dir_); }

    platform::Runtime& Rt() { return engine_.Runtime(); }
    int Panel() { return engine_.MainPanel().PanelHandle; }
    BitmapSelection& Selection() { return engine_.BitmapSelection(); }

    // Writes the picture as a PNG and loads it into the slot, with the whole picture as frame.
    void Load(int slot, const platform::Surface& picture) {
        const std::string name = "picture" + std::to_string(slot) + ".png";
        ASSERT_EQ(platform::WritePng(dir_.File(name), picture), 0);
        ASSERT_EQ(Selection().AddBitmapToSelection(name, static_cast<int16_t>(slot),
                                                   static_cast<int16_t>(picture.width),
                                                   static_cast<int16_t>(picture.height)),
                  0);
    }

    int CanvasAttribute(platform::Attr attr) {
        int value = 0;
        Rt().GetCtrlAttribute(Panel(), kEffectCanvas, attr, &value);
        return value;
    }

    // The effect canvas's pixels at its current size.
    platform::Surface Canvas() {
        platform::Surface s(CanvasAttribute(platform::Attr::Width),
                            CanvasAttribute(platform::Attr::Height));
        Rt().CanvasGetPixels(Panel(), kEffectCanvas, platform::MakeRect(0, 0, s.height, s.width),
                             s.pixels);
        return s;
    }

    // The pixel bytes of a bitmap as the run-time's data query gives them.
    std::vector<uint8_t> BitmapBytes(int bitmap) {
        std::vector<uint8_t> bits;
        std::vector<uint8_t> mask;
        Rt().GetBitmapData(bitmap, &bits, &mask);
        return bits;
    }

    static int CountPixels(const platform::Surface& s, uint32_t color) {
        int n = 0;
        for (uint32_t p : s.pixels)
            n += (p & 0xFFFFFF) == color ? 1 : 0;
        return n;
    }

    // Gives the slot's bitmap a mask that hides every third pixel, keeping its pixel bytes.
    void MaskEveryThirdPixel(int slot) {
        const int bitmap = Selection().Handle(slot);
        int bytes_per_row = 0, depth = 0, width = 0, height = 0;
        Rt().GetBitmapInfo(bitmap, &bytes_per_row, &depth, &width, &height);
        const int mask_row = platform::MaskBytesPerRow(width);
        std::vector<uint8_t> mask(static_cast<size_t>(mask_row) * height, 0);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if ((x + y) % 3 != 0)
                    mask[static_cast<size_t>(y) * mask_row + x / 8] |= 0x80 >> (x % 8);
            }
        }
        ASSERT_EQ(Rt().SetBitmapData(bitmap, bytes_per_row, depth, BitmapBytes(bitmap), mask), 0);
    }

    // The colour of pixel (x, y) of 24-bit rows of `stride` bytes whose byte at an offset is
    // channel(offset).
    static uint32_t RowColor(int stride, int x, int y, const auto& channel) {
        const size_t o = static_cast<size_t>(y) * stride + 3 * static_cast<size_t>(x);
        return (uint32_t{channel(o + 2)} << 16) | (uint32_t{channel(o + 1)} << 8) | channel(o);
    }

    size_t PopupCount() { return Rt().Popups().size(); }
    const platform::PopupRecord& LastPopup() { return Rt().Popups().back(); }

    TempDir dir_;
    std::filesystem::path previous_dir_;
    Engine engine_;
};

}  // namespace tov::testing
