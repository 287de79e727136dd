#include "effects/fade_in_out.h"

#include <utility>
#include <vector>

#include "effects/transition_geometry.h"
#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
namespace ids = platform::main_panel;

int FadeInOut::SetBitmapFadeInOutAttr(int16_t _BitmapFadeInOutBitmapIDIndex,
                                      int16_t _BitmapFadeInOutXPos, int16_t _BitmapFadeInOutYPos,
                                      double _BitmapFadeInOutXZoom, double _BitmapFadeInOutYZoom) {
    const int i = _BitmapFadeInOutBitmapIDIndex;
    if (!BitmapSelection::IsSlot(i)) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'SetBitmapFadeInOutAttr': argument "
                              "'_BitmapFadeInOutBitmapIDIndex' out of range (must be 0..499)");
    }
    BitmapSelection& selection = engine_.BitmapSelection();
    const int width = selection.BitmapWidth[i];
    const int height = selection.BitmapHeight[i];
    if (static_cast<int64_t>(width) * height > kFadeMaxPixels) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'SetBitmapFadeInOutAttr': selected bitmap too big");
    }
    const int source = selection.BitmapIDSelection[i];
    if (source == 0) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'SetBitmapFadeInOutAttr': selected bitmap slot empty");
    }
    // The source bytes go into a scratch vector first so that a refusal changes nothing.
    PixelLayout layout;
    std::vector<uint8_t> bits;
    if (!ReadFadeSource(engine_, source, &layout, &bits)) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'SetBitmapFadeInOutAttr': selected bitmap not 24 or "
                              "32 bits deep");
    }

    selection.BitmapBytesPerRow[i] = layout.bytes_per_row;
    selection.BitmapPixelDepth[i] = layout.pixel_depth;
    buffers_.BitmapOriginalColorField1 = std::move(bits);
    // The working copy starts as the source, so the padding at the end of each row, which the
    // steps never write, is the source's own.
    buffers_.BitmapWorkingColorField = buffers_.BitmapOriginalColorField1;
    buffers_.layout = layout;
    buffers_.user = PixelBuffersUser::FadeInOut;

    BitmapFadeInOutBitmapIDIndex = _BitmapFadeInOutBitmapIDIndex;
    BitmapFadeInOutXZoom = _BitmapFadeInOutXZoom;
    BitmapFadeInOutYZoom = _BitmapFadeInOutYZoom;

    const MainPanel& main = engine_.MainPanel();
    BitmapFadeInOutXPos =
        PositionOrCentred(_BitmapFadeInOutXPos, main.PanelWidth, width * BitmapFadeInOutXZoom);
    BitmapFadeInOutYPos =
        PositionOrCentred(_BitmapFadeInOutYPos, main.PanelHeight, height * BitmapFadeInOutYZoom);

    MakeFadeWorkingBitmap(engine_, source, width, height);

    platform::Runtime& rt = engine_.Runtime();
    const int panel = main.PanelHandle;
    const int16_t canvas_width = TruncToInt16(width * BitmapFadeInOutXZoom);
    const int16_t canvas_height = TruncToInt16(height * BitmapFadeInOutYZoom);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Width, canvas_width);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Height, canvas_height);
    rt.CanvasClear(panel, ids::kEffectCanvas,
                   platform::MakeRect(0, 0, canvas_height, canvas_width));
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Left, BitmapFadeInOutXPos);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Top, BitmapFadeInOutYPos);
    return 0;
}

int FadeInOut::ChangeBitmapFadeInOutBrightness(int16_t _BitmapFadeInOutBrightness) {
    if (_BitmapFadeInOutBrightness < 0 || _BitmapFadeInOutBrightness > 100) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'ChangeBitmapFadeInOutBrightness': argument "
                              "'_BitmapFadeInOutBrightness' out of range (must be 0..100)");
    }
    // Without a set-up of its own there is no picture to fade.
    if (!buffers_.HeldBy(PixelBuffersUser::FadeInOut)) return 0;

    const PixelLayout& layout = buffers_.layout;
    const uint8_t* source = buffers_.BitmapOriginalColorField1.data();
    uint8_t* working = buffers_.BitmapWorkingColorField.data();
    ForEachPixelRun(layout, [&](size_t offset, size_t count) {
        ScaleFadeBytes(source + offset, working + offset, count, _BitmapFadeInOutBrightness);
    });

    // The working bitmap takes the bytes without a copy and converts them as it is drawn. The
    // whole picture is computed, then drawn: the step is bound by the bytes it stores (working
    // rows and canvas), not by the cache: computing and drawing bands of rows that stay in the
    // cache (the cross-fade would do alike) saved nothing, and each band's draw adds its set-up.
    platform::Runtime& rt = engine_.Runtime();
    const int working_bitmap =
        engine_.BitmapSelection().Handle(BitmapSelection::kFadeWorkingBitmap);
    rt.SwapBitmapData(working_bitmap, layout.bytes_per_row, layout.pixel_depth,
                      &buffers_.BitmapWorkingColorField);
    rt.CanvasDrawBitmap(engine_.MainPanel().PanelHandle, ids::kEffectCanvas, working_bitmap,
                        platform::kWholeArea, platform::kWholeArea);
    return 0;
}

}  // namespace tov
