#include "effects/magic_star.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "platform/panel_ids.h"
#include "platform/paths.h"

namespace tov {

using platform::Attr;
namespace ids = platform::main_panel;

namespace {

struct StarLook {
    int control;
    std::string_view image;  // relative to the table's folder
};

constexpr std::array<StarLook, MagicStar::kStars> kLooks = {{
    {ids::kMagicStarYellow, "gfx_extern\\MagicStarYellow.bmp"},
    {ids::kMagicStarGreen, "gfx_extern\\MagicStarGreen.bmp"},
    {ids::kMagicStarLilac, "gfx_extern\\MagicStarLilac.bmp"},
    {ids::kMagicStarRed, "gfx_extern\\MagicStarRed.bmp"},
}};

// A random place 0..extent-1 along one direction of the panel; 0 on a panel of no extent. The
// number is drawn either way so that the sequence stays the same.
int RandomPlace(Random& rand, int extent) {
    const int r = rand.Next();
    return extent > 0 ? r % extent : 0;
}

// A random centre along one direction at which a star of the given largest size lies wholly on
// the panel; the panel's middle where it does not fit. The number is drawn either way.
int RandomFittingCentre(Random& rand, int extent, int largest) {
    const int r = rand.Next();
    const int64_t room = static_cast<int64_t>(extent) - largest;
    return room > 0 ? static_cast<int>(r % room + largest / 2) : extent / 2;
}

}  // namespace

int MagicStar::SetMagicStarAttr(int16_t _MagicStarXYDimMin0, int16_t _MagicStarXYDimMax0,
                                int16_t _MagicStarXYDelta0, int16_t _MagicStarXYDimMin1,
                                int16_t _MagicStarXYDimMax1, int16_t _MagicStarXYDelta1,
                                int16_t _MagicStarXYDimMin2, int16_t _MagicStarXYDimMax2,
                                int16_t _MagicStarXYDelta2, int16_t _MagicStarXYDimMin3,
                                int16_t _MagicStarXYDimMax3, int16_t _MagicStarXYDelta3) {
    const std::array<std::array<int16_t, 3>, kStars> settings = {{
        {_MagicStarXYDimMin0, _MagicStarXYDimMax0, _MagicStarXYDelta0},
        {_MagicStarXYDimMin1, _MagicStarXYDimMax1, _MagicStarXYDelta1},
        {_MagicStarXYDimMin2, _MagicStarXYDimMax2, _MagicStarXYDelta2},
        {_MagicStarXYDimMin3, _MagicStarXYDimMax3, _MagicStarXYDelta3},
    }};
    for (size_t k = 0; k < kStars; ++k) {
        MagicStarXYDimMin[k] = settings[k][0];
        MagicStarXYDimMax[k] = settings[k][1];
        MagicStarXYDelta[k] = settings[k][2];
        MagicStarXYDim[k] = MagicStarXYDimMin[k];
    }

    const tov::MainPanel& panel = engine_.MainPanel();
    Random& rand = engine_.Rand();
    for (size_t k = 0; k < kStars; ++k) {
        const int largest = MagicStarXYDimMax[k];
        MagicStarXCenterPos[k] = RandomFittingCentre(rand, panel.PanelWidth, largest);
        MagicStarYCenterPos[k] = RandomFittingCentre(rand, panel.PanelHeight, largest);
    }

    // Each star's ring shows item 0. A repeated set-up puts the image in place of the one it
    // holds, so the rings never grow.
    platform::Runtime& rt = engine_.Runtime();
    for (const StarLook& look : kLooks) {
        const std::string path = platform::JoinPath(panel.loadedVPTDir, look.image);
        int items = 0;
        rt.GetNumListItems(panel.PanelHandle, look.control, &items);
        const int status = items > 0
                               ? rt.ReplaceListItem(panel.PanelHandle, look.control, 0, path, 0)
                               : rt.InsertListItem(panel.PanelHandle, look.control, 0, path, 0);
        if (status != 0) {
            engine_.Report(ReportTitle::Warning, "private CVI-function 'SetMagicStarAttr': file '" +
                                                     path + "' not found");
        }
    }
    return 0;
}

int MagicStar::ShowNextMagicStarStep() {
    const tov::MainPanel& panel = engine_.MainPanel();
    Random& rand = engine_.Rand();
    for (size_t k = 0; k < kStars; ++k) {
        MagicStarXYDim[k] += MagicStarXYDelta[k];
        if (MagicStarXYDim[k] >= MagicStarXYDimMax[k]) MagicStarXYDelta[k] = -MagicStarXYDelta[k];
        if (MagicStarXYDim[k] <= MagicStarXYDimMin[k]) {
            MagicStarXYDelta[k] = -MagicStarXYDelta[k];
            MagicStarXCenterPos[k] = RandomPlace(rand, panel.PanelWidth);
            MagicStarYCenterPos[k] = RandomPlace(rand, panel.PanelHeight);
        }
    }

    platform::Runtime& rt = engine_.Runtime();
    for (size_t k = 0; k < kStars; ++k) {
        const int control = kLooks[k].control;
        const int size = MagicStarXYDim[k];
        rt.SetCtrlAttribute(panel.PanelHandle, control, Attr::Left,
                            MagicStarXCenterPos[k] - size / 2);
        rt.SetCtrlAttribute(panel.PanelHandle, control, Attr::Top,
                            MagicStarYCenterPos[k] - size / 2);
        rt.SetCtrlAttribute(panel.PanelHandle, control, Attr::Width, size);
        rt.SetCtrlAttribute(panel.PanelHandle, control, Attr::Height, size);
    }
    return 0;
}

}  // namespace tov
