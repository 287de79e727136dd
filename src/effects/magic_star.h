// Four coloured stars sparkling over the main panel: each sits at a random place, grows and
// shrinks between its smallest and largest size, and jumps to a new random place every time it
// has shrunk to its smallest size. The stars are the main panel's four magic star picture rings,
// each showing one fixed image from "gfx_extern" under the table's folder; a step moves and
// sizes them. Places come from the engine's one random generator, so every run is the same.
#pragma once

#include <array>
#include <cstdint>

namespace tov {

class Engine;

class MagicStar {
  public:
    static constexpr int kStars = 4;

    explicit MagicStar(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Sets each star's smallest size, largest size and size change per step (it starts at its
    // smallest size), draws each star's place so that it lies wholly on the panel at its
    // largest size (two random numbers per star, x then y, stars 0 to 3), and adds the four
    // images to their controls. A star whose largest size does not fit in the panel's width
    // (or height) is centred on the panel in that direction; its random number is still drawn.
    // A missing image is reported as a warning with its full path and the other stars still
    // load; the result is always 0. Nothing moves until the next step.
    int SetMagicStarAttr(int16_t _MagicStarXYDimMin0, int16_t _MagicStarXYDimMax0,
                         int16_t _MagicStarXYDelta0, int16_t _MagicStarXYDimMin1,
                         int16_t _MagicStarXYDimMax1, int16_t _MagicStarXYDelta1,
                         int16_t _MagicStarXYDimMin2, int16_t _MagicStarXYDimMax2,
                         int16_t _MagicStarXYDelta2, int16_t _MagicStarXYDimMin3,
                         int16_t _MagicStarXYDimMax3, int16_t _MagicStarXYDelta3);
    // Changes every star's size by its delta; at or above the largest size the delta turns
    // round, at or below the smallest it turns round and the star jumps to a random place on
    // the panel (not kept clear of the edges). Both can happen in one step. Then places and
    // sizes the four controls. On a panel of width or height 0 a jump goes to 0 in that
    // direction.
    int ShowNextMagicStarStep();

    // --- State, indexed by star ----------------------------------------------------------
    std::array<int32_t, kStars> MagicStarXYDim{1, 1, 1, 1};     // width and height, pixels
    std::array<int32_t, kStars> MagicStarXYDimMin{1, 1, 1, 1};  // smallest size
    std::array<int32_t, kStars> MagicStarXYDimMax{3, 3, 3, 3};  // largest size
    std::array<int32_t, kStars> MagicStarXYDelta{1, 1, 1, 1};   // size change per step
    std::array<int32_t, kStars> MagicStarXCenterPos{};          // panel pixels
    std::array<int32_t, kStars> MagicStarYCenterPos{};

  private:
    Engine& engine_;
};

}  // namespace tov
