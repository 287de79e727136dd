#include "engine/capture.h"

#include <string>

#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
using platform::MakeRect;
namespace ids = platform::main_panel;

int Capture::SlotOutOfRange(std::string_view member) {
    return engine_.Report(ReportTitle::FatalError,
                          "CVI-function '" + std::string(member) +
                              "': argument '_BitmapSelectionIndex' out of range (must be 0..499)");
}

void Capture::EmptySlot(int slot) {
    int& handle = engine_.BitmapSelection().BitmapIDSelection[slot];
    if (handle != 0) engine_.Runtime().DiscardBitmap(handle);
    handle = 0;
}

int Capture::Store(int slot, int status, int bitmap, std::string_view member) {
    BitmapSelection& selection = engine_.BitmapSelection();
    if (status < 0) {
        selection.BitmapIDSelection[slot] = 0;
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function '" + std::string(member) +
                                  "': " + std::string(platform::GetUILErrorString(status)));
    }
    selection.BitmapIDSelection[slot] = bitmap;
    selection.ReadGeometry(slot);
    return 0;
}

int Capture::CopyBitmapFromPanelToSelection(int16_t _XPos, int16_t _YPos, int16_t _Width,
                                            int16_t _Height, int16_t _BitmapSelectionIndex) {
    constexpr std::string_view kMember = "CopyBitmapFromPanelToSelection";
    const int i = _BitmapSelectionIndex;
    if (!BitmapSelection::IsSlot(i)) return SlotOutOfRange(kMember);
    EmptySlot(i);
    int bitmap = 0;
    const int status = engine_.Runtime().GetPanelDisplayBitmap(
        engine_.MainPanel().PanelHandle, MakeRect(_YPos, _XPos, _Height, _Width), &bitmap);
    return Store(i, status, bitmap, kMember);
}

int Capture::CopyBitmapFromDMDLayerToSelection(int16_t _BitmapSelectionIndex) {
    constexpr std::string_view kMember = "CopyBitmapFromDMDLayerToSelection";
    const int i = _BitmapSelectionIndex;
    if (!BitmapSelection::IsSlot(i)) return SlotOutOfRange(kMember);
    EmptySlot(i);
    int bitmap = 0;
    const int status =
        engine_.Runtime().GetCtrlBitmap(engine_.MainPanel().PanelHandle, ids::kDmdCanvas, &bitmap);
    return Store(i, status, bitmap, kMember);
}

int Capture::CopyBitmapFromFontTextToSelection(int16_t _BitmapSelectionIndex,
                                               std::string_view _Text, int16_t _Bold,
                                               int16_t _Italic, int32_t _Color,
                                               std::string_view _FontType, int16_t _FontHeight,
                                               uint8_t _Mirror) {
    constexpr std::string_view kMember = "CopyBitmapFromFontTextToSelection";
    const int i = _BitmapSelectionIndex;
    if (!BitmapSelection::IsSlot(i)) return SlotOutOfRange(kMember);
    platform::Runtime& rt = engine_.Runtime();
    BitmapSelection& selection = engine_.BitmapSelection();
    const int panel = engine_.MainPanel().PanelHandle;

    // The font scratch canvas shows the text in the wanted look.
    rt.SetCtrlAttribute(panel, ids::kFontScratch, Attr::TextPointSize, _FontHeight);
    rt.SetCtrlAttribute(panel, ids::kFontScratch, Attr::TextColor, _Color);
    rt.SetCtrlAttribute(panel, ids::kFontScratch, Attr::TextFont, _FontType);
    rt.SetCtrlAttribute(panel, ids::kFontScratch, Attr::TextItalic, _Italic);
    rt.SetCtrlAttribute(panel, ids::kFontScratch, Attr::TextBold, _Bold);
    rt.SetCtrlVal(panel, ids::kFontScratch, _Text);

    // Its width is fitted to the text. A font the run-time cannot make measures nothing, and
    // not the text of an earlier meta font of the same name.
    int height = 0;
    int width = 0;
    if (rt.CreateMetaFont(kMeasuringFont, _FontType, _FontHeight, _Bold != 0, _Italic != 0, false,
                          false) < 0 ||
        rt.GetTextDisplaySize(_Text, kMeasuringFont, &height, &width) < 0) {
        width = 0;
    }
    rt.SetCtrlAttribute(panel, ids::kFontScratch, Attr::Width, width);

    EmptySlot(i);
    int shown = 0;
    const int status = rt.GetCtrlDisplayBitmap(panel, ids::kFontScratch, &shown);
    if (Store(i, status, shown, kMember) < 0) return -1;
    if (_Mirror == 0) return 0;

    MirrorOnConstructCanvas(shown, selection.BitmapWidth[i], selection.BitmapHeight[i], _Mirror);
    // The slot takes the construct canvas's picture; the unmirrored capture is no longer needed.
    int mirrored = 0;
    const int read = rt.GetCtrlBitmap(panel, ids::kConstructCanvas, &mirrored);
    EmptySlot(i);
    return Store(i, read, mirrored, kMember);
}

