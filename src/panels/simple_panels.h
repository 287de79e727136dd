// Up to eight simple panels, numbered 0..7: windows of their own, each a canvas that fills it
// and serves as a second, independent DMD with display settings of its own. Numbers and texts
// are drawn by the DMD renderer and rectangles by the area drawing, the same code that draws on
// the main and extra DMD canvases, aimed at the simple panel's canvas with its own settings.
//
// A number outside 0..7 is refused by every member with a "fatal error" and -1. Drawing on a
// panel that is not installed (never, or discarded) draws nothing and returns 0.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/dmd.h"

namespace tov {

class Engine;

class SimplePanels {
  public:
    explicit SimplePanels(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Records the current folder as loadedVPTDir (the base of relative file names, as
    // InstallPanel does), loads simple panel n (an earlier install of the same number is
    // discarded first), places and sizes it, frames it for _SimplePanelFrameYN 1 only, makes its
    // canvas black and as large as the panel, and shows it.
    int InstallSimplePanel(int16_t _SimplePanelNumber, uint8_t _SimplePanelFrameYN,
                           int16_t _SimplePanelXPos, int16_t _SimplePanelYPos,
                           int16_t _SimplePanelWidth, int16_t _SimplePanelHeight);
    // Discards the panel; SimplePanelHandle keeps its value.
    int DiscardSimplePanel(int16_t _SimplePanelNumber);
    // Stores the panel's seven display settings, unchecked; they may be set before the install
    // and survive a discard.
    int SetSimplePanelDMDAttr(int16_t _SimplePanelNumber, int16_t _SimplePanelDMDXPos,
                              int16_t _SimplePanelDMDYPos, double _SimplePanelDMDXZoom,
                              double _SimplePanelDMDYZoom, int16_t _SimplePanelDMDBitmapIDIndex,
                              int16_t _SimplePanelDMDZerosYN, int16_t _SimplePanelDMDCommasYN);
    // A number right-aligned in a field of ten positions, as ShowDMDNumeric draws it. Values
    // below 0, above 9999999999 and not a number are a "fatal error": -1, nothing drawn.
    int ShowSimplePanelDMDNumeric(int16_t _SimplePanelNumber, double _SimplePanelDMDValue);
    // A text as ShowDMDText draws it.
    int ShowSimplePanelDMDText(int16_t _SimplePanelNumber, std::string_view _SimplePanelDMDText);
    // A filled rectangle as ClearArea draws it.
    int SimplePanelClearArea(int16_t _SimplePanelNumber, int16_t _SimplePanelAreaXPos,
                             int16_t _SimplePanelAreaYPos, int16_t _SimplePanelAreaWidth,
                             int16_t _SimplePanelAreaHeight, int32_t _Color);
    // An unscaled section copy as DrawArea draws it.
    int SimplePanelDrawArea(int16_t _SimplePanelNumber, int16_t _BitmapIDIndex,
                            int16_t _BitmapSectionXPos, int16_t _BitmapSectionYPos,
                            int16_t _BitmapSectionWidth, int16_t _BitmapSectionHeight,
                            int16_t _SimplePanelAreaXPos, int16_t _SimplePanelAreaYPos);
    // 1 locks the panel's window against mouse and keyboard input, 0 unlocks it, other values
    // change nothing. A panel that is not installed is a "warning" and -1.
    int SetSimplePanelUserLock(int16_t _SimplePanelNumber, uint8_t _SimplePanelUserLockYN);

    // --- State ---------------------------------------------------------------------------
    static constexpr int kPanels = 8;
    // Panel resource in "tov_public.uir" and control id of the canvas, by panel number.
    static constexpr std::array<int, kPanels> SimplePanelDescriptor = {2, 3, 4, 5, 6, 7, 8, 9};
    static constexpr std::array<int, kPanels> SimplePanelCanvasDescriptor = {2, 2, 2, 2,
                                                                             2, 2, 2, 2};

    std::array<int, kPanels> SimplePanelHandle{};  // 0 until the panel is first installed
    std::array<int16_t, kPanels> SimplePanelDMDXPos{};
    std::array<int16_t, kPanels> SimplePanelDMDYPos{};
    std::array<double, kPanels> SimplePanelDMDXZoom{};
    std::array<double, kPanels> SimplePanelDMDYZoom{};
    std::array<int16_t, kPanels> SimplePanelDMDBitmapIDIndex{};
    std::array<int16_t, kPanels> SimplePanelDMDZerosYN{};   // not 0: leading zeros
    std::array<int16_t, kPanels> SimplePanelDMDCommasYN{};  // exactly 1: thousands separators

  private:
    // Reports a panel number outside 0..7 for the member; false then.
    bool CheckNumber(std::string_view member, int number);
    DmdLayout Layout(int n) const;
    DmdCanvas Canvas(int n) const;

    Engine& engine_;
};

}  // namespace tov
