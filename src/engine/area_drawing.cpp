#include "engine/area_drawing.h"

#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::MakeRect;

namespace {

// The bitmap of a script's slot; 0 (no bitmap, nothing drawn) outside 0..499, so that the
// fade working bitmap behind the last slot stays out of reach.
int SlotBitmap(const BitmapSelection& selection, int slot) {
    return BitmapSelection::IsSlot(slot) ? selection.Handle(slot) : 0;
}

}  // namespace

DmdCanvas AreaDrawing::MainCanvas() const {
    return DmdCanvas{engine_.MainPanel().PanelHandle, platform::main_panel::kDmdCanvas};
}

DmdCanvas AreaDrawing::ExtraCanvas() const {
    return DmdCanvas{engine_.ExtraPanel().ExtraPanelHandle, platform::extra_panel::kExtraDmdCanvas};
}

int AreaDrawing::ClearArea(int16_t _AreaXPos, int16_t _AreaYPos, int16_t _AreaWidth,
                           int16_t _AreaHeight, int32_t _Color) {
    Fill(MainCanvas(), _AreaXPos, _AreaYPos, _AreaWidth, _AreaHeight, _Color);
    return 0;
}

int AreaDrawing::ClearExtra(int16_t _AreaXPos, int16_t _AreaYPos, int16_t _AreaWidth,
                            int16_t _AreaHeight, int32_t _Color) {
    Fill(ExtraCanvas(), _AreaXPos, _AreaYPos, _AreaWidth, _AreaHeight, _Color);
    return 0;
}

int AreaDrawing::DrawArea(int16_t _BitmapIDIndex, int16_t _BitmapSectionXPos,
                          int16_t _BitmapSectionYPos, int16_t _BitmapSectionWidth,
                          int16_t _BitmapSectionHeight, int16_t _AreaXPos, int16_t _AreaYPos) {
    Copy(MainCanvas(), _BitmapIDIndex, _BitmapSectionXPos, _BitmapSectionYPos, _BitmapSectionWidth,
         _BitmapSectionHeight, _AreaXPos, _AreaYPos);
    return 0;
}

int AreaDrawing::DrawAreaExtra(int16_t _BitmapIDIndex, int16_t _BitmapSectionXPos,
                               int16_t _BitmapiSectionYpos, int16_t _BitmapSectionWidth,
                               int16_t _BitmapSectionHeight, int16_t _AreaXPos, int16_t _AreaYPos) {
    Copy(ExtraCanvas(), _BitmapIDIndex, _BitmapSectionXPos, _BitmapiSectionYpos,
         _BitmapSectionWidth, _BitmapSectionHeight, _AreaXPos, _AreaYPos);
    return 0;
}

int AreaDrawing::DrawOnBackground(int16_t _BitmapIDIndex, int16_t _BitmapSelectionXPos,
                                  int16_t _BitmapSelectionYPos, int16_t _BitmapSelectionWidth,
                                  int16_t _BitmapSelectionHeight, int16_t _AreaXPos,
                                  int16_t _AreaYPos, int16_t _AreaWidth, int16_t _AreaHeight) {
    Stretch(MainCanvas(), _BitmapIDIndex, _BitmapSelectionXPos, _BitmapSelectionYPos,
            _BitmapSelectionWidth, _BitmapSelectionHeight, _AreaXPos, _AreaYPos, _AreaWidth,
            _AreaHeight);
    return 0;
}

int AreaDrawing::DrawOnExtraBack(int16_t _BitmapIDIndex, int16_t _BitmapSelectionXPos,
                                 int16_t _BitmapSelectionYPos, int16_t _BitmapSelectionWidth,
                                 int16_t _BitmapSelectionHeight, int16_t _AreaXPos,
                                 int16_t _AreaYPos, int16_t _AreaWidth, int16_t _AreaHeight) {
    Stretch(ExtraCanvas(), _BitmapIDIndex, _BitmapSelectionXPos, _BitmapSelectionYPos,
            _BitmapSelectionWidth, _BitmapSelectionHeight, _AreaXPos, _AreaYPos, _AreaWidth,
            _AreaHeight);
    return 0;
}

void AreaDrawing::Fill(DmdCanvas canvas, int x, int y, int width, int height, int32_t color) {
    platform::Runtime& rt = engine_.Runtime();
    rt.SetCtrlAttribute(canvas.panel, canvas.control, platform::Attr::FillColor, color);
    // Interior only: the pen colour and width that other effects leave behind play no part.
    rt.CanvasDrawRect(canvas.panel, canvas.control, MakeRect(y, x, height, width),
                      platform::DrawMode::Interior);
}

void AreaDrawing::Copy(DmdCanvas canvas, int slot, int sx, int sy, int sw, int sh, int x, int y) {
    // The destination rectangle has the section's size: a 1:1 copy for a given size, and for
    // -1 the canvas's far edge, just as the scaled copy treats -1.
    Stretch(canvas, slot, sx, sy, sw, sh, x, y, sw, sh);
}

void AreaDrawing::Stretch(DmdCanvas canvas, int slot, int sx, int sy, int sw, int sh, int x, int y,
                          int width, int height) {
    engine_.Runtime().CanvasDrawBitmap(canvas.panel, canvas.control,
                                       SlotBitmap(engine_.BitmapSelection(), slot),
                                       MakeRect(sy, sx, sh, sw), MakeRect(y, x, height, width));
}

}  // namespace tov
