#include "effects/zoom_text.h"

#include <string>

#include "effects/text_measure.h"
#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
namespace ids = platform::main_panel;

namespace {

// A colour component at zoom level k of divisor d: scaled where its flag is set, else as given.
int64_t Blend(int64_t component, bool blended, int k, int d) {
    return blended ? component * k / d : component;
}

}  // namespace

int ZoomText::ReportBadIndex(const char* member) {
    return engine_.Report(ReportTitle::FatalError,
                          std::string("CVI-function '") + member +
                              "': argument '_ZoomTextIndex' out of range (must be 0..499)");
}

int ZoomText::GenerateTextZoomProc(int16_t _ZoomTextIndex, std::string_view _ZoomText,
                                   std::string_view _ZoomTextFontType, int16_t _ZoomTextBold,
                                   int16_t _ZoomTextItalic, int32_t _ZoomTextColor,
                                   int16_t _ZoomTextColorBlend, int16_t _ZoomTextFontMin,
                                   int16_t _ZoomTextFontMax) {
    const int i = _ZoomTextIndex;
    if (_ZoomText.size() > static_cast<size_t>(kMaxText)) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'GenerateTextZoomProc': string '_ZoomText' too long "
                              "(max. 200 characters)");
    }
    if (!IsText(i)) return ReportBadIndex("GenerateTextZoomProc");

    // Red is the colour shifted right by 16 bits, unmasked, so bits above the 24 colour bits
    // (as in the transparent colour) make it larger than 255.
    const int64_t red = _ZoomTextColor >> 16;
    const int64_t green = (_ZoomTextColor >> 8) & 0xFF;
    const int64_t blue = _ZoomTextColor & 0xFF;
    const bool blend_red = (_ZoomTextColorBlend & kBlendRed) != 0;
    const bool blend_green = (_ZoomTextColorBlend & kBlendGreen) != 0;
    const bool blend_blue = (_ZoomTextColorBlend & kBlendBlue) != 0;
    const std::string_view face = _ZoomTextFontType.substr(0, kMaxFontName);

    platform::Runtime& rt = engine_.Runtime();
    for (int s = 0; s < kSteps; ++s) {
        // Growing over steps 0..79 (level 0..79 of 79), shrinking over 80..159 (79..0 of 80).
        const int k = s < 80 ? s : 159 - s;
        const int d = s < 80 ? 79 : 80;
        const int64_t color = Blend(red, blend_red, k, d) * 65536 +
                              Blend(green, blend_green, k, d) * 256 + Blend(blue, blend_blue, k, d);
        const int size = _ZoomTextFontMin + 1 + (_ZoomTextFontMax - _ZoomTextFontMin) * k / 80;
        // A size the run-time cannot make (0 or less) measures nothing: the text counts as 0
        // pixels wide at that step.
        ZoomTextWidth[i][s] = MeasureTextWidth(rt, kMeasuringFont, face, size, _ZoomTextBold != 0,
                                               _ZoomTextItalic != 0, _ZoomText);
        ZoomTextFontHeight[i][s] = size;
        ZoomTextColor[i][s] = static_cast<int32_t>(color);
    }

    ZoomTextString[i].assign(_ZoomText);
    ZoomTextBold[i] = _ZoomTextBold;
    ZoomTextItalic[i] = _ZoomTextItalic;
    ZoomTextFontType[i].assign(face);
    ZoomTextFontMin[i] = _ZoomTextFontMin;
    ZoomTextFontMax[i] = _ZoomTextFontMax;
    return 0;
}

int ZoomText::PrepareTextZoomProc(int16_t _ZoomTextIndex) {
    const int i = _ZoomTextIndex;
    if (!IsText(i)) return ReportBadIndex("PrepareTextZoomProc");
    platform::Runtime& rt = engine_.Runtime();
    const tov::MainPanel& panel = engine_.MainPanel();
    const int handle = panel.PanelHandle;
    rt.SetCtrlVal(handle, ids::kTextCanvas, std::string_view(ZoomTextString[i]));
    rt.SetCtrlAttribute(handle, ids::kTextCanvas, Attr::TextFont,
                        std::string_view(ZoomTextFontType[i]));
    rt.SetCtrlAttribute(handle, ids::kTextCanvas, Attr::TextItalic, ZoomTextItalic[i]);
    rt.SetCtrlAttribute(handle, ids::kTextCanvas, Attr::TextBold, ZoomTextBold[i]);
    rt.SetCtrlAttribute(handle, ids::kTextCanvas, Attr::Left, panel.PanelWidth);
    return 0;
}

int ZoomText::ShowTextZoomStep(int16_t _ZoomTextIndex, int16_t _ZommTextStep) {
    const int i = _ZoomTextIndex;
    const int s = _ZommTextStep;
    if (!IsText(i)) return ReportBadIndex("ShowTextZoomStep");
    if (s < 0 || s >= kSteps) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'ShowTextZoomStep': argument '_ZommTextStep' out of "
                              "range (must be 0..159)");
    }
    platform::Runtime& rt = engine_.Runtime();
    const tov::MainPanel& panel = engine_.MainPanel();
    const int handle = panel.PanelHandle;
    const int size = ZoomTextFontHeight[i][s];
    const int width = ZoomTextWidth[i][s];
    rt.SetCtrlAttribute(handle, ids::kTextCanvas, Attr::TextPointSize, size);
    rt.SetCtrlAttribute(handle, ids::kTextCanvas, Attr::Width, width);
    rt.SetCtrlAttribute(handle, ids::kTextCanvas, Attr::Left, (panel.PanelWidth - width) / 2);
    rt.SetCtrlAttribute(handle, ids::kTextCanvas, Attr::TextColor,
                        static_cast<int>(ZoomTextColor[i][s]));
    rt.SetCtrlAttribute(handle, ids::kTextCanvas, Attr::Top, panel.PanelHeight / 2 - size / 2);
    return 0;
}

}  // namespace tov
