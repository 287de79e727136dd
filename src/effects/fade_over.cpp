#include "effects/fade_over.h"

#include <string>
#include <utility>
#include <vector>

#include "effects/pixel_buffers.h"
#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
namespace ids = platform::main_panel;

namespace {
bool SameLayout(const PixelLayout& a, const PixelLayout& b) {
    return a.bytes_per_row == b.bytes_per_row && a.pixel_depth == b.pixel_depth &&
           a.width == b.width && a.height == b.height;
}
}  // namespace

int FadeOver::SetBitmapFadeOverAttr(int16_t _BitmapIDIndex1, int16_t _BitmapIDIndex2, int16_t _XPos,
                                    int16_t _YPos, int16_t _Width, int16_t _Height) {
    const int i1 = _BitmapIDIndex1;
    const int i2 = _BitmapIDIndex2;
    for (const auto& [slot, name] : {std::pair{i1, "_BitmapIDIndex1"}, {i2, "_BitmapIDIndex2"}}) {
        if (!BitmapSelection::IsSlot(slot)) {
            return engine_.Report(ReportTitle::FatalError,
                                  std::string("CVI-function 'SetBitmapFadeOverAttr': argument '") +
                                      name + "' out of range (must be 0..499)");
        }
    }
    BitmapSelection& selection = engine_.BitmapSelection();
    const int w1 = selection.BitmapWidth[i1];
    const int h1 = selection.BitmapHeight[i1];
    const int w2 = selection.BitmapWidth[i2];
    const int h2 = selection.BitmapHeight[i2];
    if (static_cast<int64_t>(w1) * h1 > kFadeMaxPixels ||
        static_cast<int64_t>(w2) * h2 > kFadeMaxPixels) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'SetBitmapFadeOverAttr': selected bitmap(s) too big");
    }
    if (w1 != w2 || h1 != h2) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'SetBitmapFadeOverAttr': dimensions of selected "
                              "bitmaps not equal");
    }
    const int first = selection.BitmapIDSelection[i1];
    const int second = selection.BitmapIDSelection[i2];
    if (first == 0 || second == 0) {
        return engine_.Report(
            ReportTitle::FatalError,
            "CVI-function 'SetBitmapFadeOverAttr': selected bitmap slot(s) empty");
    }
    // Both pictures are read into scratch vectors first so that a refusal changes nothing.
    PixelLayout layout1;
    PixelLayout layout2;
    std::vector<uint8_t> bits1;
    std::vector<uint8_t> bits2;
    if (!ReadFadeSource(engine_, first, &layout1, &bits1) ||
        !ReadFadeSource(engine_, second, &layout2, &bits2)) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'SetBitmapFadeOverAttr': selected bitmap(s) not 24 "
                              "or 32 bits deep");
    }
    // The blend addresses both pictures with the same row length and depth.
    if (!SameLayout(layout1, layout2)) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'SetBitmapFadeOverAttr': pixel layouts of selected "
                              "bitmaps not equal");
    }

    selection.BitmapBytesPerRow[i1] = layout1.bytes_per_row;
    selection.BitmapPixelDepth[i1] = layout1.pixel_depth;
    selection.BitmapBytesPerRow[i2] = layout2.bytes_per_row;
    selection.BitmapPixelDepth[i2] = layout2.pixel_depth;
    PixelBuffers& buffers = engine_.FadeInOut().Buffers();
    buffers.BitmapOriginalColorField1 = std::move(bits1);
    buffers.BitmapOriginalColorField2 = std::move(bits2);
    // The working copy starts as the first picture, so the padding at the end of each row,
    // which the steps never write, is the picture's own.
    buffers.BitmapWorkingColorField = buffers.BitmapOriginalColorField1;
    buffers.layout = layout1;
    buffers.user = PixelBuffersUser::FadeOver;

    BitmapFadeOverBitmapIDIndex1 = _BitmapIDIndex1;
    BitmapFadeOverBitmapIDIndex2 = _BitmapIDIndex2;
    BitmapFadeOverWidth = _Width;
    BitmapFadeOverHeight = _Height;

    const MainPanel& main = engine_.MainPanel();
    BitmapFadeOverXPos = _XPos == -1 ? static_cast<int16_t>((main.PanelWidth - _Width) / 2) : _XPos;
    BitmapFadeOverYPos =
        _YPos == -1 ? static_cast<int16_t>((main.PanelHeight - _Height) / 2) : _YPos;

    MakeFadeWorkingBitmap(engine_, first, w1, h1);

    platform::Runtime& rt = engine_.Runtime();
    const int panel = main.PanelHandle;
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Width, BitmapFadeOverWidth);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Height, BitmapFadeOverHeight);
    rt.CanvasDrawBitmap(panel, ids::kEffectCanvas, first, platform::kWholeArea,
                        platform::kWholeArea);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Left, BitmapFadeOverXPos);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Top, BitmapFadeOverYPos);
    return 0;
}

int FadeOver::ChangeBitmapFadeOverIntensity(uint8_t _FadeOverIntensity) {
    if (_FadeOverIntensity > 100) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'ChangeBitmapFadeInOutState': argument "
                              "'_FadeOverIntensity' out of range (must be 0..100)");
    }
    PixelBuffers& buffers = engine_.FadeInOut().Buffers();
    // Without a set-up of its own there are no pictures to blend.
    if (!buffers.HeldBy(PixelBuffersUser::FadeOver)) return 0;

    const PixelLayout& layout = buffers.layout;
    const uint8_t* first = buffers.BitmapOriginalColorField1.data();
    const uint8_t* second = buffers.BitmapOriginalColorField2.data();
    uint8_t* working = buffers.BitmapWorkingColorField.data();
    ForEachPixelRun(layout, [&](size_t offset, size_t count) {
        BlendFadeBytes(first + offset, second + offset, working + offset, count,
                       _FadeOverIntensity);
    });

    // The working bitmap takes the bytes without a copy and converts them as it is drawn.
    platform::Runtime& rt = engine_.Runtime();
    const int working_bitmap =
        engine_.BitmapSelection().Handle(BitmapSelection::kFadeWorkingBitmap);
    rt.SwapBitmapData(working_bitmap, layout.bytes_per_row, layout.pixel_depth,
                      &buffers.BitmapWorkingColorField);
    rt.CanvasDrawBitmap(engine_.MainPanel().PanelHandle, ids::kEffectCanvas, working_bitmap,
                        platform::kWholeArea, platform::kWholeArea);
    return 0;
}

}  // namespace tov
