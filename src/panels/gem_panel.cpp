#include "panels/gem_panel.h"

#include <string>

#include "engine/engine.h"
#include "panels/aux_panel.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;

namespace {
constexpr int kPicture = platform::gem_panel::kPicture;
}

int GemPanel::InstallGemPanel(int16_t _GemPanelXPos, int16_t _GemPanelYPos, int16_t _GemPanelWidth,
                              int16_t _GemPanelHeight) {
    platform::Runtime& rt = engine_.Runtime();
    ReloadPanel(engine_, &GemPanelHandle, platform::kPrivatePanelFile,
                platform::private_panels::kGemPanel);
    PlacePanel(engine_, GemPanelHandle, _GemPanelXPos, _GemPanelYPos, _GemPanelWidth,
               _GemPanelHeight);

    for (int i = 0; i < kGems; ++i) {
        const std::string path =
            TablePath(engine_, "gfx_extern\\Schmuckstein" + std::to_string(i) + ".bmp");
        // Appended with the value i: a missing picture leaves no gap that would turn away the
        // pictures after it, and each keeps its phase number.
        if (rt.InsertListItem(GemPanelHandle, kPicture, -1, path, i) < 0) {
            engine_.Report(ReportTitle::Warning,
                           "private CVI-function 'InstallGemPanel': file '" + path + "' not found");
        }
    }

    rt.SetPanelAttribute(GemPanelHandle, Attr::FrameVisible, 0);
    FillPanel(engine_, GemPanelHandle, kPicture, _GemPanelWidth, _GemPanelHeight);
    rt.DisplayPanel(GemPanelHandle);
    LockPanelWindow(engine_, GemPanelHandle);
    return 0;
}

int GemPanel::SetGemPhase(uint8_t _GemPhase) {
    engine_.Runtime().SetCtrlVal(GemPanelHandle, kPicture, static_cast<double>(_GemPhase));
    return 0;
}

int GemPanel::DiscardGemPanel() {
    engine_.Runtime().DiscardPanel(GemPanelHandle);
    return 0;
}

}  // namespace tov
