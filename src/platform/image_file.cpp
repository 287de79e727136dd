// Image files: reading BMP (own decoder), PNG, JPEG and GIF (stb_image) and writing PNG
// (stb_image_write).
//
// Sections:
// - limits and helpers: reading a whole file, little-endian fields checked against its length
// - BMP: headers, palettes, bit fields, uncompressed rows, RLE8 and RLE4
// - PNG, JPEG, GIF through stb_image; alpha below 128 becomes masked
// - ReadImageFile, DecodeImage, WritePng, ReadImageSurface
//
// The BMP decoder is our own because stb_image reads neither RLE nor 1-bit files reliably and
// fills a truncated file with black instead of refusing it. Every size a file states is checked
// against the bytes it really has before a pixel is read.
#include "platform/image_file.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

// Images larger than this on either side are refused before any memory is reserved for them.
#define STBI_MAX_DIMENSIONS 32768
#define STBI_NO_STDIO
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_GIF
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace tov::platform {

namespace {

// ---- limits and helpers ----------------------------------------------------------------------

constexpr int64_t kMaxDimension = STBI_MAX_DIMENSIONS;
constexpr int64_t kMaxPixels = int64_t{1} << 25;    // 128 MiB of 32-bit pixels
constexpr size_t kMaxFileSize = size_t{256} << 20;  // no table ships a larger picture

int Fail(std::string* why, int status, std::string_view text) {
    if (why != nullptr) why->assign(text);
    return status;
}

int ReadWholeFile(const std::string& path, std::vector<uint8_t>* bytes, std::string* why) {
    std::error_code error;
    const auto status = std::filesystem::status(std::filesystem::path(path), error);
    if (!std::filesystem::exists(status)) {
        return Fail(why, kUIEFileNotFound, "the file does not exist");
    }
    if (std::filesystem::is_directory(status)) {
        return Fail(why, kUIEFileReadFailed, "the name is a folder, not a file");
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return Fail(why, kUIEFileReadFailed, "the file cannot be opened");
    bytes->clear();
    uint8_t chunk[65536];
    bool too_large = false;
    for (;;) {
        const size_t got = std::fread(chunk, 1, sizeof chunk, file);
        if (got == 0) break;
        if (bytes->size() + got > kMaxFileSize) {
            too_large = true;
            break;
        }
        bytes->insert(bytes->end(), chunk, chunk + got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (too_large) return Fail(why, kUIEBadFileFormat, "the file is too large for a picture");
    if (failed) return Fail(why, kUIEFileReadFailed, "the file cannot be read");
    return kUISuccess;
}

// Little-endian fields of a byte block; a read outside the block gives 0, but callers check
// Has() first wherever the field decides a size.
struct Bytes {
    std::span<const uint8_t> data;

    bool Has(uint64_t offset, uint64_t count) const {
        return offset <= data.size() && count <= data.size() - offset;
    }
    uint32_t U8(uint64_t offset) const { return Has(offset, 1) ? data[offset] : 0; }
    uint32_t U16(uint64_t offset) const { return U8(offset) | U8(offset + 1) << 8; }
    uint32_t U32(uint64_t offset) const { return U16(offset) | U16(offset + 2) << 16; }
};

uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
    return (r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF);
}

// ---- BMP -------------------------------------------------------------------------------------

enum BmpCompression : uint32_t {
    kBmpRgb = 0,
    kBmpRle8 = 1,
    kBmpRle4 = 2,
    kBmpBitFields = 3,
    kBmpAlphaBitFields = 6,
};

// One colour channel of a bit-field pixel, scaled to 0..255.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint64_t max = 0;

    explicit Channel(uint32_t m) : mask(m) {
        if (m != 0) {
            shift = std::countr_zero(m);
            max = m >> shift;
        }
    }
    uint32_t operator()(uint32_t v) const {
        if (max == 0) return 0;
        const uint64_t value = (v & mask) >> shift;
        return static_cast<uint32_t>((value * 255 + max / 2) / max);
    }
};

struct BmpImage {
    int64_t width = 0;
    int64_t height = 0;
    bool top_down = false;
    int bpp = 0;
    uint32_t compression = kBmpRgb;
    std::vector<uint32_t> palette;
    uint32_t masks[3] = {0, 0, 0};  // red, green, blue
};

// Reads the file and information headers, the bit-field masks and the palette.
int ParseBmpHeaders(const Bytes& f, BmpImage* bmp, uint64_t* pixel_offset, std::string* why) {
    if (!f.Has(0, 18)) return Fail(why, kUIEBadFileFormat, "the BMP header is truncated");
    *pixel_offset = f.U32(10);
    const uint32_t header_size = f.U32(14);
    if (header_size < 12 || !f.Has(14, header_size)) {
        return Fail(why, kUIEBadFileFormat, "the BMP header is truncated");
    }
    int palette_entry = 4;
    uint32_t colors_used = 0;
    if (header_size == 12) {
        // The old core header: 16-bit sizes, 3-byte palette entries.
        bmp->width = f.U16(18);
        bmp->height = f.U16(20);
        bmp->bpp = static_cast<int>(f.U16(24));
        palette_entry = 3;
    } else if (header_size >= 40) {
        bmp->width = static_cast<int32_t>(f.U32(18));
        bmp->height = static_cast<int32_t>(f.U32(22));
        bmp->bpp = static_cast<int>(f.U16(28));
        bmp->compression = f.U32(30);
        colors_used = f.U32(46);
    } else {
        return Fail(why, kUIEBadFileFormat, "the BMP header has an unknown size");
    }
    if (bmp->height < 0) {
        bmp->top_down = true;
        bmp->height = -bmp->height;
    }
    if (bmp->width <= 0 || bmp->height <= 0) {
        return Fail(why, kUIEBadFileFormat, "the BMP picture has no pixels");
    }
    if (bmp->width > kMaxDimension || bmp->height > kMaxDimension ||
        bmp->width * bmp->height > kMaxPixels) {
        return Fail(why, kUIEBadFileFormat, "the BMP picture is too large");
    }

    const int bpp = bmp->bpp;
    switch (bmp->compression) {
        case kBmpRgb:
            if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
                return Fail(why, kUIEBadFileFormat, "the BMP depth is not supported");
            }
            break;
        case kBmpRle8:
            if (bpp != 8) return Fail(why, kUIEBadFileFormat, "an RLE8 BMP must have 8 bits");
            break;
        case kBmpRle4:
            if (bpp != 4) return Fail(why, kUIEBadFileFormat, "an RLE4 BMP must have 4 bits");
            break;
        case kBmpBitFields:
        case kBmpAlphaBitFields:
            if (bpp != 16 && bpp != 32) {
                return Fail(why, kUIEBadFileFormat, "a bit-field BMP must have 16 or 32 bits");
            }
            break;
        default:
            return Fail(why, kUIEBadFileFormat, "the BMP compression is not supported");
    }

    uint64_t end_of_headers = 14 + static_cast<uint64_t>(header_size);
    if (bmp->compression == kBmpBitFields || bmp->compression == kBmpAlphaBitFields) {
        uint64_t masks_at = 54;  // inside the larger headers, right after the 40-byte one
        if (header_size == 40) {
            const uint64_t count = bmp->compression == kBmpAlphaBitFields ? 16 : 12;
            if (!f.Has(end_of_headers, count)) {
                return Fail(why, kUIEBadFileFormat, "the BMP colour masks are truncated");
            }
            end_of_headers += count;
        } else if (header_size < 52) {
            return Fail(why, kUIEBadFileFormat, "the BMP colour masks are missing");
        }
        for (int i = 0; i < 3; ++i)
            bmp->masks[i] = f.U32(masks_at + 4 * i);
    } else if (bpp == 16) {
        bmp->masks[0] = 0x7C00;
        bmp->masks[1] = 0x03E0;
        bmp->masks[2] = 0x001F;
    }

    if (bpp <= 8) {
        // The palette lies between the headers and the pixels; a file may list fewer colours
        // than the depth allows, never more.
        uint64_t count = colors_used != 0 ? colors_used : uint64_t{1} << bpp;
        count = std::min<uint64_t>(count, uint64_t{1} << bpp);
        const uint64_t room_end = std::min<uint64_t>(*pixel_offset, f.data.size());
        const uint64_t room = room_end > end_of_headers ? room_end - end_of_headers : 0;
        count = std::min<uint64_t>(count, room / palette_entry);
        if (count == 0) return Fail(why, kUIEBadFileFormat, "the BMP palette is missing");
        bmp->palette.resize(count);
        for (uint64_t i = 0; i < count; ++i) {
            const uint64_t at = end_of_headers + i * palette_entry;
            bmp->palette[i] = Rgb(f.U8(at + 2), f.U8(at + 1), f.U8(at));
        }
    }
    if (*pixel_offset < end_of_headers || *pixel_offset > f.data.size()) {
        return Fail(why, kUIEBadFileFormat, "the BMP pixel offset lies outside the file");
    }
    return kUISuccess;
}

uint32_t PaletteColor(const BmpImage& bmp, uint32_t index) {
    // An index beyond the colours the file lists shows black.
    return index < bmp.palette.size() ? bmp.palette[index] : 0;
}

int64_t BmpStride(const BmpImage& bmp) {
    return (bmp.width * bmp.bpp + 31) / 32 * 4;
}

// Whether the file holds every uncompressed row. The last row needs only its own bytes: some
// writers leave out its padding.
bool HasAllRows(const Bytes& pixels, const BmpImage& bmp) {
    const int64_t last_row = (bmp.width * bmp.bpp + 7) / 8;
    return pixels.Has(0, static_cast<uint64_t>(BmpStride(bmp) * (bmp.height - 1) + last_row));
}

void DecodeBmpRows(const Bytes& pixels, const BmpImage& bmp, Surface* image) {
    const int64_t stride = BmpStride(bmp);
    const Channel red(bmp.masks[0]), green(bmp.masks[1]), blue(bmp.masks[2]);
    const bool bit_fields = bmp.bpp == 16 || bmp.compression != kBmpRgb;
    const int width = static_cast<int>(bmp.width);
    for (int64_t r = 0; r < bmp.height; ++r) {
        const uint8_t* in = pixels.data.data() + r * stride;
        uint32_t* out = image->Row(static_cast<int>(bmp.top_down ? r : bmp.height - 1 - r));
        for (int x = 0; x < width; ++x) {
            switch (bmp.bpp) {
                case 1:
                    out[x] = PaletteColor(bmp, (in[x / 8] >> (7 - x % 8)) & 1);
                    break;
                case 4:
                    out[x] = PaletteColor(bmp, (in[x / 2] >> (x % 2 ? 0 : 4)) & 15);
                    break;
                case 8:
                    out[x] = PaletteColor(bmp, in[x]);
                    break;
                case 16: {
                    const uint32_t v = in[2 * x] | in[2 * x + 1] << 8;
                    out[x] = Rgb(red(v), green(v), blue(v));
                    break;
                }
                case 24:
                    out[x] = Rgb(in[3 * x + 2], in[3 * x + 1], in[3 * x]);
                    break;
                default: {
                    const uint8_t* p = in + 4 * x;
                    if (bit_fields) {
                        const uint32_t v =
                            p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
                        out[x] = Rgb(red(v), green(v), blue(v));
                    } else {
                        out[x] = Rgb(p[2], p[1], p[0]);
                    }
                    break;
                }
            }
        }
    }
}

// RLE8 and RLE4: runs of one index (RLE4: two alternating indices), absolute runs padded to 16
// bits, end of line, end of picture and jumps. Pixels the stream skips stay black; runs past
// the right edge are cut off.
int DecodeBmpRle(const Bytes& stream, const BmpImage& bmp, Surface* image, std::string* why) {
    const bool four_bits = bmp.compression == kBmpRle4;
    const std::span<const uint8_t> d = stream.data;
    int64_t x = 0;
    int64_t y = 0;  // rows in file order
    const auto put = [&](uint32_t index) {
        if (x < bmp.width && y < bmp.height) {
            const int64_t row = bmp.top_down ? y : bmp.height - 1 - y;
            image->At(static_cast<int>(x), static_cast<int>(row)) = PaletteColor(bmp, index);
        }
        ++x;
    };
    size_t pos = 0;
    for (;;) {
        if (pos + 2 > d.size()) {
            // A stream without its end mark is whole only when every row has ended.
            if (y >= bmp.height) return kUISuccess;
            return Fail(why, kUIEBadFileFormat, "the BMP pixel data is truncated");
        }
        const uint32_t count = d[pos];
        const uint32_t value = d[pos + 1];
        pos += 2;
        if (count > 0) {
            for (uint32_t i = 0; i < count && x < bmp.width; ++i) {
                put(four_bits ? (i % 2 == 0 ? value >> 4 : value & 15) : value);
            }
            continue;
        }
        switch (value) {
            case 0:  // end of line
                x = 0;
                ++y;
                break;
            case 1:  // end of picture
                return kUISuccess;
            case 2:  // jump right and down
                if (pos + 2 > d.size()) {
                    return Fail(why, kUIEBadFileFormat, "the BMP pixel data is truncated");
                }
                x += d[pos];
                y += d[pos + 1];
                pos += 2;
                break;
            default: {  // absolute run of `value` pixels
                const size_t bytes = four_bits ? (value + 1) / 2 : value;
                if (pos + bytes > d.size()) {
                    return Fail(why, kUIEBadFileFormat, "the BMP pixel data is truncated");
                }
                for (uint32_t i = 0; i < value; ++i) {
                    const uint8_t b = d[pos + (four_bits ? i / 2 : i)];
                    put(four_bits ? (i % 2 == 0 ? b >> 4 : b & 15) : b);
                }
                pos += bytes + (bytes & 1);
                break;
            }
        }
    }
}

int DecodeBmp(std::span<const uint8_t> data, Bitmap* out, std::string* why) {
    const Bytes file{data};
    BmpImage bmp;
    uint64_t pixel_offset = 0;
    if (const int status = ParseBmpHeaders(file, &bmp, &pixel_offset, why); status < 0) {
        return status;
    }
    const Bytes pixels{data.subspan(pixel_offset)};
    const bool run_length = bmp.compression == kBmpRle8 || bmp.compression == kBmpRle4;
    // Checked before the pixels are reserved, so a short file cannot make a large picture.
    if (!run_length && !HasAllRows(pixels, bmp)) {
        return Fail(why, kUIEBadFileFormat, "the BMP pixel data is truncated");
    }
    Surface image(static_cast<int>(bmp.width), static_cast<int>(bmp.height), 0);
    if (run_length) {
        if (const int status = DecodeBmpRle(pixels, bmp, &image, why); status < 0) return status;
    } else {
        DecodeBmpRows(pixels, bmp, &image);
    }
    *out = BitmapFromSurface(image);
    return kUISuccess;
}

// ---- PNG, JPEG, GIF --------------------------------------------------------------------------

// Whether every Huffman table of a JPEG holds at most the 256 codes a table has room for.
// stb_image trusts the counts and would write past its tables on a file that lists more. The
// walk follows the segments, skipping entropy-coded data after each start of scan, since a
// progressive file defines tables between its scans.
bool JpegTablesFit(std::span<const uint8_t> d) {
    size_t pos = 2;
    while (pos + 1 < d.size()) {
        if (d[pos] != 0xFF) {
            ++pos;  // entropy-coded data: look for the next marker
            continue;
        }
        const uint8_t marker = d[pos + 1];
        if (marker == 0xFF || marker == 0x00 || (marker >= 0xD0 && marker <= 0xD8) ||
            marker == 0x01) {
            pos += marker == 0xFF ? 1 : 2;  // fill byte, stuffed zero, restart: no length
            continue;
        }
        if (marker == 0xD9) return true;  // end of image
        if (pos + 4 > d.size()) return true;
        const size_t length = static_cast<size_t>(d[pos + 2]) << 8 | d[pos + 3];
        if (marker == 0xC4) {
            // The decoder reads tables while the segment's stated length has bytes left, each
            // with its 16 counts, even where the counts lie past the segment's end: the next
            // segment's bytes then count too. Only bytes past the end of the file read as 0.
            int64_t left = static_cast<int64_t>(length) - 2;
            for (size_t table = pos + 4; left > 0;) {
                size_t codes = 0;
                for (size_t i = 0; i < 16 && table + 1 + i < d.size(); ++i)
                    codes += d[table + 1 + i];
                if (codes > 256) return false;
                table += 17 + codes;
                left -= static_cast<int64_t>(17 + codes);
            }
        }
        pos += 2 + std::max<size_t>(length, 2);
    }
    return true;
}

// A PNG without its empty image-data chunks, which carry nothing but make stb_image copy zero
// bytes to a null buffer. Returns false (and leaves *out alone) when there is none to drop.
bool DropEmptyPngData(std::span<const uint8_t> d, std::vector<uint8_t>* out) {
    const auto empty_data_chunk = [&](size_t at) {
        return at + 12 <= d.size() && d[at] == 0 && d[at + 1] == 0 && d[at + 2] == 0 &&
               d[at + 3] == 0 && std::memcmp(d.data() + at + 4, "IDAT", 4) == 0;
    };
    const auto chunk_end = [&](size_t at) {
        const uint64_t length =
            static_cast<uint64_t>(d[at]) << 24 | d[at + 1] << 16 | d[at + 2] << 8 | d[at + 3];
        return static_cast<size_t>(std::min<uint64_t>(d.size(), at + 12 + length));
    };
    bool any = false;
    for (size_t at = 8; at + 12 <= d.size(); at = chunk_end(at))
        any = any || empty_data_chunk(at);
    if (!any) return false;
    out->assign(d.begin(), d.begin() + 8);
    size_t at = 8;
    for (; at + 12 <= d.size(); at = chunk_end(at)) {
        if (!empty_data_chunk(at))
            out->insert(out->end(), d.begin() + at, d.begin() + chunk_end(at));
    }
    out->insert(out->end(), d.begin() + at, d.end());
    return true;
}

// True when every chunk of the PNG whose header is there holds the data its length states. The
// decoder grows its data buffer to a chunk's stated length before it reads, so a chunk header of
// a few bytes could otherwise cost gigabytes.
bool PngChunksFit(std::span<const uint8_t> d) {
    size_t at = 8;
    while (at + 8 <= d.size()) {
        const uint64_t length =
            static_cast<uint64_t>(d[at]) << 24 | d[at + 1] << 16 | d[at + 2] << 8 | d[at + 3];
        // The data must be there; a last chunk may lack its 4-byte check sum, which the decoder
        // does not read.
        if (length + 8 > d.size() - at) return false;
        at += static_cast<size_t>(length) + 12;
    }
    return true;
}

int DecodeWithStb(std::span<const uint8_t> data, Bitmap* out, std::string* why) {
    if (data.size() >= 2 && data[0] == 0xFF && data[1] == 0xD8 && !JpegTablesFit(data)) {
        return Fail(why, kUIEBadFileFormat, "a Huffman table of the JPEG file is corrupt");
    }
    if (data.size() >= 8 && data[0] == 0x89 && !PngChunksFit(data)) {
        return Fail(why, kUIEBadFileFormat,
                    "a chunk of the PNG file states more data than it holds");
    }
    std::vector<uint8_t> cleaned;
    if (data.size() >= 8 && data[0] == 0x89 && DropEmptyPngData(data, &cleaned)) data = cleaned;
    int width = 0, height = 0, channels = 0;
    // The size the header states decides before decoding: the decoder allocates and clears the
    // whole picture first, so a header of a few bytes could otherwise cost gigabytes.
    if (stbi_info_from_memory(data.data(), static_cast<int>(data.size()), &width, &height,
                              &channels) != 0 &&
        static_cast<int64_t>(width) * height > kMaxPixels) {
        return Fail(why, kUIEBadFileFormat, "the picture is too large");
    }
    std::unique_ptr<stbi_uc, void (*)(void*)> rgba(
        stbi_load_from_memory(data.data(), static_cast<int>(data.size()), &width, &height,
                              &channels, 4),
        stbi_image_free);
    if (!rgba) {
        const char* reason = stbi_failure_reason();
        return Fail(why, kUIEBadFileFormat,
                    std::string("the picture cannot be decoded: ") +
                        (reason != nullptr ? reason : "unknown fault"));
    }
    if (width <= 0 || height <= 0 || static_cast<int64_t>(width) * height > kMaxPixels) {
        return Fail(why, kUIEBadFileFormat, "the picture is too large");
    }
    Bitmap bitmap = BitmapFromSurface(Surface(width, height));
    const stbi_uc* p = rgba.get();
    bool any_masked = false;
    std::vector<uint8_t> mask(bitmap.image.pixels.size());
    for (size_t i = 0; i < bitmap.image.pixels.size(); ++i, p += 4) {
        bitmap.image.pixels[i] = Rgb(p[0], p[1], p[2]);
        mask[i] = p[3] >= 128 ? 1 : 0;
        any_masked = any_masked || mask[i] == 0;
    }
    if (any_masked) bitmap.mask = std::move(mask);
    *out = std::move(bitmap);
    return kUISuccess;
}

bool StartsWith(std::span<const uint8_t> data, std::string_view magic) {
    return data.size() >= magic.size() && std::memcmp(data.data(), magic.data(), magic.size()) == 0;
}

void WriteToFile(void* context, void* data, int size) {
    auto* file = static_cast<std::FILE*>(context);
    if (size > 0) std::fwrite(data, 1, static_cast<size_t>(size), file);
}

}  // namespace

// ---- ReadImageFile, DecodeImage, WritePng, ReadImageSurface -------------------------------------

int ReadImageFile(const std::string& path, Bitmap* out, std::string* why) {
    if (out == nullptr) return Fail(why, kUIENullPointer, "no bitmap to read into");
    std::vector<uint8_t> bytes;
    if (const int status = ReadWholeFile(path, &bytes, why); status < 0) return status;
    return DecodeImage(bytes, out, why);
}

int DecodeImage(std::span<const uint8_t> data, Bitmap* out, std::string* why) {
    if (out == nullptr) return Fail(why, kUIENullPointer, "no bitmap to read into");
    if (StartsWith(data, "BM")) return DecodeBmp(data, out, why);
    if (StartsWith(data, "\x89PNG\r\n\x1a\n") || StartsWith(data, "\xFF\xD8\xFF") ||
        StartsWith(data, "GIF87a") || StartsWith(data, "GIF89a")) {
        return DecodeWithStb(data, out, why);
    }
    return Fail(why, kUIEBadFileFormat, "the file is not a BMP, PNG, JPEG or GIF picture");
}

int WritePng(const std::string& path, const Surface& surface) {
    if (surface.width <= 0 || surface.height <= 0 ||
        surface.pixels.size() != static_cast<size_t>(surface.width) * surface.height) {
        return kUIEFileWriteFailed;
    }
    std::vector<uint8_t> rgb(surface.pixels.size() * 3);
    for (size_t i = 0; i < surface.pixels.size(); ++i) {
        const uint32_t c = surface.pixels[i];
        rgb[3 * i] = static_cast<uint8_t>(c >> 16);
        rgb[3 * i + 1] = static_cast<uint8_t>(c >> 8);
        rgb[3 * i + 2] = static_cast<uint8_t>(c);
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return kUIEFileWriteFailed;
    const int encoded = stbi_write_png_to_func(WriteToFile, file, surface.width, surface.height, 3,
                                               rgb.data(), surface.width * 3);
    const bool failed = encoded == 0 || std::ferror(file) != 0;
    const bool closed = std::fclose(file) == 0;
    if (failed || !closed) {
        // A half-written snapshot is worse than none.
        std::remove(path.c_str());
        return kUIEFileWriteFailed;
    }
    return kUISuccess;
}

int ReadImageSurface(const std::string& path, Surface* out) {
    if (out == nullptr) return kUIENullPointer;
    Bitmap bitmap;
    if (const int status = ReadImageFile(path, &bitmap); status < 0) return status;
    if (bitmap.HasMask()) {
        for (size_t i = 0; i < bitmap.mask.size(); ++i) {
            if (bitmap.mask[i] == 0) bitmap.image.pixels[i] = 0;
        }
    }
    *out = std::move(bitmap.image);
    return kUISuccess;
}

}  // namespace tov::platform
