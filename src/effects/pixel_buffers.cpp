#include "effects/pixel_buffers.h"

#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
namespace ids = platform::main_panel;

bool PixelBuffers::HeldBy(PixelBuffersUser by) const {
    if (user != by || by == PixelBuffersUser::None) return false;
    if (!FadeSupportsDepth(layout.pixel_depth) || layout.width < 0 || layout.height < 0 ||
        layout.bytes_per_row < layout.RowBytes()) {
        return false;
    }
    const size_t bytes = layout.DataBytes();
    if (BitmapOriginalColorField1.size() < bytes || BitmapWorkingColorField.size() < bytes) {
        return false;
    }
    return by != PixelBuffersUser::FadeOver || BitmapOriginalColorField2.size() >= bytes;
}

bool ReadFadeSource(Engine& engine, int bitmap, PixelLayout* layout, std::vector<uint8_t>* field) {
    platform::Runtime& rt = engine.Runtime();
    PixelLayout read;
    if (rt.GetBitmapInfo(bitmap, &read.bytes_per_row, &read.pixel_depth, &read.width,
                         &read.height) < 0) {
        return false;
    }
    if (!FadeSupportsDepth(read.pixel_depth) || read.width < 0 || read.height < 0 ||
        read.bytes_per_row < read.RowBytes()) {
        return false;
    }
    std::vector<uint8_t> bits;
    std::vector<uint8_t> mask;
    if (rt.GetBitmapData(bitmap, &bits, &mask) < 0 || bits.size() < read.DataBytes()) return false;
    bits.resize(read.DataBytes());
    *layout = read;
    field->swap(bits);
    return true;
}

void MakeFadeWorkingBitmap(Engine& engine, int bitmap, int width, int height) {
    platform::Runtime& rt = engine.Runtime();
    BitmapSelection& selection = engine.BitmapSelection();
    const int panel = engine.MainPanel().PanelHandle;
    constexpr int kWorking = BitmapSelection::kFadeWorkingBitmap;

    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Left, engine.MainPanel().PanelWidth);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Width, width);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Height, height);

    if (selection.BitmapIDSelection[kWorking] != 0) {
        rt.DiscardBitmap(selection.BitmapIDSelection[kWorking]);
        selection.BitmapIDSelection[kWorking] = 0;
    }
    rt.CanvasDrawBitmap(panel, ids::kEffectCanvas, bitmap, platform::kWholeArea,
                        platform::kWholeArea);
    int working = 0;
    rt.GetCtrlBitmap(panel, ids::kEffectCanvas, &working);
    selection.Replace(kWorking, working);
}

}  // namespace tov
