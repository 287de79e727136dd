// Captures into the bitmap selection: a rectangle of the main panel as the screen shows it, the
// whole DMD layer, or a text in any installed font (optionally mirrored) become the bitmap of a
// slot; a slot's bitmap can be given a mask that leaves one colour out whenever it is drawn; the
// DMD layer's picture can be put on the clipboard.
//
// A capture replaces the slot's bitmap and its geometry but keeps the slot's frame grid, so a slot
// once loaded with frames of 8 pixels still cuts frames of 8 pixels from the captured image.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tov {

class Engine;

class Capture {
  public:
    // The largest picture, in pixels, that MaskBitmapFromSelection takes on.
    static constexpr int64_t kMaskMaxPixels = 125000;
    // The meta font the font capture measures its text in.
    static constexpr std::string_view kMeasuringFont = "My_Temp_MetaFont";

    explicit Capture(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // The rectangle (left _XPos, top _YPos, _Width x _Height; -1 reaches the far edge) of the
    // main panel as it shows on the screen, with every control over it, into the slot.
    int CopyBitmapFromPanelToSelection(int16_t _XPos, int16_t _YPos, int16_t _Width,
                                       int16_t _Height, int16_t _BitmapSelectionIndex);
    // The whole content of the DMD canvas, without the controls over it, into the slot.
    int CopyBitmapFromDMDLayerToSelection(int16_t _BitmapSelectionIndex);
    // _Text in the given face, size in pixels, style and colour, as the font scratch canvas shows
    // it (its width fitted to the text, its height and background its own), into the slot.
    // _Mirror 2 turns the picture left to right, 1 upside down; other values leave it as it is
    // (re-read through the construct canvas all the same).
    int CopyBitmapFromFontTextToSelection(int16_t _BitmapSelectionIndex, std::string_view _Text,
                                          int16_t _Bold, int16_t _Italic, int32_t _Color,
                                          std::string_view _FontType, int16_t _FontHeight,
                                          uint8_t _Mirror);
    // Masks every pixel of colour _BitmapMaskColor (0xRRGGBB, exact) out of the slot's bitmap;
    // every other pixel becomes opaque. The picture is drawn on the effect canvas (sized to it,
    // not moved) and its colours read back from there.
    int MaskBitmapFromSelection(int16_t _BitmapSelectionIndex, int32_t _BitmapMaskColor);
    // Puts what the DMD canvas shows on the clipboard; the picture is kept in the extra panel's
    // clipbmp until the next capture of either kind.
    int copydmdtosimpledmd();

    // --- Working buffers of the mask, reused by each call --------------------------------
    std::vector<uint32_t> BitmapPixelColors;  // the effect canvas's colours, row by row
    std::vector<uint8_t> BitmapMask;          // the mask being built, rows of whole 16-bit words
    int BitmapMaskBytesPerRow = 0;

  private:
    // Discards the slot's bitmap, if it holds one, and leaves the slot empty.
    void EmptySlot(int slot);
    // Puts a capture's result into the slot: the new bitmap with its geometry after a success
    // (status >= 0), or an empty slot and a "fatal error" naming `member` and the run-time's
    // description of the status. Returns the member's result.
    int Store(int slot, int status, int bitmap, std::string_view member);
    // "fatal error" with the range message of `member`; returns -1.
    int SlotOutOfRange(std::string_view member);
    // Exchanges the columns (mirror 2) or rows (mirror 1) of the construct canvas, which shows
    // a picture of width x height, one strip of one pixel at a time.
    void MirrorOnConstructCanvas(int bitmap, int width, int height, uint8_t mirror);

    Engine& engine_;
};

}  // namespace tov
