// A picture of the bitmap selection appearing, or vanishing, like a venetian blind: parallel
// strips (lamellas) start every LamellaDistance bitmap pixels, and each step draws every strip
// at the thickness it is given, so the strips grow until they touch. The effect draws on the
// effect canvas, sized to the zoomed picture; it has no hide of its own.
#pragma once

#include <cstdint>

namespace tov {

class Engine;

class Lamella {
  public:
    explicit Lamella(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Stores the settings, then sizes and places the effect canvas (-1 centres the zoomed
    // picture on the main panel) and clears it (fade in, _LamellaFadeInOut 1) or shows the
    // whole picture (fade out, any other value). _LamellaAngle is the direction the strips
    // grow in: 0 rightwards, 90 upwards, 180 leftwards, 270 downwards; any other angle is
    // refused after the settings are stored, leaving the canvas untouched, and later steps
    // draw nothing.
    int SetLamellaAttr(int16_t _LamellaBitmapIDIndex, int16_t _LamellaXPos, int16_t _LamellaYPos,
                       double _LamellaXZoom, double _LamellaYZoom, int16_t _LamellaDistance,
                       int16_t _LamellaFadeInOut, int16_t _LamellaAngle);
    // Draws every strip _LamellaThickness bitmap pixels thick: strips of the picture (fade in)
    // or black strips (fade out). A distance of 0 or less, a slot outside 0..499 and an empty
    // slot draw nothing.
    int ShowLamellaStep(int16_t _LamellaThickness);

    // --- State ---------------------------------------------------------------------------
    int16_t LamellaBitmapIDIndex = 0;
    int16_t LamellaXPos = 0;
    int16_t LamellaYPos = 0;
    double LamellaXZoom = 0.0;
    double LamellaYZoom = 0.0;
    int16_t LamellaDistance = 0;   // bitmap pixels between the starts of two strips
    int16_t LamellaFadeInOut = 0;  // 1 = fade in, anything else = fade out
    int16_t LamellaAngle = 0;      // 0, 90, 180 or 270

  private:
    Engine& engine_;
};

}  // namespace tov
