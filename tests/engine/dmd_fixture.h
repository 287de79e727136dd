// Shared by the DMD, extra panel and area drawing tests: an engine whose main panel (200 x 40)
// is installed inside a fresh folder, and a font strip whose cells each have a colour of their
// own, so that every drawn cell can be told from the canvas.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

#include "engine/engine.h"
#include "platform/image_file.h"
#include "platform/panel_ids.h"
#include "support/temp_dir.h"

namespace tov::testing {

constexpr int kFontCells = 75;  // "0" to "z"
constexpr uint32_t kSeparatorColor = 0xFFFF00;

// Never black nor the separator's colour.
constexpr uint32_t CellColor(int cell) {
    return 0x400000u + static_cast<uint32_t>(cell) * 0x010203u;
}

// Cells of fw x fh in CellColor(k); the top-left quarter of cell 10 in the separator colour.
inline platform::Surface FontStrip(int fw, int fh) {
    platform::Surface s(fw * kFontCells, fh, 0);
    for (int y = 0; y < fh; ++y)
        for (int x = 0; x < s.width; ++x)
            s.At(x, y) =
                x / fw == 10 && x % fw < fw / 2 && y < fh / 2 ? kSeparatorColor : CellColor(x / fw);
    return s;
}

inline platform::Surface ReadCanvas(platform::Runtime& rt, int panel, int control) {
    int width = 0;
    int height = 0;
    rt.GetCtrlAttribute(panel, control, platform::Attr::Width, &width);
    rt.GetCtrlAttribute(panel, control, platform::Attr::Height, &height);
    platform::Surface s(width, height, 0);
    rt.CanvasGetPixels(panel, control, platform::MakeRect(0, 0, height, width), s.pixels);
    return s;
}

// The bounding rectangle of the pixels of one colour; all zero when there is none.
inline platform::Rect BoundsOf(const platform::Surface& s, uint32_t color) {
    int left = s.width, top = s.height, right = -1, bottom = -1;
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            if (s.At(x, y) == color) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    return right < 0 ? platform::Rect{}
                     : platform::MakeRect(top, left, bottom - top + 1, right - left + 1);
}

inline int CountOf(const platform::Surface& s, uint32_t color) {
    return static_cast<int>(std::count(s.pixels.begin(), s.pixels.end(), color));
}

// What the run-time records of a panel; a default record for a handle it never had.
inline platform::PanelInfo InfoOf(platform::Runtime& rt, int handle) {
    for (const platform::PanelInfo& p : rt.Panels())
        if (p.handle == handle) return p;
    return {};
}

class DmdFixture : public ::testing::Test {
  protected:
    static constexpr int kPanelWidth = 200;
    static constexpr int kPanelHeight = 40;
    static constexpr int kBlank = kPanelWidth * kPanelHeight;
    static constexpr int kFontSlot = 3;  // cells of 8 x 8

    void SetUp() override {
        previous_dir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        ASSERT_EQ(platform::WritePng(dir_.File("font.png"), FontStrip(8, 8)), 0);
        ASSERT_EQ(engine_.MainPanel().InstallPanel(0, 0, kPanelWidth, kPanelHeight), 0);
        ASSERT_EQ(engine_.BitmapSelection().AddBitmapToSelection("font.png", kFontSlot, 8, 8), 0);
    }
    void TearDown() override { std::filesystem::current_path(previous_dir_); }

    platform::Runtime& Rt() { return engine_.Runtime(); }
    platform::Surface MainDmd() {
        return ReadCanvas(Rt(), engine_.MainPanel().PanelHandle, platform::main_panel::kDmdCanvas);
    }
    platform::PanelInfo Info(int handle) { return InfoOf(Rt(), handle); }
    platform::Surface ExtraDmd() {
        return ReadCanvas(Rt(), engine_.ExtraPanel().ExtraPanelHandle,
                          platform::extra_panel::kExtraDmdCanvas);
    }

    TempDir dir_;
    std::filesystem::path previous_dir_;
    Engine engine_;
};

}  // namespace tov::testing
