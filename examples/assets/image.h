// A small picture type for the asset generator, the drawing it needs, and a BMP writer.
//
// y grows downward and (0, 0) is the top-left corner. Colours are 0xRRGGBB. Every drawing
// call clips to the picture, so shapes may reach past its edges.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tov::assets {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // width * height, row after row

    Image(int w, int h, uint32_t fill = 0);
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // Sets one pixel; a pixel outside the picture is ignored.
    void Set(int x, int y, uint32_t color);
    // The pixel's colour; 0 outside the picture.
    uint32_t Get(int x, int y) const;
};

// Rectangle with its top-left corner at (x, y), w x h pixels.
void FillRect(Image& image, int x, int y, int w, int h, uint32_t color);
// Outline of thickness t inside the rectangle.
void FrameRect(Image& image, int x, int y, int w, int h, int t, uint32_t color);
// Disc of radius r (pixel centres within r of (cx, cy)).
void FillCircle(Image& image, double cx, double cy, double r, uint32_t color);
// Ring between radii r_inner and r_outer.
void FillRing(Image& image, double cx, double cy, double r_inner, double r_outer, uint32_t color);
// Line of the given width from (x0, y0) to (x1, y1): pixel centres within width / 2 of it.
void DrawLine(Image& image, double x0, double y0, double x1, double y1, double width,
              uint32_t color);
// Polygon filled by the even-odd rule, sampled at pixel centres.
void FillPolygon(Image& image, const std::vector<double>& xy, uint32_t color);
// Vertical gradient from `top` to `bottom` over the rectangle.
void VerticalGradient(Image& image, int x, int y, int w, int h, uint32_t top, uint32_t bottom);

// A blend of a and b: t = 0 gives a, t = 1 gives b.
uint32_t Mix(uint32_t a, uint32_t b, double t);

// Text in the built-in 5 x 7 font, each font pixel drawn as a scale x scale block, characters
// 6 * scale apart. Characters without a glyph are skipped (they still advance).
void DrawText(Image& image, int x, int y, std::string_view text, int scale, uint32_t color);
int TextWidth(std::string_view text, int scale);

// The 5 x 7 glyph of a character: 5 columns, bit 0 of a column is the top row. Returns false
// for a character the font does not have (codes outside 32..122).
bool Glyph5x7(char c, uint8_t columns[5]);

// Writes the picture as an uncompressed 24-bit BMP (bottom-up rows padded to 4 bytes), making
// the folders on the way. Returns false, and counts the failure, when the file cannot be
// written.
bool WriteBmp(const std::string& path, const Image& image);
// How many WriteBmp calls of this process failed.
int WriteFailures();

}  // namespace tov::assets
