#include "image.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace tov::assets {
namespace {

// The 5 x 7 font for codes 32..122, five columns per character, bit 0 the top row.
constexpr uint8_t kFont5x7[][5] = {
    {0x00, 0x00, 0x00, 0x00, 0x00}, {0x00, 0x00, 0x5F, 0x00, 0x00},  // space !
    {0x00, 0x07, 0x00, 0x07, 0x00}, {0x14, 0x7F, 0x14, 0x7F, 0x14},  // " #
    {0x24, 0x2A, 0x7F, 0x2A, 0x12}, {0x23, 0x13, 0x08, 0x64, 0x62},  // $ %
    {0x36, 0x49, 0x55, 0x22, 0x50}, {0x00, 0x05, 0x03, 0x00, 0x00},  // & '
    {0x00, 0x1C, 0x22, 0x41, 0x00}, {0x00, 0x41, 0x22, 0x1C, 0x00},  // ( )
    {0x08, 0x2A, 0x1C, 0x2A, 0x08}, {0x08, 0x08, 0x3E, 0x08, 0x08},  // * +
    {0x00, 0x50, 0x30, 0x00, 0x00}, {0x08, 0x08, 0x08, 0x08, 0x08},  // , -
    {0x00, 0x60, 0x60, 0x00, 0x00}, {0x20, 0x10, 0x08, 0x04, 0x02},  // . /
    {0x3E, 0x51, 0x49, 0x45, 0x3E}, {0x00, 0x42, 0x7F, 0x40, 0x00},  // 0 1
    {0x42, 0x61, 0x51, 0x49, 0x46}, {0x21, 0x41, 0x45, 0x4B, 0x31},  // 2 3
    {0x18, 0x14, 0x12, 0x7F, 0x10}, {0x27, 0x45, 0x45, 0x45, 0x39},  // 4 5
    {0x3C, 0x4A, 0x49, 0x49, 0x30}, {0x01, 0x71, 0x09, 0x05, 0x03},  // 6 7
    {0x36, 0x49, 0x49, 0x49, 0x36}, {0x06, 0x49, 0x49, 0x29, 0x1E},  // 8 9
    {0x00, 0x36, 0x36, 0x00, 0x00}, {0x00, 0x56, 0x36, 0x00, 0x00},  // : ;
    {0x08, 0x14, 0x22, 0x41, 0x00}, {0x14, 0x14, 0x14, 0x14, 0x14},  // < =
    {0x00, 0x41, 0x22, 0x14, 0x08}, {0x02, 0x01, 0x51, 0x09, 0x06},  // > ?
    {0x32, 0x49, 0x79, 0x41, 0x3E}, {0x7E, 0x11, 0x11, 0x11, 0x7E},  // @ A
    {0x7F, 0x49, 0x49, 0x49, 0x36}, {0x3E, 0x41, 0x41, 0x41, 0x22},  // B C
    {0x7F, 0x41, 0x41, 0x22, 0x1C}, {0x7F, 0x49, 0x49, 0x49, 0x41},  // D E
    {0x7F, 0x09, 0x09, 0x09, 0x01}, {0x3E, 0x41, 0x49, 0x49, 0x7A},  // F G
    {0x7F, 0x08, 0x08, 0x08, 0x7F}, {0x00, 0x41, 0x7F, 0x41, 0x00},  // H I
    {0x20, 0x40, 0x41, 0x3F, 0x01}, {0x7F, 0x08, 0x14, 0x22, 0x41},  // J K
    {0x7F, 0x40, 0x40, 0x40, 0x40}, {0x7F, 0x02, 0x0C, 0x02, 0x7F},  // L M
    {0x7F, 0x04, 0x08, 0x10, 0x7F}, {0x3E, 0x41, 0x41, 0x41, 0x3E},  // N O
    {0x7F, 0x09, 0x09, 0x09, 0x06}, {0x3E, 0x41, 0x51, 0x21, 0x5E},  // P Q
    {0x7F, 0x09, 0x19, 0x29, 0x46}, {0x46, 0x49, 0x49, 0x49, 0x31},  // R S
    {0x01, 0x01, 0x7F, 0x01, 0x01}, {0x3F, 0x40, 0x40, 0x40, 0x3F},  // T U
    {0x1F, 0x20, 0x40, 0x20, 0x1F}, {0x3F, 0x40, 0x38, 0x40, 0x3F},  // V W
    {0x63, 0x14, 0x08, 0x14, 0x63}, {0x07, 0x08, 0x70, 0x08, 0x07},  // X Y
    {0x61, 0x51, 0x49, 0x45, 0x43}, {0x00, 0x7F, 0x41, 0x41, 0x00},  // Z [
    {0x02, 0x04, 0x08, 0x10, 0x20}, {0x00, 0x41, 0x41, 0x7F, 0x00},  // backslash ]
    {0x04, 0x02, 0x01, 0x02, 0x04}, {0x40, 0x40, 0x40, 0x40, 0x40},  // ^ _
    {0x00, 0x01, 0x02, 0x04, 0x00}, {0x20, 0x54, 0x54, 0x54, 0x78},  // ` a
    {0x7F, 0x48, 0x44, 0x44, 0x38}, {0x38, 0x44, 0x44, 0x44, 0x20},  // b c
    {0x38, 0x44, 0x44, 0x48, 0x7F}, {0x38, 0x54, 0x54, 0x54, 0x18},  // d e
    {0x08, 0x7E, 0x09, 0x01, 0x02}, {0x0C, 0x52, 0x52, 0x52, 0x3E},  // f g
    {0x7F, 0x08, 0x04, 0x04, 0x78}, {0x00, 0x44, 0x7D, 0x40, 0x00},  // h i
    {0x20, 0x40, 0x44, 0x3D, 0x00}, {0x7F, 0x10, 0x28, 0x44, 0x00},  // j k
    {0x00, 0x41, 0x7F, 0x40, 0x00}, {0x7C, 0x04, 0x18, 0x04, 0x78},  // l m
    {0x7C, 0x08, 0x04, 0x04, 0x78}, {0x38, 0x44, 0x44, 0x44, 0x38},  // n o
    {0x7C, 0x14, 0x14, 0x14, 0x08}, {0x08, 0x14, 0x14, 0x18, 0x7C},  // p q
    {0x7C, 0x08, 0x04, 0x04, 0x08}, {0x48, 0x54, 0x54, 0x54, 0x20},  // r s
    {0x04, 0x3F, 0x44, 0x40, 0x20}, {0x3C, 0x40, 0x40, 0x20, 0x7C},  // t u
    {0x1C, 0x20, 0x40, 0x20, 0x1C}, {0x3C, 0x40, 0x30, 0x40, 0x3C},  // v w
    {0x44, 0x28, 0x10, 0x28, 0x44}, {0x0C, 0x50, 0x50, 0x50, 0x3C},  // x y
    {0x44, 0x64, 0x54, 0x4C, 0x44},                                  // z
};
int write_failures = 0;

constexpr int kFirstCode = 32;
constexpr int kLastCode = kFirstCode + static_cast<int>(std::size(kFont5x7)) - 1;

uint8_t Channel(uint32_t c, int shift) {
    return static_cast<uint8_t>((c >> shift) & 0xFF);
}

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

Image::Image(int w, int h, uint32_t fill)
    : width(std::max(w, 0)),
      height(std::max(h, 0)),
      pixels(static_cast<size_t>(width) * height, fill) {}

void Image::Set(int x, int y, uint32_t color) {
    if (Contains(x, y)) pixels[static_cast<size_t>(y) * width + x] = color & 0xFFFFFF;
}

uint32_t Image::Get(int x, int y) const {
    return Contains(x, y) ? pixels[static_cast<size_t>(y) * width + x] : 0;
}

void FillRect(Image& image, int x, int y, int w, int h, uint32_t color) {
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + w, image.width), y1 = std::min(y + h, image.height);
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx)
            image.Set(xx, yy, color);
}

