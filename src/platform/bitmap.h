// Bitmaps of the run-time: pixels kept as a Surface for fast drawing, plus an optional mask.
// Pixel rows handed over by SetBitmapData may instead be kept as given until something other
// than a draw needs the Surface: a draw converts them while it writes the target anyway.
//
// The data layout that GetBitmapData reports and SetBitmapData takes is the run-time's:
// - pixel bits: rows of `bytes_per_row` bytes (at least 3 * width for depth 24, 4 * width for
//   depth 32), each pixel blue, green, red (and a fourth, unused byte at depth 32); rows are
//   padded to a multiple of 4 bytes when the bitmap makes its own layout;
// - mask: one bit per pixel, 1 = drawn, 0 = transparent, rows padded to whole 16-bit words
//   (MaskBytesPerRow), the first pixel of a byte in its most significant bit.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/surface.h"

namespace tov::platform {

// Bytes per row of 24-bit pixel rows padded to 4 bytes.
constexpr int PaddedBytesPerRow(int width) {
    return (3 * width + 3) & ~3;
}
// Bytes per mask row: whole 16-bit words.
constexpr int MaskBytesPerRow(int width) {
    return 2 * ((width + 15) / 16);
}

struct Bitmap {
    Surface image;              // 0x00RRGGBB
    std::vector<uint8_t> mask;  // one byte per pixel, 1 = drawn; empty = no mask
    int bytes_per_row = 0;      // the layout reported by GetBitmapData
    int pixel_depth = 24;
    // The pixel rows KeepBitmapData or SwapBitmapData took last, as given: at least
    // bytes_per_row * height bytes at pixel_depth. While `rows_newer` is set they, not `image`,
    // hold the bitmap's pixels: DrawBitmap converts them on the way to its target, and
    // SettleBitmap brings `image` up to date for every other reader.
    std::vector<uint8_t> rows;
    bool rows_newer = false;

    bool HasMask() const { return !mask.empty(); }
    bool Opaque(int x, int y) const {
        return mask.empty() || mask[static_cast<size_t>(y) * image.width + x] != 0;
    }
};

// Makes a bitmap from a surface, with no mask and the padded 24-bit layout.
Bitmap BitmapFromSurface(const Surface& surface);

// Writes the bitmap's pixels in its data layout into `bits` (bytes_per_row * height bytes) and
// its mask, when it has one, into `mask` (MaskBytesPerRow(width) * height bytes; left empty
// without a mask). Padding bytes are 0.
void EncodeBitmapData(const Bitmap& bitmap, std::vector<uint8_t>* bits, std::vector<uint8_t>* mask);

// Replaces the bitmap's pixels from data in the given layout; width and height stay. Returns a
// negative status (and changes nothing) when the depth is neither 24 nor 32, bytes_per_row is
// too small for the width, or `bits` holds fewer than bytes_per_row * height bytes. An empty
// `mask` removes the mask; otherwise it must hold MaskBytesPerRow(width) * height bytes.
int DecodeBitmapData(Bitmap* bitmap, int bytes_per_row, int pixel_depth,
                     std::span<const uint8_t> bits, std::span<const uint8_t> mask);

// As DecodeBitmapData, with the same checks and statuses, but the pixels are kept as a copy of
// `bits` in `rows` (rows_newer set) and converted when drawn or settled; the mask is taken at
// once.
int KeepBitmapData(Bitmap* bitmap, int bytes_per_row, int pixel_depth,
                   std::span<const uint8_t> bits, std::span<const uint8_t> mask);

// As KeepBitmapData with no mask (any mask is removed), taking the bytes of *bits without a
// copy: they become the bitmap's rows, and *bits gets back a buffer of the same size, the rows
// the bitmap held before when they had that size and otherwise a copy of the bytes given. A
// caller that rewrites its buffer on every call so hands over picture after picture without
// copying or allocating. On a refusal *bits stays as it was.
int SwapBitmapData(Bitmap* bitmap, int bytes_per_row, int pixel_depth, std::vector<uint8_t>* bits);

// Converts rows kept by KeepBitmapData or SwapBitmapData into `image`, once; nothing to do
// when `image` is current.
void SettleBitmap(Bitmap* bitmap);

// The conversion of pixel rows into the run-time's 0x00RRGGBB pixels, as DecodeBitmapData
// does it: `bits` holds image.height rows of bytes_per_row bytes at the depth (24 or 32, already
// checked); image's size says how many pixels. `Fastest` takes the quickest path the processor
// has, `Portable` the word-at-a-time path every processor has; both must give exactly what the
// byte-by-byte reference gives, and a differential test keeps them so.
enum class DecodePath { Fastest, Portable };
void DecodePixelRows(Surface& image, int bytes_per_row, int pixel_depth, const uint8_t* bits,
                     DecodePath path);
void DecodePixelRowsReference(Surface& image, int bytes_per_row, int pixel_depth,
                              const uint8_t* bits);
// One row of DecodePixelRows: `count` pixels from `in`, which has `available` readable bytes
// (at least count pixels' worth), into `out`, by the path's fastest way.
void DecodePixelRow(const uint8_t* in, int available, int pixel_depth, uint32_t* out, int count,
                    DecodePath path = DecodePath::Fastest);

}  // namespace tov::platform
