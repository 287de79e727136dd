// A picture of the bitmap selection dissolving in or out pixel by pixel in a scattered order.
// The dissolve is 1000 passes; pass k draws every 1000th pixel starting at pixel number
// Pixel[k] - 1 (the main panel's random permutation), so each pass is spread evenly over the
// picture and the 1000 passes together draw every pixel once. Steps 0..99 make 5 to 19 passes
// each by a fixed table: a fade in speeds up, a fade out slows down.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace tov {

class Engine;

class PixelPic {
  public:
    explicit PixelPic(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Sizes and places the effect canvas (-1 centres the zoomed picture on the main panel),
    // shows the whole picture (fade flag 0) or clears the canvas (1) and starts the passes
    // over. A slot outside 0..499 or an empty slot counts as a picture of no pixels.
    int SetPixelPicAttr(int16_t _PixelPicXPos, int16_t _PixelPicYPos, double _PixelPicXZoom,
                        double _PixelPicYZoom, int16_t _PixelPicBitmapIDIndex,
                        int16_t _PixelPicFadeInOut);
    // Makes the passes of step 0..99: black blocks (fade flag 0) or blocks of the picture's
    // pixels (any other flag), each the zoom rounded up in size. Once all 1000 passes are done
    // further steps draw nothing.
    int ShowPixelPicStep(int16_t _PixelPicStep);

    // --- State ---------------------------------------------------------------------------
    static constexpr int kPasses = 1000;
    static constexpr int kSteps = 100;
    // Pixel numbers from this one on are never drawn.
    static constexpr int kMaxPixels = 500000;

    int16_t PixelPicXPos = 0;
    int16_t PixelPicYPos = 0;
    double PixelPicXZoom = 0.0;
    double PixelPicYZoom = 0.0;
    int16_t PixelPicBitmapIDIndex = 0;
    int16_t PixelPicFadeInOut = 0;               // 0 = fade out, 1 = fade in
    int16_t PixelPicAmountPixelDrawnOf1000 = 0;  // passes done, 0..1000: the next pass
    // Passes per step, indexed by the step for a fade in and by 99 - step for a fade out.
    static const std::array<int16_t, kSteps> AmountPixelField;

  private:
    Engine& engine_;
    // The blocks of one step, kept between steps so that a step allocates nothing once the
    // largest step has run: all are handed to the run-time in one call.
    std::vector<platform::Rect> blocks_;
    std::vector<platform::BitmapPiece> pieces_;
    // Where each column and row of the picture lands on the canvas (the zoomed position,
    // truncated), for the picture size and zoom in `placed_`: remade only when they change.
    struct Placement {
        int width = -1;
        int height = -1;
        double x_zoom = 0.0;
        double y_zoom = 0.0;
    };
    Placement placed_;
    std::vector<int> column_left_;
    std::vector<int> row_top_;
};

}  // namespace tov