void FrameRect(Image& image, int x, int y, int w, int h, int t, uint32_t color) {
    FillRect(image, x, y, w, t, color);
    FillRect(image, x, y + h - t, w, t, color);
    FillRect(image, x, y, t, h, color);
    FillRect(image, x + w - t, y, t, h, color);
}

void FillRing(Image& image, double cx, double cy, double r_inner, double r_outer, uint32_t color) {
    const int x0 = static_cast<int>(std::floor(cx - r_outer)) - 1;
    const int x1 = static_cast<int>(std::ceil(cx + r_outer)) + 1;
    const int y0 = static_cast<int>(std::floor(cy - r_outer)) - 1;
    const int y1 = static_cast<int>(std::ceil(cy + r_outer)) + 1;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d <= r_outer && d >= r_inner) image.Set(x, y, color);
        }
    }
}

void FillCircle(Image& image, double cx, double cy, double r, uint32_t color) {
    FillRing(image, cx, cy, -1.0, r, color);
}

void DrawLine(Image& image, double x0, double y0, double x1, double y1, double width,
              uint32_t color) {
    const double half = width / 2.0;
    const int left = static_cast<int>(std::floor(std::min(x0, x1) - half)) - 1;
    const int right = static_cast<int>(std::ceil(std::max(x0, x1) + half)) + 1;
    const int top = static_cast<int>(std::floor(std::min(y0, y1) - half)) - 1;
    const int bottom = static_cast<int>(std::ceil(std::max(y0, y1) + half)) + 1;
    const double dx = x1 - x0, dy = y1 - y0;
    const double length_squared = dx * dx + dy * dy;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const double px = x + 0.5 - x0, py = y + 0.5 - y0;
            double t = length_squared > 0 ? (px * dx + py * dy) / length_squared : 0.0;
            t = std::clamp(t, 0.0, 1.0);
            const double ex = px - t * dx, ey = py - t * dy;
            if (ex * ex + ey * ey <= half * half) image.Set(x, y, color);
        }
    }
}

