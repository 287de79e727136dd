// A cross-fade between two pictures of the bitmap selection of the same size. Each step blends
// the untouched bytes of both by an intensity from 0 (the first picture) to 100 (the second)
// into the fade working bitmap and draws it over the effect canvas, stretched to the display
// size. It shares the pixel buffers and the working bitmap with the fade in/out, so a set-up of
// either ends any run of the other.
#pragma once

#include <cstdint>

namespace tov {

class Engine;

class FadeOver {
  public:
    explicit FadeOver(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Copies the pixel bytes of both slots, makes the working bitmap from the first and shows
    // the first picture at _Width x _Height pixels (-1 as a position centres that size on the
    // main panel). Refuses slots outside 0..499, empty slots, pictures of more than 125,000
    // pixels, pictures of different sizes and pictures whose pixel data are laid out
    // differently (another depth or row length), changing nothing.
    int SetBitmapFadeOverAttr(int16_t _BitmapIDIndex1, int16_t _BitmapIDIndex2, int16_t _XPos,
                              int16_t _YPos, int16_t _Width, int16_t _Height);
    // Draws the blend at intensity 0..100 over the whole effect canvas. Before a set-up of its
    // own (or after a fade in/out or mask capture took the buffers) it draws nothing.
    int ChangeBitmapFadeOverIntensity(uint8_t _FadeOverIntensity);

    // --- State ---------------------------------------------------------------------------
    int16_t BitmapFadeOverBitmapIDIndex1 = 0;
    int16_t BitmapFadeOverBitmapIDIndex2 = 0;
    int16_t BitmapFadeOverXPos = 0;
    int16_t BitmapFadeOverYPos = 0;
    int16_t BitmapFadeOverWidth = 0;
    int16_t BitmapFadeOverHeight = 0;

  private:
    Engine& engine_;
};

}  // namespace tov
