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
    // The buffer each step computes the scaled or blended bytes into. The step hands it to the
    // fade working bitmap without a copy and gets back the bitmap's previous buffer: between
    // steps it holds an earlier picture (the padding at the end of each row is always the
    // source's), and the working bitmap the current one.
    std::vector<uint8_t> BitmapWorkingColorField;

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

// --- The step arithmetic of the fades ---------------------------------------------------------
// Each works on `count` bytes of one run of pixel data; `out` must not overlap the inputs.
// `Fastest` takes the quickest path the
// processor has, `Portable` the plain loop every processor has; both give exactly the bytes of
// the byte-at-a-time reference, and a differential test keeps them so.
enum class FadeArithmeticPath { Fastest, Portable };

// out[j] = in[j] * brightness / 100, the quotient truncated; brightness 0..100.
void ScaleFadeBytes(const uint8_t* in, uint8_t* out, size_t count, int brightness,
                    FadeArithmeticPath path = FadeArithmeticPath::Fastest);
void ScaleFadeBytesReference(const uint8_t* in, uint8_t* out, size_t count, int brightness);

// out[j] = a + intensity * (b - a) / 100 with a = first[j], b = second[j], the quotient
// truncated toward zero (so the blend rounds toward the first picture); intensity 0..100.
void BlendFadeBytes(const uint8_t* first, const uint8_t* second, uint8_t* out, size_t count,
                    int intensity, FadeArithmeticPath path = FadeArithmeticPath::Fastest);
void BlendFadeBytesReference(const uint8_t* first, const uint8_t* second, uint8_t* out,
                             size_t count, int intensity);

// Calls run(offset, count) for the pixel bytes of every row of the layout, padding excluded:
// once for all rows when they have no padding, else once per row.
template <typename Run>
void ForEachPixelRun(const PixelLayout& layout, Run run) {
    const size_t row_bytes = static_cast<size_t>(layout.RowBytes());
    if (layout.bytes_per_row == layout.RowBytes()) {
        run(size_t{0}, row_bytes * static_cast<size_t>(layout.height));
        return;
    }
    for (int r = 0; r < layout.height; ++r)
        run(static_cast<size_t>(r) * static_cast<size_t>(layout.bytes_per_row), row_bytes);
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
