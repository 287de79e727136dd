// A card with a front and a back picture turning once about a horizontal or a vertical axis
// through a fixed point of the main panel. The turn is faked by scaling on the XYZ canvas (shared
// with the XYZ animation, parked by XyzAnim::HideXYZAnim): one dimension runs from a thin line
// to full size and back while the other keeps its zoomed size. Steps 0..159 show the front,
// 160..319 the back; each step is computed from its number alone.
#pragma once

#include <cstdint>

namespace tov {

class Engine;

class RotatingPic {
  public:
    static constexpr int kSteps = 320;      // steps 0..319: front 0..159, back 160..319
    static constexpr int kSideSteps = 160;  // steps of one side

    explicit RotatingPic(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Stores the two slots, the centre (-1 is the panel's centre, taken from the panel as it is
    // sized now), the zooms and the axis (0 horizontal: the height changes; 1 vertical: the
    // width changes; any other value: steps only change the picture). Draws nothing.
    int SetRotatingPicAttr(int16_t _RotatingPicFrontBitmapIDIndex,
                           int16_t _RotatingPicBackBitmapIDIndex, int16_t _RotatingPicXCenterPos,
                           int16_t _RotatingPicYCenterPos, double _RotatingPicXZoom,
                           double _RotatingPicYZoom, int16_t _RotatingPicRotationAxis);
    // Shows step _RotatingPicStep (0..319): the side's picture on the XYZ canvas at p percent of
    // its zoomed size along the turning dimension, p = 3 + 97 * u / 79 growing over u = 0..79
    // and 201 minus that shrinking over u = 80..159. Sets top edge, left edge, width and height
    // in this order. A step out of range is refused with a report and -1; a slot outside
    // 0..499 or without a bitmap leaves the canvas unchanged.
    int ShowRotatingPicStep(int16_t _RotatingPicStep);

    // The scale in percent of side step u (0..159): 3 at both ends, 100 at u = 79 and 80.
    static int Percent(int u) {
        const int p = 3 + (97 * u) / 79;
        return u >= 80 ? 201 - p : p;
    }

    // --- State ---------------------------------------------------------------------------
    int16_t RotatingPicFrontBitmapIDIndex = 0;
    int16_t RotatingPicBackBitmapIDIndex = 0;
    int16_t RotatingPicXCenterPos = 0;  // panel pixels
    int16_t RotatingPicYCenterPos = 0;
    double RotatingPicXZoom = 0.0;
    double RotatingPicYZoom = 0.0;
    int16_t RotatingPicRotationAxis = 0;  // 0 horizontal, 1 vertical

  private:
    Engine& engine_;
};

}  // namespace tov
