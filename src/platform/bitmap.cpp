#include "platform/bitmap.h"

#include <cstddef>

namespace tov::platform {

namespace {

// The smallest bytes per row that holds a row of `width` pixels at the depth.
int64_t MinimumBytesPerRow(int width, int pixel_depth) {
    return static_cast<int64_t>(width) * (pixel_depth == 32 ? 4 : 3);
}

}  // namespace

Bitmap BitmapFromSurface(const Surface& surface) {
    Bitmap bitmap;
    bitmap.image = surface;
    bitmap.bytes_per_row = PaddedBytesPerRow(surface.width);
    bitmap.pixel_depth = 24;
    return bitmap;
}

void EncodeBitmapData(const Bitmap& bitmap, std::vector<uint8_t>* bits,
                      std::vector<uint8_t>* mask) {
    const int width = bitmap.image.width;
    const int height = bitmap.image.height;
    const int depth = bitmap.pixel_depth == 32 ? 32 : 24;
    const int bytes_per_pixel = depth / 8;
    // A layout too small for the width (a bitmap that never had one) falls back to the padded
    // layout, so the rows never overlap.
    int64_t bytes_per_row = bitmap.bytes_per_row;
    if (bytes_per_row < MinimumBytesPerRow(width, depth)) {
        bytes_per_row = depth == 32 ? 4 * static_cast<int64_t>(width) : PaddedBytesPerRow(width);
    }
    if (bits != nullptr) {
        bits->assign(static_cast<size_t>(bytes_per_row * height), 0);
        for (int y = 0; y < height; ++y) {
            const uint32_t* row = bitmap.image.Row(y);
            uint8_t* out = bits->data() + static_cast<size_t>(bytes_per_row * y);
            for (int x = 0; x < width; ++x) {
                out[0] = static_cast<uint8_t>(row[x]);
                out[1] = static_cast<uint8_t>(row[x] >> 8);
                out[2] = static_cast<uint8_t>(row[x] >> 16);
                out += bytes_per_pixel;
            }
        }
    }
    if (mask != nullptr) {
        mask->clear();
        if (!bitmap.HasMask()) return;
        const size_t mask_row = static_cast<size_t>(MaskBytesPerRow(width));
        mask->assign(mask_row * static_cast<size_t>(height), 0);
        for (int y = 0; y < height; ++y) {
            uint8_t* out = mask->data() + mask_row * static_cast<size_t>(y);
            for (int x = 0; x < width; ++x) {
                if (bitmap.Opaque(x, y)) out[x / 8] |= static_cast<uint8_t>(0x80u >> (x % 8));
            }
        }
    }
}

namespace {

// Pixel rows of kBytes bytes a pixel (blue, green, red first) into the surface. The constant
// stride lets the compiler vectorise the loop: the fades replace a bitmap's data every step.
template <int kBytes>
void DecodePixelRows(Surface& image, int bytes_per_row, const uint8_t* bits) {
    for (int y = 0; y < image.height; ++y) {
        const uint8_t* in = bits + static_cast<size_t>(bytes_per_row) * y;
        uint32_t* row = image.Row(y);
        for (int x = 0; x < image.width; ++x) {
            const uint8_t* pixel = in + static_cast<size_t>(x) * kBytes;
            row[x] = static_cast<uint32_t>(pixel[0]) | static_cast<uint32_t>(pixel[1]) << 8 |
                     static_cast<uint32_t>(pixel[2]) << 16;
        }
    }
}

}  // namespace

int DecodeBitmapData(Bitmap* bitmap, int bytes_per_row, int pixel_depth,
                     std::span<const uint8_t> bits, std::span<const uint8_t> mask) {
    if (bitmap == nullptr) return kUIENullPointer;
    const int width = bitmap->image.width;
    const int height = bitmap->image.height;
    if (pixel_depth != 24 && pixel_depth != 32) return kUIEInvalidValue;
    if (bytes_per_row < MinimumBytesPerRow(width, pixel_depth)) return kUIEInvalidValue;
    const int64_t needed_bits = static_cast<int64_t>(bytes_per_row) * height;
    if (static_cast<int64_t>(bits.size()) < needed_bits) return kUIEBufferTooSmall;
    const size_t mask_row = static_cast<size_t>(MaskBytesPerRow(width));
    if (!mask.empty() && mask.size() < mask_row * static_cast<size_t>(height)) {
        return kUIEBufferTooSmall;
    }

    if (pixel_depth == 24) {
        DecodePixelRows<3>(bitmap->image, bytes_per_row, bits.data());
    } else {
        DecodePixelRows<4>(bitmap->image, bytes_per_row, bits.data());
    }
    if (mask.empty()) {
        bitmap->mask.clear();
    } else {
        bitmap->mask.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
        for (int y = 0; y < height; ++y) {
            const uint8_t* in = mask.data() + mask_row * static_cast<size_t>(y);
            uint8_t* out = bitmap->mask.data() + static_cast<size_t>(width) * y;
            for (int x = 0; x < width; ++x)
                out[x] = (in[x / 8] >> (7 - x % 8)) & 1;
        }
    }
    bitmap->bytes_per_row = bytes_per_row;
    bitmap->pixel_depth = pixel_depth;
    return kUISuccess;
}

}  // namespace tov::platform
