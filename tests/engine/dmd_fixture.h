// Shared by the DMD, extra panel and area drawing tests: an engine with an installed main panel
// inside a fresh folder, a font strip whose cells each have a colour of their own (so every
// drawn cell can be told from the canvas), and readers of canvas pixels.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

#include "engine/engine.h"
#include "platform/image_file.h"
#include "platform/panel_ids.h"
#include "platform/surface.h"
#include "support/temp_dir.h"

namespace tov::testing {

constexpr int kFontCells = 75;  // "0" to "z"
constexpr uint32_t kSeparatorColor = 0xFFFF00;

// The colour of cell k: distinct for every cell, never black nor the separator's.
constexpr uint32_t CellColor(int cell) {
    return 0x400000u + static_cast<uint32_t>(cell) * 0x010203u;
}

// The cell a colour belongs to, or -1.
inline int CellOfColor(uint32_t color) {
    for (int k = 0; k < kFontCells; ++k)
        if (CellColor(k) == color) return k;
    return -1;
}

// A strip of kFontCells cells of fw x fh, each filled with CellColor(k); the top-left quarter
// of cell 10 (fw / 2 x fh / 2) is the separator colour.
inline platform::Surface FontStrip(int fw, int fh) {
    platform::Surface s(fw * kFontCells, fh, 0);
    for (int k = 0; k < kFontCells; ++k)
        for (int y = 0; y < fh; ++y)
            for (int x = 0; x < fw; ++x)
                s.At(k * fw + x, y) = CellColor(k);
    for (int y = 0; y < fh / 2; ++y)
        for (int x = 0; x < fw / 2; ++x)
            s.At(10 * fw + x, y) = kSeparatorColor;
    return s;
}

// Pixels of a canvas control as its content is, read through the run-time.
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
    int left = s.width;
    int top = s.height;
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            if (s.At(x, y) != color) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    if (right < 0) return platform::Rect{};
    return platform::MakeRect(top, left, bottom - top + 1, right - left + 1);
}

inline int CountOf(const platform::Surface& s, uint32_t color) {
    int count = 0;
    for (uint32_t p : s.pixels)
        count += p == color ? 1 : 0;
    return count;
}

// True when every pixel of r has the colour.
inline bool Solid(const platform::Surface& s, platform::Rect r, uint32_t color) {
    for (int y = r.top; y < r.top + r.height; ++y)
        for (int x = r.left; x < r.left + r.width; ++x)
            if (!s.Contains(x, y) || s.At(x, y) != color) return false;
    return true;
}

// An engine whose main panel is installed from inside a fresh folder holding "font.png" (cells
// 8 x 8) and "font7.png" (cells 7 x 7); the current folder is restored at the end.
class DmdFixture : public ::testing::Test {
  protected:
    static constexpr int kPanelWidth = 200;
    static constexpr int kPanelHeight = 40;
    static constexpr int kFontSlot = 3;

    void SetUp() override {
        previous_dir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        ASSERT_EQ(platform::WritePng(dir_.File("font.png"), FontStrip(8, 8)), 0);
        ASSERT_EQ(platform::WritePng(dir_.File("font7.png"), FontStrip(7, 7)), 0);
        ASSERT_EQ(engine_.MainPanel().InstallPanel(0, 0, kPanelWidth, kPanelHeight), 0);
        ASSERT_EQ(engine_.BitmapSelection().AddBitmapToSelection("font.png", kFontSlot, 8, 8), 0);
    }
    void TearDown() override { std::filesystem::current_path(previous_dir_); }

    platform::Runtime& Rt() { return engine_.Runtime(); }
    platform::Surface MainDmd() {
        return ReadCanvas(Rt(), engine_.MainPanel().PanelHandle, platform::main_panel::kDmdCanvas);
    }
    platform::Surface ExtraDmd() {
        return ReadCanvas(Rt(), engine_.ExtraPanel().ExtraPanelHandle,
                          platform::extra_panel::kExtraDmdCanvas);
    }
    // The cell drawn at the 8 x 8 field position p of a display at (x, y), zoom 1, judged by
    // the whole rectangle: -1 when the rectangle is not one cell's colour throughout.
    static int CellAt(const platform::Surface& s, int x, int y, int p) {
        const platform::Rect r = platform::MakeRect(y, x + 8 * p, 8, 8);
        if (!s.Contains(r.left, r.top)) return -1;
        const int cell = CellOfColor(s.At(r.left, r.top));
        return cell >= 0 && Solid(s, r, CellColor(cell)) ? cell : -1;
    }
    static bool BlankAt(const platform::Surface& s, int x, int y, int p) {
        return Solid(s, platform::MakeRect(y, x + 8 * p, 8, 8), 0);
    }

    TempDir dir_;
    std::filesystem::path previous_dir_;
    Engine engine_;
};

}  // namespace tov::testing
