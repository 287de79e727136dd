// A field of 36 white single-pixel stars flying out from the centre of the main panel, drawn
// straight onto the DMD canvas over what the display shows there. Star j is n^StarExp[j] pixels
// times its speed factor from the centre after n steps, along its own direction; a star that
// leaves the panel starts again at the centre. The directions, speeds, exponents and step
// counters are the main panel's star tables (filled by InstallPanel); this effect keeps the
// positions.
#pragma once

#include <array>
#include <cstdint>

#include "engine/main_panel.h"

namespace tov {

class Engine;

class StarAnim {
  public:
    static constexpr int kStars = MainPanel::kStars;
    // Steps of a flight whose distance is looked up rather than computed; longer flights (slow
    // stars on large panels) compute theirs.
    static constexpr int kTabulatedSteps = 256;

    explicit StarAnim(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Erases the stars of the previous step with points in the panel colour, moves every star
    // one step and draws it white. A star that has left the panel is drawn once at its outside
    // position (clipped away) and starts at the centre on the next step.
    int ShowStarAnimNextStep();
    // Parks the DMD canvas, with the display on it, beyond the panel's right edge.
    int HideStarAnim();

    // --- State ---------------------------------------------------------------------------
    struct StarPosition {
        int x = 0;  // DMD canvas pixels
        int y = 0;
    };
    std::array<StarPosition, kStars> Star{};  // where each star was drawn last

  private:
    // n^StarExp[j] for n = 0..kTabulatedSteps-1, made again for a star whose exponent changed.
    double Flight(int star, int n);

    std::array<double, kStars> tabulated_exp_{};
    std::array<bool, kStars> tabulated_{};
    std::array<std::array<double, kTabulatedSteps>, kStars> flight_{};
    Engine& engine_;
};

}  // namespace tov
