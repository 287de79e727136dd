#include "platform/bitmap.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

// The 24-bit decode has a byte-shuffle path on x86, chosen at run time where the processor has
// it; every other processor takes the portable word path.
#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#define TOV_DECODE_SSSE3 1
#include <immintrin.h>
#else
#define TOV_DECODE_SSSE3 0
#endif
// And a 32-byte path beside it, not on Windows, where the compiler does not align the stack for
// 32-byte values it may spill.
#if TOV_DECODE_SSSE3 && !defined(_WIN32)
#define TOV_DECODE_AVX2 1
#else
#define TOV_DECODE_AVX2 0
#endif

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

// Unaligned little-endian 32-bit load: the bytes of one pixel and one byte after it.
inline uint32_t Load32(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// One row of kBytes-a-pixel data (blue, green, red first) into `out`, four pixels per round
// from whole 32-bit words. A word that would reach past the row's data falls back to bytes, so
// the reads stay within `row_bytes`.
template <int kBytes>
void DecodeRowWords(const uint8_t* in, int row_bytes, uint32_t* out, int width) {
    int x = 0;
    if constexpr (kBytes == 4) {
        for (; x < width; ++x)
            out[x] = Load32(in + 4 * static_cast<size_t>(x)) & 0xFFFFFFu;
    } else {
        // Three words hold four pixels: b0 g0 r0 b1 | g1 r1 b2 g2 | r2 b3 g3 r3.
        for (; 4 * x + 12 <= 3 * width && 3 * x + 12 <= row_bytes; x += 4) {
            const uint8_t* p = in + 3 * static_cast<size_t>(x);
            const uint32_t w0 = Load32(p);
            const uint32_t w1 = Load32(p + 4);
            const uint32_t w2 = Load32(p + 8);
            out[x] = w0 & 0xFFFFFFu;
            out[x + 1] = (w0 >> 24 | w1 << 8) & 0xFFFFFFu;
            out[x + 2] = (w1 >> 16 | w2 << 16) & 0xFFFFFFu;
            out[x + 3] = w2 >> 8;
        }
        for (; x < width; ++x) {
            const uint8_t* p = in + 3 * static_cast<size_t>(x);
            out[x] = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                     static_cast<uint32_t>(p[2]) << 16;
        }
    }
}

#if TOV_DECODE_SSSE3
// Sixteen bytes at a time with a byte shuffle: four 24-bit pixels become four 32-bit ones.
// Loads of 16 bytes read four bytes past the twelve they use, so they stop 16 bytes before the
// row's end and the word loop finishes the row.
__attribute__((target("ssse3"))) void DecodeRow24Ssse3(const uint8_t* in, int row_bytes,
                                                       uint32_t* out, int width) {
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    int x = 0;
    for (; x + 4 <= width && 3 * x + 16 <= row_bytes; x += 4) {
        const __m128i packed =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 3 * static_cast<size_t>(x)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_shuffle_epi8(packed, spread));
    }
    DecodeRowWords<3>(in + 3 * static_cast<size_t>(x), row_bytes - 3 * x, out + x, width - x);
}

bool HasSsse3() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}

#if TOV_DECODE_AVX2
// Thirty-two bytes at a time: the second lane takes the words from byte 12 on, so each lane
// holds four 24-bit pixels for the same byte shuffle. Loads stop 32 bytes before the row's
// end; the sixteen-byte path finishes the row.
__attribute__((target("avx2"))) void DecodeRow24Avx2(const uint8_t* in, int row_bytes,
                                                     uint32_t* out, int width) {
    const __m256i lanes = _mm256_setr_epi32(0, 1, 2, 3, 3, 4, 5, 6);
    const __m256i spread = _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1, 0,
                                            1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    // The first pixels one at a time until the stores are aligned: a row of a canvas starts
    // anywhere, and a store split over two cache lines costs two.
    int x = 0;
    for (; x < width && (reinterpret_cast<uintptr_t>(out + x) & 31) != 0; ++x) {
        const uint8_t* p = in + 3 * static_cast<size_t>(x);
        out[x] = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                 static_cast<uint32_t>(p[2]) << 16;
    }
    for (; x + 8 <= width && 3 * x + 32 <= row_bytes; x += 8) {
        const __m256i packed =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + 3 * static_cast<size_t>(x)));
        const __m256i split = _mm256_permutevar8x32_epi32(packed, lanes);
        _mm256_store_si256(reinterpret_cast<__m256i*>(out + x), _mm256_shuffle_epi8(split, spread));
    }
    DecodeRow24Ssse3(in + 3 * static_cast<size_t>(x), row_bytes - 3 * x, out + x, width - x);
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif
#endif

// The checks DecodeBitmapData makes before it changes anything.
int CheckBitmapData(const Bitmap* bitmap, int bytes_per_row, int pixel_depth, size_t bits,
                    size_t mask) {
    if (bitmap == nullptr) return kUIENullPointer;
    const int width = bitmap->image.width;
    const int height = bitmap->image.height;
    if (pixel_depth != 24 && pixel_depth != 32) return kUIEInvalidValue;
    if (bytes_per_row < MinimumBytesPerRow(width, pixel_depth)) return kUIEInvalidValue;
    const int64_t needed_bits = static_cast<int64_t>(bytes_per_row) * height;
    if (static_cast<int64_t>(bits) < needed_bits) return kUIEBufferTooSmall;
    const size_t mask_row = static_cast<size_t>(MaskBytesPerRow(width));
    if (mask != 0 && mask < mask_row * static_cast<size_t>(height)) return kUIEBufferTooSmall;
    return kUISuccess;
}

