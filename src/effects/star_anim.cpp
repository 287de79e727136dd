#include "effects/star_anim.h"

#include <climits>
#include <cmath>

#include "effects/transition_geometry.h"
#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
namespace ids = platform::main_panel;

double StarAnim::Flight(int star, int n) {
    const size_t j = static_cast<size_t>(star);
    const double e = engine_.MainPanel().StarExp[j];
    if (n < 0 || n >= kTabulatedSteps) return std::pow(static_cast<double>(n), e);
    if (!tabulated_[j] || !(tabulated_exp_[j] == e)) {
        // The exponents change only with InstallPanel, so this runs on the first step after it.
        for (int k = 0; k < kTabulatedSteps; ++k)
            flight_[j][static_cast<size_t>(k)] = std::pow(static_cast<double>(k), e);
        tabulated_exp_[j] = e;
        tabulated_[j] = true;
    }
    return flight_[j][static_cast<size_t>(n)];
}

int StarAnim::ShowStarAnimNextStep() {
    platform::Runtime& rt = engine_.Runtime();
    tov::MainPanel& panel = engine_.MainPanel();
    const int handle = panel.PanelHandle;
    rt.CanvasStartBatchDraw(handle, ids::kDmdCanvas);

    rt.SetCtrlAttribute(handle, ids::kDmdCanvas, Attr::PenColor, panel.PanelColor);
    for (const StarPosition& star : Star)
        rt.CanvasDrawPoint(handle, ids::kDmdCanvas, platform::Point{star.x, star.y});

    rt.SetCtrlAttribute(handle, ids::kDmdCanvas, Attr::PenColor, platform::kWhite);
    for (panel.StarIndex = 0; panel.StarIndex < kStars; ++panel.StarIndex) {
        const int j = panel.StarIndex;
        const size_t sj = static_cast<size_t>(j);
        const double f = Flight(j, panel.StarStep[sj]);
        const int x = TruncToInt(f * panel.Stardx[sj] + panel.PanelXCenter);
        const int y = TruncToInt(f * panel.Stardy[sj] + panel.PanelYCenter);
        Star[sj] = StarPosition{x, y};
        rt.CanvasDrawPoint(handle, ids::kDmdCanvas, platform::Point{x, y});
        if (x > panel.PanelWidth || x < 0 || y < 0 || y > panel.PanelHeight) {
            panel.StarStep[sj] = 0;
        } else if (panel.StarStep[sj] < INT_MAX) {
            // A star crawling over a huge panel stops at the last count rather than wrapping.
            ++panel.StarStep[sj];
        }
    }

    rt.CanvasEndBatchDraw(handle, ids::kDmdCanvas);
    return 0;
}

int StarAnim::HideStarAnim() {
    return engine_.MainPanel().ParkControl(ids::kDmdCanvas);
}

}  // namespace tov
