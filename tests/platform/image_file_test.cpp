#include "platform/image_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace tov::platform {
namespace {

using Bytes = std::vector<uint8_t>;
using Pixels = std::vector<uint32_t>;

void Put16(Bytes* b, uint32_t v) {
    b->push_back(static_cast<uint8_t>(v));
    b->push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(Bytes* b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// A BMP with a 40-byte information header; height < 0 is top-down. Palette entries are
// 0xRRGGBB; masks follow the header when given.
Bytes Bmp(int width, int height, int bpp, uint32_t compression, const Pixels& palette,
          const Bytes& pixels, const Pixels& masks = {}) {
    const uint32_t offset = 14 + 40 + 4 * static_cast<uint32_t>(masks.size() + palette.size());
    Bytes b = {'B', 'M'};
    Put32(&b, offset + static_cast<uint32_t>(pixels.size()));
    Put32(&b, 0);
    Put32(&b, offset);
    Put32(&b, 40);
    Put32(&b, static_cast<uint32_t>(width));
    Put32(&b, static_cast<uint32_t>(height));
    Put16(&b, 1);
    Put16(&b, static_cast<uint32_t>(bpp));
    Put32(&b, compression);
    Put32(&b, static_cast<uint32_t>(pixels.size()));
    Put32(&b, 2835);
    Put32(&b, 2835);
    Put32(&b, static_cast<uint32_t>(palette.size()));
    Put32(&b, 0);
    for (uint32_t m : masks)
        Put32(&b, m);
    for (uint32_t c : palette)
        Put32(&b, c);  // blue, green, red, 0 in little-endian order
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

// The 3 x 2 test picture: red, green, blue over white, black, grey.
const Pixels kPicture = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x808080};
// Palette indices 0..5: black, red, green, blue, white, grey.
const Pixels kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x808080};

class ImageFile : public ::testing::Test {
  protected:
    std::string Write(const Bytes& bytes, const std::string& name = "picture.bmp") {
        const std::string path = dir_.File(name);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    Pixels Read(const Bytes& bytes, int width, int height) {
        Bitmap b;
        std::string why;
        EXPECT_EQ(ReadImageFile(Write(bytes), &b, &why), kUISuccess) << why;
        EXPECT_EQ(b.image.width, width);
        EXPECT_EQ(b.image.height, height);
        EXPECT_FALSE(b.HasMask());
        return b.image.pixels;
    }
    // Every shorter prefix of the file is refused, or gives the whole picture (a last row
    // without its padding); none crashes or reads beyond the data.
    void ExpectPrefixesRefused(const Bytes& bytes) {
        Bitmap whole;
        ASSERT_EQ(ReadImageFile(Write(bytes), &whole), kUISuccess);
        for (size_t n = 0; n < bytes.size(); ++n) {
            Bitmap b;
            std::string why;
            const int status =
                ReadImageFile(Write(Bytes(bytes.begin(), bytes.begin() + n)), &b, &why);
            if (status == kUISuccess) {
                EXPECT_EQ(b.image.pixels, whole.image.pixels) << "prefix of " << n << " bytes";
            } else {
                EXPECT_EQ(status, kUIEBadFileFormat) << "prefix of " << n << " bytes";
                EXPECT_FALSE(why.empty());
            }
        }
    }

    testing::TempDir dir_;
};

TEST_F(ImageFile, BmpAtEveryDepthAndOrientation) {
    // 24 bits bottom-up and top-down, rows padded to 4 bytes.
    const Bytes bottom24 = {0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80, 0x80, 0x80, 0, 0, 0};
    const Bytes top24 = {0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0};
    Bytes up = bottom24, down = top24;
    up.insert(up.end(), top24.begin(), top24.end());
    down.insert(down.end(), bottom24.begin(), bottom24.end());
    EXPECT_EQ(Read(Bmp(3, 2, 24, 0, {}, up), 3, 2), kPicture);
    EXPECT_EQ(Read(Bmp(3, -2, 24, 0, {}, down), 3, 2), kPicture);

    EXPECT_EQ(
        Read(Bmp(3, 2, 32, 0, {}, {0xFF, 0xFF, 0xFF, 9, 0, 0,    0, 9, 0x80, 0x80, 0x80, 9,  //
                                   0,    0,    0xFF, 9, 0, 0xFF, 0, 9, 0xFF, 0,    0,    9}),
             3, 2),
        kPicture);
    EXPECT_EQ(Read(Bmp(3, 2, 8, 0, kPalette, {4, 0, 5, 0, 1, 2, 3, 0}), 3, 2), kPicture);
    EXPECT_EQ(Read(Bmp(3, 2, 4, 0, kPalette, {0x40, 0x50, 0, 0, 0x12, 0x30, 0, 0}), 3, 2),
              kPicture);
    // 1 bit: ten pixels a row, the first in the top bit.
    const Pixels bw = {0x000000, 0xFFFFFF};
    const Pixels one = Read(Bmp(10, 1, 1, 0, bw, {0xAA, 0xC0, 0, 0}), 10, 1);
    EXPECT_EQ(one,
              (Pixels{0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF}));
}

TEST_F(ImageFile, BmpSixteenBitsAs555AndAs565BitFields) {
    // 5-bit 16 scales to 132 (0x84), 6-bit 32 to 130 (0x82).
    const Bytes rgb555 = {0xFF, 0x7F, 0,    0,    0x10, 0x42, 0, 0,
                          0x00, 0x7C, 0xE0, 0x03, 0x1F, 0,    0, 0};
    EXPECT_EQ(Read(Bmp(3, 2, 16, 0, {}, rgb555), 3, 2),
              (Pixels{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x848484}));
    const Bytes rgb565 = {0xFF, 0xFF, 0,    0,    0x10, 0x84, 0, 0,
                          0x00, 0xF8, 0xE0, 0x07, 0x1F, 0,    0, 0};
    EXPECT_EQ(Read(Bmp(3, 2, 16, 3, {}, rgb565, {0xF800, 0x07E0, 0x001F}), 3, 2),
              (Pixels{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x848284}));
}

TEST_F(ImageFile, BmpRunLengthEightAndFourBits) {
    // RLE8, 4 x 2: a run of two reds, a jump of one column (left black), one blue; then an
    // absolute run of four, and the end mark.
    const Bytes rle8 = {2, 1, 0, 2, 1, 0, 1, 3, 0, 0, 0, 4, 4, 5, 2, 3, 0, 1};
    EXPECT_EQ(Read(Bmp(4, 2, 8, 1, kPalette, rle8), 4, 2),
              (Pixels{0xFFFFFF, 0x808080, 0x00FF00, 0x0000FF, 0xFF0000, 0xFF0000, 0, 0x0000FF}));
    // RLE4, 3 x 2: a run alternating white and black; an absolute run of three, padded.
    const Bytes rle4 = {3, 0x40, 0, 0, 0, 3, 0x12, 0x30, 0, 1};
    EXPECT_EQ(Read(Bmp(3, 2, 4, 2, kPalette, rle4), 3, 2),
              (Pixels{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0xFFFFFF}));
    ExpectPrefixesRefused(Bmp(4, 2, 8, 1, kPalette, rle8));
    ExpectPrefixesRefused(Bmp(3, 2, 4, 2, kPalette, rle4));
}

TEST_F(ImageFile, TruncatedAndCorruptBmpsAreRefused) {
    ExpectPrefixesRefused(Bmp(3, 2, 8, 0, kPalette, {4, 0, 5, 0, 1, 2, 3, 0}));
    ExpectPrefixesRefused(Bmp(3, 2, 24, 0, {}, Bytes(24, 0x55)));
    Bitmap b;
    std::string why;
    // A header that promises a huge picture in a few bytes.
    EXPECT_EQ(ReadImageFile(Write(Bmp(30000, 30000, 24, 0, {}, Bytes(12))), &b, &why),
              kUIEBadFileFormat);
    EXPECT_EQ(ReadImageFile(Write(Bmp(8000, 4000, 24, 0, {}, Bytes(12))), &b, &why),
              kUIEBadFileFormat);
    EXPECT_EQ(ReadImageFile(Write(Bmp(3, 2, 8, 9, kPalette, Bytes(8))), &b, &why),
              kUIEBadFileFormat);
    EXPECT_EQ(ReadImageFile(Write(Bmp(3, 2, 7, 0, {}, Bytes(8))), &b, &why), kUIEBadFileFormat);
    EXPECT_EQ(ReadImageFile(Write(Bmp(3, 2, 8, 0, {}, Bytes(8))), &b, &why), kUIEBadFileFormat);

    // Random damage to a valid file never crashes (the sanitizer build watches the reads).
    const Bytes good =
        Bmp(4, 2, 8, 1, kPalette, {2, 1, 0, 2, 1, 0, 1, 3, 0, 0, 0, 4, 4, 5, 2, 3, 0, 1});
    std::mt19937 random(3);
    for (int round = 0; round < 400; ++round) {
        Bytes bad = good;
        for (int i = 0; i < 3; ++i)
            bad[random() % bad.size()] = static_cast<uint8_t>(random());
        Bitmap damaged;
        const int status = ReadImageFile(Write(bad), &damaged);
        EXPECT_TRUE(status == kUISuccess || status == kUIEBadFileFormat);
    }
}

// Headers that state a picture of hundreds of millions of pixels, or a chunk of gigabytes, in a
// few bytes are refused before anything is allocated for them.
TEST_F(ImageFile, HugeGifAndPngHeadersAndChunksAreRefusedAtOnce) {
    // A GIF screen of 20617 x 18254 pixels, then a stray PNG signature.
    const Bytes gif = {'G',  'I',  'F',  '8',  '9',  'a',  0x89, 'P',  'N',  'G',  0x0d, 0x0a,
                       0x1a, 0x0a, 0x00, 0x00, 0x02, 0xff, 0x16, 0x02, 0x84, 0x51, 0x00, 0x3b};
    // A PNG header of 10000 x 10000 pixels and nothing after it.
    const Bytes png = {0x89, 'P',  'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a, 0,    0, 0,
                       13,   'I',  'H', 'D', 'R',  0,    0,    0x27, 0x10, 0, 0,
                       0x27, 0x10, 8,   2,   0,    0,    0,    0,    0,    0, 0};
    for (const Bytes& bytes : {gif, png}) {
        Bitmap b;
        std::string why;
        EXPECT_EQ(DecodeImage(bytes, &b, &why), kUIEBadFileFormat);
        EXPECT_EQ(why, "the picture is too large");
    }
    // A 36 x 36 PNG whose data chunk states almost 2 GB in a file of 48 bytes.
    Bytes chunk = {0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a, 0,    0,    0, 13,
                   'I',  'H', 'D', 'R', 0,    0,    0,    36,   0,    0,    0, 36,
                   8,    2,   0,   0,   0,    0,    0,    0,    0,    0x7a, 0, 0,
                   0x7a, 'I', 'D', 'A', 'T',  0x78, 0x5e, 0x63, 0x33, 0x70};
    Bitmap b;
    std::string why;
    EXPECT_EQ(DecodeImage(chunk, &b, &why), kUIEBadFileFormat);
    EXPECT_EQ(why, "a chunk of the PNG file states more data than it holds");
}

TEST_F(ImageFile, MissingUnknownAndFolderNamesGiveTheirStatus) {
    Bitmap b;
    std::string why;
    EXPECT_EQ(ReadImageFile(dir_.File("nothing.bmp"), &b, &why), kUIEFileNotFound);
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(ReadImageFile(Write({'h', 'e', 'l', 'l', 'o'}), &b, &why), kUIEBadFileFormat);
    EXPECT_EQ(ReadImageFile(Write({}), &b, &why), kUIEBadFileFormat);
    EXPECT_EQ(ReadImageFile(dir_.Path().string(), &b, &why), kUIEFileReadFailed);
}

// ---- PNG ----

uint32_t Crc32(const uint8_t* data, size_t n) {
    uint32_t crc = 0xFFFFFFFF;
    for (size_t i = 0; i < n; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void PutBig32(Bytes* b, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        b->push_back(static_cast<uint8_t>(v >> shift));
}

void Chunk(Bytes* png, const char* type, const Bytes& data) {
    PutBig32(png, static_cast<uint32_t>(data.size()));
    Bytes body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    png->insert(png->end(), body.begin(), body.end());
    PutBig32(png, Crc32(body.data(), body.size()));
}

// An 8-bit RGBA PNG whose image data is one stored (uncompressed) deflate block, optionally
// after an empty image-data chunk.
enum class EmptyData { No, First };
Bytes RgbaPng(int width, int height, const Bytes& rgba, EmptyData empty = EmptyData::No) {
    Bytes raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);  // filter: none
        raw.insert(raw.end(), rgba.begin() + 4 * width * y, rgba.begin() + 4 * width * (y + 1));
    }
    Bytes z = {0x78, 0x01, 0x01};
    Put16(&z, static_cast<uint32_t>(raw.size()));
    Put16(&z, static_cast<uint32_t>(~raw.size() & 0xFFFF));
    z.insert(z.end(), raw.begin(), raw.end());
    uint32_t a = 1, b = 0;
    for (uint8_t v : raw) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    PutBig32(&z, b << 16 | a);

    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    PutBig32(&header, static_cast<uint32_t>(width));
    PutBig32(&header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 6, 0, 0, 0});
    Chunk(&png, "IHDR", header);
    if (empty == EmptyData::First) Chunk(&png, "IDAT", {});
    Chunk(&png, "IDAT", z);
    Chunk(&png, "IEND", {});
    return png;
}

TEST_F(ImageFile, PngAlphaBelowHalfIsMasked) {
    const Bytes png = RgbaPng(2, 2,
                              {0xFF, 0, 0, 0xFF, 0, 0xFF, 0, 127,  //
                               0, 0, 0xFF, 128, 0xFF, 0xFF, 0xFF, 0});
    Bitmap b;
    std::string why;
    const std::string path = Write(png, "alpha.png");
    ASSERT_EQ(ReadImageFile(path, &b, &why), kUISuccess) << why;
    EXPECT_EQ(b.image.pixels, (Pixels{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}));
    EXPECT_EQ(b.mask, (Bytes{1, 0, 1, 0}));
    EXPECT_EQ(b.pixel_depth, 24);
    EXPECT_EQ(b.bytes_per_row, 8);
    Surface s;
    ASSERT_EQ(ReadImageSurface(path, &s), kUISuccess);
    EXPECT_EQ(s.pixels, (Pixels{0xFF0000, 0, 0x0000FF, 0}));

    // Opaque everywhere: no mask at all.
    ASSERT_EQ(ReadImageFile(Write(RgbaPng(1, 1, {1, 2, 3, 255}), "opaque.png"), &b), kUISuccess);
    EXPECT_FALSE(b.HasMask());
    EXPECT_EQ(b.image.pixels, (Pixels{0x010203}));

    // An empty data chunk carries nothing.
    ASSERT_EQ(ReadImageFile(Write(RgbaPng(1, 1, {1, 2, 3, 255}, EmptyData::First), "e.png"), &b),
              kUISuccess);
    EXPECT_EQ(b.image.pixels, (Pixels{0x010203}));

    for (size_t n = 0; n < png.size(); ++n) {
        Bitmap part;
        const int status = ReadImageFile(Write(Bytes(png.begin(), png.begin() + n)), &part);
        EXPECT_TRUE(status == kUISuccess || status == kUIEBadFileFormat);
    }
}

TEST_F(ImageFile, JpegHuffmanTableWithMoreThan256CodesIsRefused) {
    // Sixteen counts of 255: far more codes than a table holds.
    Bytes jpeg = {0xFF, 0xD8, 0xFF, 0xC4, 0x00, 19, 0x00};
    jpeg.insert(jpeg.end(), 16, 0xFF);
    jpeg.insert(jpeg.end(), 64, 0x01);
    Bitmap b;
    std::string why;
    EXPECT_EQ(ReadImageFile(Write(jpeg, "table.jpg"), &b, &why), kUIEBadFileFormat);
    EXPECT_FALSE(why.empty());

    // A segment whose stated length ends two bytes into a second table: the decoder reads the
    // rest of that table's counts from the bytes after the segment, here 255s.
    Bytes overrun = {0xFF, 0xD8, 0xFF, 0xC4, 0x00, 2 + 17 + 2, 0x00};
    overrun.insert(overrun.end(), 16, 0x00);  // a first table without codes
    overrun.insert(overrun.end(), {0x01, 0xFF});
    overrun.insert(overrun.end(), 32, 0xFF);
    why.clear();
    EXPECT_EQ(ReadImageFile(Write(overrun, "overrun.jpg"), &b, &why), kUIEBadFileFormat);
    EXPECT_FALSE(why.empty());
}

TEST_F(ImageFile, WrittenPngReadsBackExactly) {
    Surface s(5, 3);
    for (size_t i = 0; i < s.pixels.size(); ++i)
        s.pixels[i] = 0x0103F7u * (i + 1) & 0xFFFFFF;
    const std::string path = dir_.File("snapshot.png");
    ASSERT_EQ(WritePng(path, s), kUISuccess);
    std::ifstream file(path, std::ios::binary);
    char signature[8] = {};
    file.read(signature, 8);
    EXPECT_EQ(std::string(signature, 8), "\x89PNG\r\n\x1a\n");
    Surface back;
    ASSERT_EQ(ReadImageSurface(path, &back), kUISuccess);
    EXPECT_EQ(back.width, 5);
    EXPECT_EQ(back.pixels, s.pixels);

    EXPECT_EQ(WritePng(dir_.File("no/such/folder.png"), s), kUIEFileWriteFailed);
    EXPECT_EQ(WritePng(dir_.File("empty.png"), Surface()), kUIEFileWriteFailed);
    EXPECT_FALSE(std::filesystem::exists(dir_.File("empty.png")));
}

}  // namespace
}  // namespace tov::platform
