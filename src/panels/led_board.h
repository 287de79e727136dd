// The LED board panel (the members call it BHG): a window of its own showing a background
// picture from a file with twelve round lamps on it, numbered 1..12. The script places and
// sizes each lamp and its caption and switches the lamps; the captions' texts come with the
// panel.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tov {

class Engine;

class LedBoard {
  public:
    explicit LedBoard(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Loads the LED board panel (a panel of an earlier install is discarded first), places and
    // sizes it, its frame as the panel file has it, and reads the background picture
    // _BHGBitmapFileName relative to loadedVPTDir. A picture that cannot be read is a "fatal
    // error" naming its full path: -1, the panel loaded but not shown. Otherwise the board
    // canvas fills the panel with the picture, the panel shows and its window is locked.
    int InstallBHGPanel(int16_t _BHGPanelXPos, int16_t _BHGPanelYPos, int16_t _BHGPanelWidth,
                        int16_t _BHGPanelHeight, std::string_view _BHGBitmapFileName);
    // Lamp 1..12: its left and top edge, a _BHGLEDDiameter square, and its caption's point size
    // and top-left corner in panel coordinates, every value as passed. Other lamp numbers change
    // nothing.
    int SetBHGLEDAttr(int16_t _BHGLEDIndex, int16_t _BHGLEDXPos, int16_t _BHGLEDYPos,
                      int16_t _BHGLEDDiameter, int16_t _BHGLEDTextXPos, int16_t _BHGLEDTextYPos,
                      int16_t _BHGLEDTextFontSize);
    // Lamp 1..12 takes _BHGLEDState as its value: 0 is off, any other value lights it. Other
    // lamp numbers change nothing.
    int SwitchBHGLED(int16_t _BHGLEDIndex, int16_t _BHGLEDState);
    // Discards the panel and its background picture.
    int DiscardBHGPanel();

    // --- State ---------------------------------------------------------------------------
    static constexpr int kLamps = 12;
    // The control of lamp n is LampControl[n - 1].
    static constexpr std::array<int, kLamps> LampControl = {11, 10, 12, 7, 4, 8, 5, 6, 2, 3, 9, 13};

    int BHGPanelHandle = 0;  // 0 until InstallBHGPanel
    int BHGBitmapID = 0;     // the background picture; 0 when there is none

  private:
    Engine& engine_;
};

}  // namespace tov
