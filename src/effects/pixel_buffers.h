// The pixel buffers the byte-level transitions share: the untouched bytes of one or two source
// bitmaps and a working copy, plus the helpers the fades use to fill them and to make the fade
// working bitmap (entry 500 of the bitmap selection).
//
// The fade in/out, the fade over and the mask capture all write BitmapOriginalColorField1; the
// set-up that ran last owns the contents and says so in `user`. A step works only on data its own
// set-up put there, and only within `layout`, so a later set-up of another kind ends its run
// instead of handing it bytes of a different picture.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tov {

class Engine;

// Who filled the buffers last.
enum class PixelBuffersUser { None, FadeInOut, FadeOver, MaskCapture };

// The layout of the pixel data in the buffers, as the run-time's bitmap data query reported it.
struct PixelLayout {
    int bytes_per_row = 0;  // the distance of two rows, padding included
    int pixel_depth = 0;    // bits per pixel: 24 or 32
    int width = 0;          // pixels
    int height = 0;         // rows

    // Bytes of pixel data at the start of each row; the rest of the row is padding.
    int RowBytes() const { return width * (pixel_depth / 8); }
    // Bytes of the whole pixel data, padding included.
    size_t DataBytes() const { return static_cast<size_t>(bytes_per_row) * height; }
};

struct PixelBuffers {
    std::vector<uint8_t> BitmapOriginalColorField1;  // the first source's bytes
    std::vector<uint8_t> BitmapOriginalColorField2;  // the second source's bytes (fade over)
    std::vector<uint8_t> BitmapWorkingColorField;    // the scaled or blended copy

    PixelBuffersUser user = PixelBuffersUser::None;
    PixelLayout layout;  // of the data the fades put into the fields

    // True when the last set-up was `by` and every field it uses holds `layout`'s data.
    bool HeldBy(PixelBuffersUser by) const;
};

// The largest picture, in pixels, that the fades take on.
constexpr int kFadeMaxPixels = 125000;

// True for the pixel depths whose bytes the fades can treat alike: 24 and 32 bits.
constexpr bool FadeSupportsDepth(int pixel_depth) {
    return pixel_depth == 24 || pixel_depth == 32;
}

// Reads the layout and the pixel bytes of a bitmap into `layout` and `field` (sized to exactly
// the bitmap's data). Returns false, leaving both unchanged, when the bitmap does not exist, is
// not 24 or 32 bits deep or delivers less data than its layout says.
bool ReadFadeSource(Engine& engine, int bitmap, PixelLayout* layout, std::vector<uint8_t>* field);

// Makes the fade working bitmap from `bitmap` (width x height pixels): parks the effect canvas
// at the main panel's right edge, sizes it to the picture, discards the old working bitmap,
// draws the picture into the canvas and stores the canvas's image in entry 500 of the bitmap
// selection with its geometry.
void MakeFadeWorkingBitmap(Engine& engine, int bitmap, int width, int height);

}  // namespace tov