void FillPolygon(Image& image, const std::vector<double>& xy, uint32_t color) {
    const size_t n = xy.size() / 2;
    if (n < 3) return;
    for (int y = 0; y < image.height; ++y) {
        const double sy = y + 0.5;
        for (int x = 0; x < image.width; ++x) {
            const double sx = x + 0.5;
            bool inside = false;
            for (size_t i = 0, j = n - 1; i < n; j = i++) {
                const double xi = xy[2 * i], yi = xy[2 * i + 1];
                const double xj = xy[2 * j], yj = xy[2 * j + 1];
                if ((yi > sy) != (yj > sy) && sx < (xj - xi) * (sy - yi) / (yj - yi) + xi)
                    inside = !inside;
            }
            if (inside) image.Set(x, y, color);
        }
    }
}

uint32_t Mix(uint32_t a, uint32_t b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double v = Channel(a, shift) * (1.0 - t) + Channel(b, shift) * t;
        out |= static_cast<uint32_t>(std::lround(v)) << shift;
    }
    return out;
}

void VerticalGradient(Image& image, int x, int y, int w, int h, uint32_t top, uint32_t bottom) {
    for (int row = 0; row < h; ++row) {
        const double t = h > 1 ? static_cast<double>(row) / (h - 1) : 0.0;
        FillRect(image, x, y + row, w, 1, Mix(top, bottom, t));
    }
}

bool Glyph5x7(char c, uint8_t columns[5]) {
    const int code = static_cast<unsigned char>(c);
    if (code < kFirstCode || code > kLastCode) return false;
    for (int i = 0; i < 5; ++i)
        columns[i] = kFont5x7[code - kFirstCode][i];
    return true;
}

void DrawText(Image& image, int x, int y, std::string_view text, int scale, uint32_t color) {
    for (size_t i = 0; i < text.size(); ++i) {
        uint8_t columns[5];
        if (!Glyph5x7(text[i], columns)) continue;
        const int left = x + static_cast<int>(i) * 6 * scale;
        for (int col = 0; col < 5; ++col)
            for (int row = 0; row < 7; ++row)
                if (columns[col] & (1 << row))
                    FillRect(image, left + col * scale, y + row * scale, scale, scale, color);
    }
}

int TextWidth(std::string_view text, int scale) {
    return text.empty() ? 0 : (static_cast<int>(text.size()) * 6 - 1) * scale;
}

bool WriteBmp(const std::string& path, const Image& image) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    std::error_code ignored;
    if (!parent.empty()) std::filesystem::create_directories(parent, ignored);

    const uint32_t row_bytes = (3u * image.width + 3u) & ~3u;
    const uint32_t data_bytes = row_bytes * image.height;
    std::vector<uint8_t> out;
    out.reserve(54 + data_bytes);
    out.push_back('B');
    out.push_back('M');
    PutLittleEndian(out, 54 + data_bytes, 4);  // file size
    PutLittleEndian(out, 0, 4);                // reserved
    PutLittleEndian(out, 54, 4);               // offset of the pixels
    PutLittleEndian(out, 40, 4);               // BITMAPINFOHEADER
    PutLittleEndian(out, image.width, 4);
    PutLittleEndian(out, image.height, 4);  // positive: bottom-up
    PutLittleEndian(out, 1, 2);             // planes
    PutLittleEndian(out, 24, 2);            // bits per pixel
    PutLittleEndian(out, 0, 4);             // no compression
    PutLittleEndian(out, data_bytes, 4);
    PutLittleEndian(out, 2835, 4);  // 72 dpi
    PutLittleEndian(out, 2835, 4);
    PutLittleEndian(out, 0, 4);  // colours used
    PutLittleEndian(out, 0, 4);  // important colours
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const uint32_t c = image.Get(x, y);
            out.push_back(Channel(c, 0));
            out.push_back(Channel(c, 8));
            out.push_back(Channel(c, 16));
        }
        for (uint32_t pad = 3u * image.width; pad < row_bytes; ++pad)
            out.push_back(0);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file)
        file.write(reinterpret_cast<const char*>(out.data()),
                   static_cast<std::streamsize>(out.size()));
    if (!file) ++write_failures;
    return static_cast<bool>(file);
}

int WriteFailures() {
    return write_failures;
}

}  // namespace tov::assets
