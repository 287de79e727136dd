// Plain drawing on the two DMD layers: filled rectangles, unscaled and scaled copies of bitmap
// sections. Scripts use it to erase the DMD before a new value (the DMD renderer never erases),
// to lay a background picture under the display and to paste logos.
//
// Each member exists twice: the plain one draws on the DMD canvas of the main panel, the twin
// on the extra DMD canvas of the extra panel. Nothing is checked and every member returns 0:
// an empty slot, a slot outside 0..499, a section outside the bitmap or a rectangle off the
// canvas draws nothing or is clipped. Rectangles are given as left, top, width, height; -1 as a
// width or height reaches the far edge of the canvas (or, for a section, of the bitmap). The
// unscaled copy gives its destination the section's size, so a section size of -1 reaches the
// canvas edge there too, stretched as the scaled copy would stretch it.
#pragma once

#include <cstdint>

#include "engine/dmd.h"

namespace tov {

class Engine;

class AreaDrawing {
  public:
    explicit AreaDrawing(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Fills the rectangle with _Color (0xRRGGBB), which becomes the canvas's fill colour. No
    // outline is drawn, so the canvas's pen plays no part.
    int ClearArea(int16_t _AreaXPos, int16_t _AreaYPos, int16_t _AreaWidth, int16_t _AreaHeight,
                  int32_t _Color);
    int ClearExtra(int16_t _AreaXPos, int16_t _AreaYPos, int16_t _AreaWidth, int16_t _AreaHeight,
                   int32_t _Color);
    // Copies the section of the slot's bitmap unscaled, its top-left corner at the area
    // position. Pixels the bitmap's mask marks transparent leave the canvas as it was.
    int DrawArea(int16_t _BitmapIDIndex, int16_t _BitmapSectionXPos, int16_t _BitmapSectionYPos,
                 int16_t _BitmapSectionWidth, int16_t _BitmapSectionHeight, int16_t _AreaXPos,
                 int16_t _AreaYPos);
    int DrawAreaExtra(int16_t _BitmapIDIndex, int16_t _BitmapSectionXPos,
                      int16_t _BitmapiSectionYpos, int16_t _BitmapSectionWidth,
                      int16_t _BitmapSectionHeight, int16_t _AreaXPos, int16_t _AreaYPos);
    // Copies the section of the slot's bitmap stretched or shrunk into the area rectangle.
    int DrawOnBackground(int16_t _BitmapIDIndex, int16_t _BitmapSelectionXPos,
                         int16_t _BitmapSelectionYPos, int16_t _BitmapSelectionWidth,
                         int16_t _BitmapSelectionHeight, int16_t _AreaXPos, int16_t _AreaYPos,
                         int16_t _AreaWidth, int16_t _AreaHeight);
    int DrawOnExtraBack(int16_t _BitmapIDIndex, int16_t _BitmapSelectionXPos,
                        int16_t _BitmapSelectionYPos, int16_t _BitmapSelectionWidth,
                        int16_t _BitmapSelectionHeight, int16_t _AreaXPos, int16_t _AreaYPos,
                        int16_t _AreaWidth, int16_t _AreaHeight);

    // --- For every DMD layer (the pairs above and the simple panels) --------------------
    // Fills the rectangle with the colour, which becomes the canvas's fill colour.
    void Fill(DmdCanvas canvas, int x, int y, int width, int height, int32_t color);
    // Copies the section of the slot's bitmap into the rectangle of the section's own size at
    // (x, y). A section width or height of -1 reaches the far edge of the bitmap, and the
    // rectangle the far edge of the canvas, with the section stretched to it, as a scaled copy
    // with -1 as its area size does.
    void Copy(DmdCanvas canvas, int slot, int sx, int sy, int sw, int sh, int x, int y);
    // Copies the section stretched or shrunk into the rectangle.
    void Stretch(DmdCanvas canvas, int slot, int sx, int sy, int sw, int sh, int x, int y,
                 int width, int height);

  private:
    DmdCanvas MainCanvas() const;
    DmdCanvas ExtraCanvas() const;

    Engine& engine_;
};

}  // namespace tov
