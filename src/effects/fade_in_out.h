// A picture of the bitmap selection shown on the effect canvas at a place and scale and redrawn
// at a brightness from 0 (black) to 100 (the picture itself) on every step. Rising values fade
// it in, falling ones fade it out; each step recomputes the whole picture from the untouched
// source bytes, so brightness values may come in any order.
//
// The effect owns the pixel buffers it shares with the fade over and the mask capture, and the
// fade working bitmap in entry 500 of the selection.
#pragma once

#include <cstdint>

#include "effects/pixel_buffers.h"

namespace tov {

class Engine;

class FadeInOut {
  public:
    explicit FadeInOut(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Copies the slot's pixel bytes, makes the working bitmap and puts the effect canvas at
    // its place (-1 centres the scaled picture on the main panel) and scaled size, showing
    // only its background. Refuses a slot outside 0..499, an empty slot, a picture of more
    // than 125,000 pixels and a depth other than 24 or 32 bits, changing nothing.
    int SetBitmapFadeInOutAttr(int16_t _BitmapFadeInOutBitmapIDIndex, int16_t _BitmapFadeInOutXPos,
                               int16_t _BitmapFadeInOutYPos, double _BitmapFadeInOutXZoom,
                               double _BitmapFadeInOutYZoom);
    // Draws the picture at brightness 0..100 over the whole effect canvas. Before a set-up of
    // its own (or after a fade over or mask capture took the buffers) it draws nothing.
    int ChangeBitmapFadeInOutBrightness(int16_t _BitmapFadeInOutBrightness);

    // --- For the other subsystems --------------------------------------------------------
    PixelBuffers& Buffers() { return buffers_; }

    // --- State ---------------------------------------------------------------------------
    int16_t BitmapFadeInOutBitmapIDIndex = 0;
    int16_t BitmapFadeInOutXPos = 0;
    int16_t BitmapFadeInOutYPos = 0;
    double BitmapFadeInOutXZoom = 0.0;
    double BitmapFadeInOutYZoom = 0.0;

  private:
    Engine& engine_;
    PixelBuffers buffers_;
};

}  // namespace tov
