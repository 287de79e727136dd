// The pixel buffers the byte-level transitions share: the untouched bytes of one or two source
// bitmaps and a working copy, plus the helpers the fades use to fill them and to make the fade
// working bitmap (entry 500 of the bitmap selection).
//
// The fade in/out, the fade over and the mask capture all write BitmapOriginalColorField1; the
// set-up that ran last owns the contents and says so in `user`. A step works only on data its own
// set-up put there, and only within `layout`, so a later set-up of another kind ends its run
// instead of handing it bytes of a different picture.
#pragma once

#include <algorithm>
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

// Calls run(offset, count) for the pixel bytes of rows [first_row, first_row + row_count) of the
// layout (all rows when not given), padding excluded: once for all of them when rows have no
// padding, else once per row. The rows must lie within the layout.
template <typename Run>
void ForEachPixelRun(const PixelLayout& layout, int first_row, int row_count, Run run) {
    const size_t row_bytes = static_cast<size_t>(layout.RowBytes());
    const size_t stride = static_cast<size_t>(layout.bytes_per_row);
    if (layout.bytes_per_row == layout.RowBytes()) {
        run(static_cast<size_t>(first_row) * stride, row_bytes * static_cast<size_t>(row_count));
        return;
    }
    for (int r = first_row; r < first_row + row_count; ++r)
        run(static_cast<size_t>(r) * stride, row_bytes);
}
template <typename Run>
void ForEachPixelRun(const PixelLayout& layout, Run run) {
    ForEachPixelRun(layout, 0, layout.height, run);
}

// How many rows of the layout a fade step computes and draws at a time: a band of about
// kFadeBandBytes, small enough that its rows are still in the cache when the canvas draw
// converts them. Without banding a step's working rows, its source rows and the canvas together
// exceed a core's second-level cache, and the draw fetches the working rows back from memory.
constexpr int kFadeBandBytes = 32 * 1024;
int FadeBandRows(const PixelLayout& layout);

// The parts of ShowFadePicture. True when the fade working bitmap exists and has the layout's
// width and height.
bool FadeWorkingBitmapFits(Engine& engine, const PixelLayout& layout);
// Draws rows [first_row, first_row + row_count) of `working` into the effect canvas as drawing
// the whole working bitmap, holding `working`, into the whole canvas would draw them.
void DrawFadeBand(Engine& engine, const PixelLayout& layout, const std::vector<uint8_t>& working,
                  int first_row, int row_count);
// Hands `working` to the fade working bitmap (SwapBitmapData) and, for WholeBitmap, draws that
// bitmap into the whole effect canvas.
enum class FadeDraw { Done, WholeBitmap };
void HandOverFadePicture(Engine& engine, const PixelLayout& layout, std::vector<uint8_t>* working,
                         FadeDraw draw);

// Shows a fade step's picture, which `compute(first_row, row_count)` writes into the rows of
// `working` (the layout's data, padding included) band by band: each band is drawn into the
// whole effect canvas as soon as it is computed, and the working bitmap then takes all rows
// without a copy (SwapBitmapData; `working` gets back its previous buffer). The canvas so shows
// exactly what drawing the whole working bitmap into it would, and the working bitmap holds the
// whole picture. Where the working bitmap does not have the layout's size, the rows are computed
// whole, handed over and the bitmap drawn, as that draw defines.
template <typename Compute>
void ShowFadePicture(Engine& engine, const PixelLayout& layout, std::vector<uint8_t>* working,
                     Compute compute) {
    if (!FadeWorkingBitmapFits(engine, layout)) {
        compute(0, layout.height);
        HandOverFadePicture(engine, layout, working, FadeDraw::WholeBitmap);
        return;
    }
    const int band = FadeBandRows(layout);
    for (int first = 0; first < layout.height; first += band) {
        const int count = std::min(band, layout.height - first);
        compute(first, count);
        DrawFadeBand(engine, layout, *working, first, count);
    }
    HandOverFadePicture(engine, layout, working, FadeDraw::Done);
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