// Takes the mask bits (already checked) as one byte per pixel; none removes the mask.
void DecodeMask(Bitmap* bitmap, std::span<const uint8_t> mask) {
    if (mask.empty()) {
        bitmap->mask.clear();
        return;
    }
    const int width = bitmap->image.width;
    const int height = bitmap->image.height;
    const size_t mask_row = static_cast<size_t>(MaskBytesPerRow(width));
    bitmap->mask.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        const uint8_t* in = mask.data() + mask_row * static_cast<size_t>(y);
        uint8_t* out = bitmap->mask.data() + static_cast<size_t>(width) * y;
        for (int x = 0; x < width; ++x)
            out[x] = (in[x / 8] >> (7 - x % 8)) & 1;
    }
}

}  // namespace

void DecodePixelRowsReference(Surface& image, int bytes_per_row, int pixel_depth,
                              const uint8_t* bits) {
    const int bytes = pixel_depth == 32 ? 4 : 3;
    for (int y = 0; y < image.height; ++y) {
        const uint8_t* in = bits + static_cast<size_t>(bytes_per_row) * y;
        uint32_t* row = image.Row(y);
        for (int x = 0; x < image.width; ++x) {
            const uint8_t* pixel = in + static_cast<size_t>(x) * bytes;
            row[x] = static_cast<uint32_t>(pixel[0]) | static_cast<uint32_t>(pixel[1]) << 8 |
                     static_cast<uint32_t>(pixel[2]) << 16;
        }
    }
}

void DecodePixelRow(const uint8_t* in, int available, int pixel_depth, uint32_t* out, int count,
                    DecodePath path) {
    if (pixel_depth == 32) {
        DecodeRowWords<4>(in, available, out, count);
        return;
    }
#if TOV_DECODE_SSSE3
#if TOV_DECODE_AVX2
    if (path == DecodePath::Fastest && HasAvx2()) {
        DecodeRow24Avx2(in, available, out, count);
        return;
    }
#endif
    if (path == DecodePath::Fastest && HasSsse3()) {
        DecodeRow24Ssse3(in, available, out, count);
        return;
    }
#endif
    static_cast<void>(path);
    DecodeRowWords<3>(in, available, out, count);
}

void DecodePixelRows(Surface& image, int bytes_per_row, int pixel_depth, const uint8_t* bits,
                     DecodePath path) {
    for (int y = 0; y < image.height; ++y) {
        DecodePixelRow(bits + static_cast<size_t>(bytes_per_row) * y, bytes_per_row, pixel_depth,
                       image.Row(y), image.width, path);
    }
}

int DecodeBitmapData(Bitmap* bitmap, int bytes_per_row, int pixel_depth,
                     std::span<const uint8_t> bits, std::span<const uint8_t> mask) {
    const int status =
        CheckBitmapData(bitmap, bytes_per_row, pixel_depth, bits.size(), mask.size());
    if (status != kUISuccess) return status;
    DecodePixelRows(bitmap->image, bytes_per_row, pixel_depth, bits.data(), DecodePath::Fastest);
    DecodeMask(bitmap, mask);
    bitmap->bytes_per_row = bytes_per_row;
    bitmap->pixel_depth = pixel_depth;
    bitmap->rows.clear();
    bitmap->rows_newer = false;
    return kUISuccess;
}

int KeepBitmapData(Bitmap* bitmap, int bytes_per_row, int pixel_depth,
                   std::span<const uint8_t> bits, std::span<const uint8_t> mask) {
    const int status =
        CheckBitmapData(bitmap, bytes_per_row, pixel_depth, bits.size(), mask.size());
    if (status != kUISuccess) return status;
    // Only the rows the layout covers: trailing bytes beyond them belong to nobody.
    const size_t used = static_cast<size_t>(bytes_per_row) * bitmap->image.height;
    bitmap->rows.assign(bits.begin(), bits.begin() + static_cast<std::ptrdiff_t>(used));
    bitmap->rows_newer = true;
    DecodeMask(bitmap, mask);
    bitmap->bytes_per_row = bytes_per_row;
    bitmap->pixel_depth = pixel_depth;
    return kUISuccess;
}

int SwapBitmapData(Bitmap* bitmap, int bytes_per_row, int pixel_depth, std::vector<uint8_t>* bits) {
    if (bits == nullptr) return kUIENullPointer;
    const int status = CheckBitmapData(bitmap, bytes_per_row, pixel_depth, bits->size(), 0);
    if (status != kUISuccess) return status;
    // The buffer handed back has the caller's size, so it can take the next picture as well.
    if (bitmap->rows.size() != bits->size()) bitmap->rows = *bits;
    bitmap->rows.swap(*bits);
    bitmap->rows_newer = true;
    bitmap->mask.clear();
    bitmap->bytes_per_row = bytes_per_row;
    bitmap->pixel_depth = pixel_depth;
    return kUISuccess;
}

void SettleBitmap(Bitmap* bitmap) {
    if (bitmap == nullptr || !bitmap->rows_newer) return;
    DecodePixelRows(bitmap->image, bitmap->bytes_per_row, bitmap->pixel_depth, bitmap->rows.data(),
                    DecodePath::Fastest);
    bitmap->rows_newer = false;
}

}  // namespace tov::platform
