// The built-in panel files "tov_public.uir" and "tov_private.uir": each panel with its size,
// colours and frame, and its controls front first with ids, kinds and starting looks.
#pragma once

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/controls/control.h"
#include "platform/panel.h"

namespace tov::platform {

struct ControlSpec {
    int id = 0;
    ControlKind kind = ControlKind::Canvas;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
    // Further attributes, applied in order after the size and before the position.
    std::vector<std::pair<Attr, AttrValue>> look;
};

struct PanelSpec {
    std::string_view file;
    int resource = 0;
    std::string_view title;
    int width = 0;
    int height = 0;
    Color back_color = kBlack;
    bool frame = true;
    std::vector<ControlSpec> controls;  // front first
};

// Every panel of both files.
const std::vector<PanelSpec>& PanelFiles();

// The panel `resource` of the file named `file` (letter case and any folder part ignored).
// nullptr with *status kUIEFileNotLoaded for a file that is not built in, kUIEInvalidResource
// for a panel the file does not have.
const PanelSpec* FindPanelSpec(std::string_view file, int resource, int* status);

// A new panel as the file defines it (not displayed; handle and window left 0).
std::unique_ptr<Panel> BuildPanel(const PanelSpec& spec, FontBook& fonts);

}  // namespace tov::platform
