// The gem panel: a frameless window showing one of four gem pictures, for example the phase of
// a bonus. The pictures are the fixed files "gfx_extern\Schmuckstein0.bmp" to
// "gfx_extern\Schmuckstein3.bmp" below loadedVPTDir; picture i is shown for phase i.
#pragma once

#include <cstdint>

namespace tov {

class Engine;

class GemPanel {
  public:
    explicit GemPanel(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Loads the gem panel (a panel of an earlier install is discarded first), places and sizes
    // it and reads the four gem pictures into its picture ring. A picture that cannot be read is
    // a "warning" naming its full path; the others are read all the same and keep their phase
    // numbers. The panel shows without frame, the picture filling it, and its window is locked.
    // Always 0.
    int InstallGemPanel(int16_t _GemPanelXPos, int16_t _GemPanelYPos, int16_t _GemPanelWidth,
                        int16_t _GemPanelHeight);
    // Shows picture _GemPhase; a phase without picture changes nothing.
    int SetGemPhase(uint8_t _GemPhase);
    // Discards the panel with its pictures.
    int DiscardGemPanel();

    // --- State ---------------------------------------------------------------------------
    static constexpr int kGems = 4;

    int GemPanelHandle = 0;  // 0 until InstallGemPanel

  private:
    Engine& engine_;
};

}  // namespace tov