void Capture::MirrorOnConstructCanvas(int bitmap, int width, int height, uint8_t mirror) {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.MainPanel().PanelHandle;
    constexpr int kCanvas = ids::kConstructCanvas;
    constexpr int kSame = platform::kKeepSameSize;

    rt.CanvasStartBatchDraw(panel, kCanvas);
    rt.SetCtrlAttribute(panel, kCanvas, Attr::Width, width);
    rt.SetCtrlAttribute(panel, kCanvas, Attr::Height, height);
    rt.CanvasDrawBitmap(panel, kCanvas, bitmap, platform::kWholeArea, MakeRect(0, 0, kSame, kSame));
    if (mirror == 2) {
        for (int j = 0; j < width / 2; ++j) {
            const int k = width - 1 - j;
            rt.CanvasDrawBitmap(panel, kCanvas, bitmap, MakeRect(0, j, height, 1),
                                MakeRect(0, k, height, 1));
            rt.CanvasDrawBitmap(panel, kCanvas, bitmap, MakeRect(0, k, height, 1),
                                MakeRect(0, j, height, 1));
        }
    } else if (mirror == 1) {
        for (int r = 0; r < height / 2; ++r) {
            const int k = height - 1 - r;
            rt.CanvasDrawBitmap(panel, kCanvas, bitmap, MakeRect(r, 0, 1, width),
                                MakeRect(k, 0, 1, width));
            rt.CanvasDrawBitmap(panel, kCanvas, bitmap, MakeRect(k, 0, 1, width),
                                MakeRect(r, 0, 1, width));
        }
    }
    rt.CanvasEndBatchDraw(panel, kCanvas);
}

int Capture::MaskBitmapFromSelection(int16_t _BitmapSelectionIndex, int32_t _BitmapMaskColor) {
    const int i = _BitmapSelectionIndex;
    if (!BitmapSelection::IsSlot(i)) return SlotOutOfRange("MaskBitmapFromSelection");
    BitmapSelection& selection = engine_.BitmapSelection();
    const int w = selection.BitmapWidth[i];
    const int h = selection.BitmapHeight[i];
    if (static_cast<int64_t>(w) * h > kMaskMaxPixels) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'MaskBitmapFromSelection': selected bitmap too big");
    }
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.MainPanel().PanelHandle;
    const int bitmap = selection.BitmapIDSelection[i];

    // The effect canvas shows the picture at its top-left corner. Its sizes are set whole (a
    // picture one row high may be up to 125000 pixels wide); a width refused while the old
    // height made the canvas too large is set again once the height fits.
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Width, w);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Height, h);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Width, w);
    rt.CanvasDrawBitmap(panel, ids::kEffectCanvas, bitmap, platform::kWholeArea,
                        MakeRect(0, 0, platform::kKeepSameSize, platform::kKeepSameSize));

    // The picture's own bytes, whatever their depth and row padding, go back unchanged.
    PixelBuffers& buffers = engine_.FadeInOut().Buffers();
    int bytes_per_row = 0;
    int pixel_depth = 0;
    if (rt.GetBitmapInfo(bitmap, &bytes_per_row, &pixel_depth, nullptr, nullptr) < 0 ||
        rt.GetBitmapData(bitmap, &buffers.BitmapOriginalColorField1, &BitmapMask) < 0) {
        return 0;  // an empty slot: nothing to mask
    }
    buffers.user = PixelBuffersUser::MaskCapture;

    // Without the canvas's colours (no main panel) the picture is left as it is.
    const size_t pixels = static_cast<size_t>(w) * static_cast<size_t>(h);
    BitmapPixelColors.assign(pixels, 0);
    if (rt.CanvasGetPixels(panel, ids::kEffectCanvas, MakeRect(0, 0, h, w), BitmapPixelColors) <
        0) {
        return 0;
    }

    // Rows of whole 16-bit words, the first pixel of a byte in its most significant bit.
    BitmapMaskBytesPerRow = 2 * (w / 16) + (w % 16 != 0 ? 2 : 0);
    BitmapMask.assign(static_cast<size_t>(BitmapMaskBytesPerRow) * static_cast<size_t>(h), 0);
    const uint32_t masked = static_cast<uint32_t>(_BitmapMaskColor);
    for (size_t k = 0; k < pixels; ++k) {
        const size_t row = k / static_cast<size_t>(w);
        const size_t column = k % static_cast<size_t>(w);
        const size_t b = row * 8 * static_cast<size_t>(BitmapMaskBytesPerRow) + column;
        const uint8_t bit = static_cast<uint8_t>(0x80u >> (b % 8));
        if (BitmapPixelColors[k] == masked) {
            BitmapMask[b / 8] &= static_cast<uint8_t>(~bit);
        } else {
            BitmapMask[b / 8] |= bit;
        }
    }
    rt.SetBitmapData(bitmap, bytes_per_row, pixel_depth, buffers.BitmapOriginalColorField1,
                     BitmapMask);
    return 0;
}

int Capture::copydmdtosimpledmd() {
    platform::Runtime& rt = engine_.Runtime();
    int& clipbmp = engine_.ExtraPanel().clipbmp;
    if (clipbmp != 0) rt.DiscardBitmap(clipbmp);
    clipbmp = 0;
    int shown = 0;
    if (rt.GetCtrlDisplayBitmap(engine_.MainPanel().PanelHandle, ids::kDmdCanvas, &shown) < 0) {
        return 0;
    }
    clipbmp = shown;
    rt.ClipboardPutBitmap(clipbmp);
    return 0;
}

}  // namespace tov
