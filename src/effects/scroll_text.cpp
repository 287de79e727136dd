#include "effects/scroll_text.h"

#include <algorithm>
#include <limits>
#include <string>

#include "effects/text_measure.h"
#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
namespace ids = platform::main_panel;

int32_t NextLoopOffset(int32_t offset, int32_t speed, int32_t extent, int32_t restart) {
    const int64_t moved = static_cast<int64_t>(offset) - speed;
    if (moved <= -static_cast<int64_t>(extent)) return restart;
    return static_cast<int32_t>(std::clamp<int64_t>(moved, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int ScrollText::ReportBadIndex(const char* member) {
    return engine_.Report(ReportTitle::FatalError,
                          std::string("CVI-function '") + member +
                              "': argument '_ScrollTextIndex' out of range (must be 0..499)");
}

int ScrollText::GenerateTextLeftLoopScrollProc(
    int16_t _ScrollTextIndex, std::string_view _ScrollText, std::string_view _ScrollTextFontName,
    int16_t _ScrollTextBold, int16_t _ScrollTextItalic, int32_t _ScrollTextColor,
    int16_t _ScrollTextFontHeight, int16_t _ScrollTextSpeed) {
    const int i = _ScrollTextIndex;
    if (_ScrollText.size() > static_cast<size_t>(kMaxText)) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'GenerateTextLeftLoopScrollProc': string '_ScrollText' "
                              "too long (max. 2500 characters)");
    }
    if (!IsText(i)) return ReportBadIndex("GenerateTextLeftLoopScrollProc");

    ScrollTextString[i].assign(_ScrollText);
    ScrollTextFontName[i].assign(_ScrollTextFontName.substr(0, kMaxFontName));
    ScrollTextBold[i] = _ScrollTextBold;
    ScrollTextItalic[i] = _ScrollTextItalic;
    ScrollTextColor[i] = _ScrollTextColor;
    ScrollTextFontHeight[i] = _ScrollTextFontHeight;
    ScrollTextSpeed[i] = _ScrollTextSpeed;

    // A font the run-time cannot make (a size of 0 or less) measures nothing: the text then
    // counts as 0 pixels wide.
    ScrollTextWidth[i] = MeasureTextWidth(engine_.Runtime(), kMeasuringFont, ScrollTextFontName[i],
                                          ScrollTextFontHeight[i], ScrollTextBold[i] != 0,
                                          ScrollTextItalic[i] != 0, ScrollTextString[i]);
    return 0;
}

int ScrollText::PrepareTextLeftLoopScrollProc(int16_t _ScrollTextIndex) {
    const int i = _ScrollTextIndex;
    if (!IsText(i)) return ReportBadIndex("PrepareTextLeftLoopScrollProc");
    platform::Runtime& rt = engine_.Runtime();
    const tov::MainPanel& panel = engine_.MainPanel();
    const int handle = panel.PanelHandle;
    rt.SetCtrlAttribute(handle, ids::kTextCanvas, Attr::TextFont,
                        std::string_view(ScrollTextFontName[i]));
    rt.SetCtrlAttribute(handle, ids::kTextCanvas, Attr::TextPointSize, ScrollTextFontHeight[i]);
    rt.SetCtrlAttribute(handle, ids::kTextCanvas, Attr::Width, ScrollTextWidth[i]);
    rt.SetCtrlAttribute(handle, ids::kTextCanvas, Attr::TextColor, ScrollTextColor[i]);
    rt.SetCtrlAttribute(handle, ids::kTextCanvas, Attr::TextItalic, ScrollTextItalic[i]);
    rt.SetCtrlAttribute(handle, ids::kTextCanvas, Attr::TextBold, ScrollTextBold[i]);

    ScrollTextPixelOffset = panel.PanelWidth;
    rt.SetCtrlAttribute(handle, ids::kTextCanvas, Attr::Left, ScrollTextPixelOffset);
    rt.SetCtrlAttribute(handle, ids::kTextCanvas, Attr::Top,
                        panel.PanelHeight / 2 - ScrollTextFontHeight[i] / 2);
    rt.SetCtrlVal(handle, ids::kTextCanvas, std::string_view(ScrollTextString[i]));
    return 0;
}

int ScrollText::ShowTextLeftLoopScrollNextStep(int16_t _ScrollTextIndex) {
    const int i = _ScrollTextIndex;
    if (!IsText(i)) return ReportBadIndex("ShowTextLeftLoopScrollNextStep");
    const tov::MainPanel& panel = engine_.MainPanel();
    ScrollTextPixelOffset = NextLoopOffset(ScrollTextPixelOffset, ScrollTextSpeed[i],
                                           ScrollTextWidth[i], panel.PanelWidth);
    engine_.Runtime().SetCtrlAttribute(panel.PanelHandle, ids::kTextCanvas, Attr::Left,
                                       ScrollTextPixelOffset);
    return 0;
}

int ScrollText::ChangeTextLeftLoopColor(int32_t _TextLeftLoopColor) {
    engine_.Runtime().SetCtrlAttribute(engine_.MainPanel().PanelHandle, ids::kTextCanvas,
                                       Attr::TextColor, static_cast<int>(_TextLeftLoopColor));
    return 0;
}

int ScrollText::HideText() {
    return engine_.MainPanel().ParkControl(ids::kTextCanvas);
}

int ScrollText::ChangeZPlanePosScrolltext(int16_t _ZPlanePos) {
    const tov::MainPanel& panel = engine_.MainPanel();
    if (_ZPlanePos == 1) {
        engine_.Runtime().SetCtrlAttribute(panel.PanelHandle, ids::kTextCanvas,
                                           Attr::ZPlanePosition, 0);
    } else if (_ZPlanePos == 0) {
        engine_.Runtime().SetCtrlAttribute(panel.PanelHandle, ids::kTextCanvas,
                                           Attr::ZPlanePosition, panel.OriginalZPlanePosScrolltext);
    }
    return 0;
}

}  // namespace tov
