// The extra panel: a second top-level panel, placed anywhere by the script, that carries the
// gauges, a titled text line, the dynamic pictures and its own DMD layer (the extra DMD canvas,
// drawn on by the DMD renderer's and the area drawing's twins).
//
// No member checks that the panel exists: before InstallExtraPanel or after DiscardExtraPanel
// the run-time refuses the operations on the handle and the members still return 0.
#pragma once

#include <cstdint>
#include <string_view>

namespace tov {

class Engine;

class ExtraPanel {
  public:
    explicit ExtraPanel(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Loads a further extra panel (an older one stays on the screen), places and sizes it,
    // stretches the extra DMD canvas black over it, shows it framed and locks its window
    // against mouse and keyboard input for good.
    int InstallExtraPanel(int16_t _ExtraPanelXPos, int16_t _ExtraPanelYPos,
                          int16_t _ExtraPanelWidth, int16_t _ExtraPanelHeight);
    // Moves the left edge back to ExtraPanelXPos and shows the panel again.
    int ShowExtraPanel();
    // Moves the left edge to 1605 and, since today's screens are wider than that, also keeps the
    // panel out of the picture until ShowExtraPanel.
    int HideExtraPanel();
    // Discards the panel; ExtraPanelHandle keeps its value.
    int DiscardExtraPanel();
    // 1 shows the panel's frame, any other value hides it.
    int SetExtraPanelFrameVisibility(uint8_t _XPanelFrameVisibility);
    // Captures what the extra DMD canvas shows and draws it unscaled onto the main DMD canvas
    // at the top-left corner, over at most the main panel's size. Only the latest capture is
    // kept (clipbmp).
    int CopyXtraToDmd();
    // Styles the extra text (control 8). -2 as a number and an empty text leave that property
    // unchanged; the label is always centred over the control, its top edge at
    // _YPos - trunc((_FontSize + 6) / 1.5) from the arguments as passed.
    int SetExtraTextAttr(int16_t _XPos, int16_t _YPos, int16_t _Width, std::string_view _Title,
                         std::string_view _FontType, int16_t _FontSize, int32_t _FrontColor,
                         int32_t _BackColor, int16_t _Visibility);
    int SetExtraTextText(std::string_view _Text);

    // --- State ---------------------------------------------------------------------------
    static constexpr int kUnchanged = -2;

    int ExtraPanelHandle = 0;  // 0 until InstallExtraPanel
    int ExtraPanelXPos = 0;    // the left edge ShowExtraPanel restores
    int clipbmp = 0;  // the latest capture of CopyXtraToDmd or copydmdtosimpledmd; 0 for none

  private:
    Engine& engine_;
};

}  // namespace tov
