#include "engine/extra_panel.h"

#include <algorithm>

#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
namespace ids = platform::extra_panel;

int ExtraPanel::InstallExtraPanel(int16_t _ExtraPanelXPos, int16_t _ExtraPanelYPos,
                                  int16_t _ExtraPanelWidth, int16_t _ExtraPanelHeight) {
    platform::Runtime& rt = engine_.Runtime();
    ExtraPanelXPos = _ExtraPanelXPos;
    const int loaded =
        rt.LoadPanelEx(0, platform::kPrivatePanelFile, platform::private_panels::kExtraPanel);
    // A failed load leaves no panel; the handle never holds a status.
    ExtraPanelHandle = loaded > 0 ? loaded : 0;

    rt.SetPanelAttribute(ExtraPanelHandle, Attr::Left, _ExtraPanelXPos);
    rt.SetPanelAttribute(ExtraPanelHandle, Attr::Top, _ExtraPanelYPos);
    rt.SetPanelAttribute(ExtraPanelHandle, Attr::Width, _ExtraPanelWidth);
    rt.SetPanelAttribute(ExtraPanelHandle, Attr::Height, _ExtraPanelHeight);

    rt.SetCtrlAttribute(ExtraPanelHandle, ids::kExtraDmdCanvas, Attr::Left, 0);
    rt.SetCtrlAttribute(ExtraPanelHandle, ids::kExtraDmdCanvas, Attr::Top, 0);
    rt.SetCtrlAttribute(ExtraPanelHandle, ids::kExtraDmdCanvas, Attr::Width, _ExtraPanelWidth);
    rt.SetCtrlAttribute(ExtraPanelHandle, ids::kExtraDmdCanvas, Attr::Height, _ExtraPanelHeight);
    rt.SetCtrlAttribute(ExtraPanelHandle, ids::kExtraDmdCanvas, Attr::PictureBgColor,
                        platform::kBlack);

    rt.SetPanelAttribute(ExtraPanelHandle, Attr::FrameVisible, 1);
    rt.DisplayPanel(ExtraPanelHandle);

    // The extra panel only shows; it never takes mouse or keyboard input.
    int window = 0;
    if (rt.GetPanelAttribute(ExtraPanelHandle, Attr::SystemWindowHandle, &window) >= 0) {
        engine_.HWNDHandle = window;
        rt.EnableWindow(engine_.HWNDHandle, false);
    }
    return 0;
}

int ExtraPanel::ShowExtraPanel() {
    platform::Runtime& rt = engine_.Runtime();
    rt.SetPanelAttribute(ExtraPanelHandle, Attr::Left, ExtraPanelXPos);
    // Visible again without leaving its place among the panels (see ShowPanel).
    rt.SetPanelAttribute(ExtraPanelHandle, Attr::Visible, 1);
    return 0;
}

int ExtraPanel::HideExtraPanel() {
    platform::Runtime& rt = engine_.Runtime();
    rt.SetPanelAttribute(ExtraPanelHandle, Attr::Left, MainPanel::kHiddenLeftEdge);
    rt.HidePanel(ExtraPanelHandle);
    return 0;
}

int ExtraPanel::DiscardExtraPanel() {
    engine_.Runtime().DiscardPanel(ExtraPanelHandle);
    return 0;
}

int ExtraPanel::SetExtraPanelFrameVisibility(uint8_t _XPanelFrameVisibility) {
    engine_.Runtime().SetPanelAttribute(ExtraPanelHandle, Attr::FrameVisible,
                                        _XPanelFrameVisibility == 1 ? 1 : 0);
    return 0;
}

int ExtraPanel::CopyXtraToDmd() {
    platform::Runtime& rt = engine_.Runtime();
    const MainPanel& main = engine_.MainPanel();
    if (clipbmp != 0) rt.DiscardBitmap(clipbmp);
    clipbmp = 0;

    int capture = 0;
    if (rt.GetCtrlDisplayBitmap(ExtraPanelHandle, ids::kExtraDmdCanvas, &capture) < 0) return 0;
    clipbmp = capture;

    // Source and destination are the same rectangle, so the copy is unscaled; where the extra
    // canvas is smaller than the main panel only its own area is copied.
    int bytes_per_row = 0;
    int depth = 0;
    int width = 0;
    int height = 0;
    rt.GetBitmapInfo(clipbmp, &bytes_per_row, &depth, &width, &height);
    const platform::Rect area = platform::MakeRect(0, 0, std::clamp(main.PanelHeight, 0, height),
                                                   std::clamp(main.PanelWidth, 0, width));
    rt.CanvasDrawBitmap(main.PanelHandle, platform::main_panel::kDmdCanvas, clipbmp, area, area);
    return 0;
}

int ExtraPanel::SetExtraTextAttr(int16_t _XPos, int16_t _YPos, int16_t _Width,
                                 std::string_view _Title, std::string_view _FontType,
                                 int16_t _FontSize, int32_t _FrontColor, int32_t _BackColor,
                                 int16_t _Visibility) {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = ExtraPanelHandle;
    const int text = ids::kExtraText;
    if (_XPos != kUnchanged) rt.SetCtrlAttribute(panel, text, Attr::Left, _XPos);
    if (_YPos != kUnchanged) rt.SetCtrlAttribute(panel, text, Attr::Top, _YPos);
    if (_Width != kUnchanged) rt.SetCtrlAttribute(panel, text, Attr::Width, _Width);
    if (!_Title.empty()) rt.SetCtrlAttribute(panel, text, Attr::LabelText, _Title);
    if (!_FontType.empty()) rt.SetCtrlAttribute(panel, text, Attr::TextFont, _FontType);
    if (_FontSize != kUnchanged) {
        rt.SetCtrlAttribute(panel, text, Attr::TextPointSize, static_cast<int>(_FontSize));
        // trunc(_FontSize / 1.5), exactly, in integers.
        rt.SetCtrlAttribute(panel, text, Attr::LabelPointSize, _FontSize * 2 / 3);
    }
    if (_FrontColor != kUnchanged) {
        rt.SetCtrlAttribute(panel, text, Attr::TextColor, _FrontColor);
        rt.SetCtrlAttribute(panel, text, Attr::LabelColor, _FrontColor);
    }
    if (_BackColor != kUnchanged) rt.SetCtrlAttribute(panel, text, Attr::TextBgColor, _BackColor);

    // The label is centred over the text, its top edge placed from the arguments as passed,
    // -2 included.
    rt.SetCtrlAttribute(panel, text, Attr::LabelLeft, platform::kLabelCentred);
    rt.SetCtrlAttribute(panel, text, Attr::LabelTop, _YPos - (_FontSize + 6) * 2 / 3);

    if (_Visibility != kUnchanged) {
        rt.SetCtrlAttribute(panel, text, Attr::Visible, _Visibility != 0 ? 1 : 0);
    }
    return 0;
}

int ExtraPanel::SetExtraTextText(std::string_view _Text) {
    engine_.Runtime().SetCtrlVal(ExtraPanelHandle, ids::kExtraText, _Text);
    return 0;
}

}  // namespace tov
