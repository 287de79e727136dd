// The main panel: the window the engine draws everything on but the gauges and the auxiliary
// panels. InstallPanel comes first in every script: it records the base folder of relative file
// names, empties the bitmap selection, loads and places the panel, parks the effect controls
// beyond its right edge, stretches the DMD canvas over it and fills the random tables of the
// star animation and the pixel picture.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tov {

class Engine;

class MainPanel {
  public:
    explicit MainPanel(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    int InstallPanel(int16_t _PanelXPos, int16_t _PanelYPos, int16_t _PanelWidth,
                     int16_t _PanelHeight);
    int SetPanelFrameVisibility(uint8_t _PanelFrameVisibility);
    int SetPanelUserLock(uint8_t _PanelUserLockYN);
    int DiscardPanel();
    // Moves the panel's left edge to 1605 and, since today's screens are wider than that, also
    // keeps it out of the picture until ShowPanel.
    int HidePanel();
    int ShowPanel();
    int ChangePanelColor(int32_t _Color);
    int get_ScreenWidth(int16_t* ScreenWidth);

    // Parks one of the panel's controls: moves its left edge to PanelWidth, just beyond the
    // panel's right edge. What every Hide... member does; returns 0.
    int ParkControl(int control);
    int get_ScreenHeight(int16_t* ScreenHeight);
    int get_MouseXPos(int16_t* MouseXPos);
    int get_MouseYPos(int16_t* MouseYPos);
    int get_LMB(int16_t* LMB);
    int get_RMB(int16_t* RMB);
    int get_MMB(int16_t* MMB);
    int SetMouseCursorVisibility(uint8_t _MouseCursorVisibility);

    // --- State ---------------------------------------------------------------------------
    static constexpr int kHiddenLeftEdge = 1605;
    static constexpr int kStars = 36;
    static constexpr int kPixels = 1000;

    int PanelHandle = 0;
    std::string loadedVPTDir;  // the base of every relative file name
    int PanelXPos = 0;
    int PanelWidth = 0;
    int PanelHeight = 0;
    int PanelXCenter = 0;
    int PanelYCenter = 0;
    double PanelAngle = 0.0;  // the angle of the panel's diagonal, degrees
    int PanelColor = 0;
    int OriginalZPlanePosBackground = 0;
    int OriginalZPlanePosScrolltext = 0;

    // Random tables of the star animation and the pixel picture.
    static const std::array<double, kStars> StarAngle;
    std::array<int, kStars> StarStep{};
    std::array<double, kStars> StarExp{};
    double StarRnd = 0.0;
    std::array<double, kStars> Stardx{};
    std::array<double, kStars> Stardy{};
    int StarIndex = 0;
    std::array<int16_t, kPixels> Pixel{};  // a permutation of 1..1000

  private:
    void FillStarTables();
    void FillPixelTable();

    Engine& engine_;
};

}  // namespace tov
