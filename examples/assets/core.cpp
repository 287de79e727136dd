// The core demo assets: DMD font strips, frame strips, pictures of assorted sizes and the magic
// star images under gfx_extern/.
//
// Sections: DMD fonts; frame strips; pictures; gfx_extern; MakeAssets_core.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "assets.h"
#include "image.h"

namespace tov::assets {
namespace {

constexpr double kPi = 3.141592653589793;

void Write(const std::string& out_dir, const std::string& name, const Image& image) {
    const std::string path = out_dir + "/" + name;
    if (!WriteBmp(path, image))
        std::fprintf(stderr, "make_assets: cannot write %s\n", path.c_str());
}

// --- DMD fonts ---------------------------------------------------------------------------
//
// A font strip holds one row of equal cells; cell k shows the character with code 48 + k, from
// "0" (cell 0) to "z" (cell 74). Each cell is 6 x 8 dots: the 5 x 7 glyph in the top-left,
// one dot column and one dot row of spacing. Every dot is drawn, lit or unlit, so the text shows
// the dot grid of a real display. Cell 16 (the at sign) is left unlit: it draws the space.
// Cell 10 (the colon) keeps its top-left quarter for the thousands separator, a comma, so the
// colon's dots sit in the right half of the cell.
struct DmdStyle {
    int pitch;  // pixels from one dot to the next
    int dot;    // size of a dot in pixels
    uint32_t lit;
    uint32_t unlit;
};

constexpr int kDmdCells = 75;
constexpr int kDotsPerCellX = 6;
constexpr int kDotsPerCellY = 8;

void DrawDot(Image& image, int left, int top, const DmdStyle& style, int col, int row, bool on) {
    FillRect(image, left + col * style.pitch, top + row * style.pitch, style.dot, style.dot,
             on ? style.lit : style.unlit);
}

Image MakeDmdFont(const DmdStyle& style) {
    const int fw = kDotsPerCellX * style.pitch, fh = kDotsPerCellY * style.pitch;
    Image image(kDmdCells * fw, fh, 0x000000);
    for (int k = 0; k < kDmdCells; ++k) {
        const int left = k * fw;
        bool lit[kDotsPerCellX][kDotsPerCellY] = {};
        uint8_t columns[5];
        const char c = static_cast<char>(48 + k);
        if (c == ':') {
            // The colon in dot columns 3 and 4, clear of the separator's quarter.
            for (int row : {1, 2, 4, 5})
                lit[3][row] = lit[4][row] = true;
            // The separator: a comma in the quarter's dot columns 0..2 and rows 0..3.
            lit[1][0] = lit[2][0] = lit[1][1] = lit[2][1] = lit[2][2] = lit[1][3] = true;
        } else if (c != '@' && Glyph5x7(c, columns)) {
            for (int col = 0; col < 5; ++col)
                for (int row = 0; row < 7; ++row)
                    lit[col][row] = (columns[col] >> row) & 1;
        }
        for (int col = 0; col < kDotsPerCellX; ++col)
            for (int row = 0; row < kDotsPerCellY; ++row)
                DrawDot(image, left, 0, style, col, row, lit[col][row]);
    }
    return image;
}

// --- Frame strips ------------------------------------------------------------------------

// Eight frames of 64 x 64 in a grid of four columns and two rows: a ring whose bright spoke
// turns by 45 degrees from frame to frame, with the frame's number in the corner.
Image MakeSpinnerStrip() {
    constexpr int kSize = 64;
    Image image(4 * kSize, 2 * kSize, 0x000000);
    for (int n = 0; n < 8; ++n) {
        const int left = (n % 4) * kSize, top = (n / 4) * kSize;
        const double cx = left + kSize / 2.0, cy = top + kSize / 2.0;
        FillRing(image, cx, cy, 22, 28, 0x2050A0);
        for (int spoke = 0; spoke < 8; ++spoke) {
            const double a = (spoke * 45.0 - 90.0) * kPi / 180.0;
            const uint32_t color = spoke == n ? 0xFFFFFF : 0x304060;
            DrawLine(image, cx, cy, cx + 20 * std::cos(a), cy + 20 * std::sin(a),
                     spoke == n ? 5 : 3, color);
        }
        FillCircle(image, cx, cy, 4, 0xFFD040);
        DrawText(image, left + 2, top + 2, std::to_string(n), 1, 0x80FF80);
    }
    return image;
}

// Sixteen frames of 48 x 48 in one row: a ball that falls, squashes on the floor and rises.
Image MakeBallStrip() {
    constexpr int kSize = 48, kFrames = 16;
    Image image(kFrames * kSize, kSize, 0x000000);
    for (int n = 0; n < kFrames; ++n) {
        const int left = n * kSize;
        const double phase = std::abs(std::sin(n * kPi / kFrames));  // 0 on the floor
        const double squash = n == 0 ? 0.7 : 1.0;
        const double cy = 40 - 30 * phase;
        FillRect(image, left, 44, kSize, 4, 0x404040);
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                const double dx = (x + 0.5 - kSize / 2.0) / 8.0 / (2.0 - squash);
                const double dy = (y + 0.5 - cy) / 8.0 / squash;
                if (dx * dx + dy * dy <= 1.0)
                    image.Set(left + x, y, Mix(0xFF4020, 0xFFE0A0, std::max(0.0, -dx - dy) / 1.4));
            }
        }
    }
    return image;
}

// --- Pictures ----------------------------------------------------------------------------

// An evening landscape the size of the demo's main panel.
Image MakeBackdrop(int w, int h) {
    Image image(w, h);
    VerticalGradient(image, 0, 0, w, h * 5 / 6, 0x101848, 0xF08030);
    FillCircle(image, w * 0.72, h * 0.55, h * 0.16, 0xFFE080);
    std::vector<double> hills = {0, static_cast<double>(h)};
    for (int i = 0; i <= 16; ++i) {
        const double x = w * i / 16.0;
        hills.push_back(x);
        hills.push_back(h * (0.62 + 0.08 * std::sin(i * 1.3) + 0.05 * std::cos(i * 2.9)));
    }
    hills.push_back(w);
    hills.push_back(h);
    FillPolygon(image, hills, 0x183020);
    FillRect(image, 0, h * 5 / 6, w, h - h * 5 / 6, 0x0C1810);
    return image;
}

// A skyline of lit windows against the night.
Image MakeCity(int w, int h) {
    Image image(w, h);
    VerticalGradient(image, 0, 0, w, h, 0x000010, 0x202060);
    int x = 0, n = 0;
    while (x < w) {
        const int bw = 18 + (n * 37) % 23, bh = h / 3 + (n * 53) % (h / 2);
        FillRect(image, x, h - bh, bw, bh, 0x101018);
        for (int wy = h - bh + 4; wy < h - 4; wy += 7)
            for (int wx = x + 3; wx < x + bw - 4; wx += 6)
                if (((wx * 7 + wy * 13 + n) % 5) != 0) FillRect(image, wx, wy, 3, 4, 0xF0D060);
        x += bw + 2;
        ++n;
    }
    return image;
}

// The project's name in big letters on a gradient, framed.
Image MakeLogo(int w, int h) {
    Image image(w, h);
    VerticalGradient(image, 0, 0, w, h, 0x600080, 0x0040A0);
    FrameRect(image, 0, 0, w, h, 3, 0xFFFFFF);
    const std::string text = "TOV";
    const int scale = std::max(1, std::min((w - 16) / (6 * 3), (h - 16) / 7));
    const int tx = (w - TextWidth(text, scale)) / 2, ty = (h - 7 * scale) / 2;
    DrawText(image, tx + 3, ty + 3, text, scale, 0x000000);
    DrawText(image, tx, ty, text, scale, 0xFFE040);
    return image;
}

// Four coloured quadrants of 8 x 8 checks: every quadrant and every orientation shows.
Image MakeChecker(int w, int h) {
    Image image(w, h);
    const uint32_t quadrant[4][2] = {
        {0xFF0000, 0x400000}, {0x00FF00, 0x004000}, {0x0000FF, 0x000040}, {0xFFFFFF, 0x404040}};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int q = (x >= w / 2 ? 1 : 0) + (y >= h / 2 ? 2 : 0);
            image.Set(x, y, quadrant[q][((x / 8) + (y / 8)) % 2]);
        }
    }
    return image;
}

// A shaded ball on black.
Image MakeBall(int size, uint32_t dark, uint32_t light) {
    Image image(size, size);
    const double r = size / 2.0 - 1;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double dx = (x + 0.5 - size / 2.0) / r, dy = (y + 0.5 - size / 2.0) / r;
            if (dx * dx + dy * dy > 1.0) continue;
            const double lx = dx + 0.35, ly = dy + 0.35;
            image.Set(x, y, Mix(light, dark, std::sqrt(lx * lx + ly * ly) / 1.6));
        }
    }
    return image;
}

// A picture with a width that needs row padding in its file, with a label.
Image MakeLabelled(int w, int h, uint32_t back, const std::string& label) {
    Image image(w, h, back);
    FrameRect(image, 0, 0, w, h, 1, 0xFFFFFF);
    DrawText(image, 4, (h - 7) / 2, label, 1, 0xFFFFFF);
    return image;
}

// --- gfx_extern --------------------------------------------------------------------------

// A four-pointed star with a bright core on black.
Image MakeMagicStar(uint32_t color) {
    constexpr int kSize = 32;
    Image image(kSize, kSize);
    std::vector<double> star;
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4 - kPi / 2;
        const double r = i % 2 == 0 ? 15.5 : 4.0;
        star.push_back(16 + r * std::cos(a));
        star.push_back(16 + r * std::sin(a));
    }
    FillPolygon(image, star, color);
    FillCircle(image, 16, 16, 3.5, Mix(color, 0xFFFFFF, 0.7));
    return image;
}

}  // namespace
}  // namespace tov::assets

void MakeAssets_core(const std::string& out_dir) {
    using namespace tov::assets;
    // DMD fonts: dmd_font.bmp has cells of 18 x 24 pixels, dmd_font_small.bmp of 12 x 16.
    Write(out_dir, "dmd_font.bmp", MakeDmdFont({3, 2, 0xFF8C1A, 0x301800}));
    Write(out_dir, "dmd_font_small.bmp", MakeDmdFont({2, 2, 0x40FF60, 0x002008}));

    // Frame strips: 64 x 64 frames four to a row, 48 x 48 frames sixteen to a row.
    Write(out_dir, "frames_spinner.bmp", MakeSpinnerStrip());
    Write(out_dir, "frames_ball.bmp", MakeBallStrip());

    // Pictures of assorted sizes.
    Write(out_dir, "pic_backdrop_640x240.bmp", MakeBackdrop(640, 240));
    Write(out_dir, "pic_city_640x240.bmp", MakeCity(640, 240));
    Write(out_dir, "pic_city_320x120.bmp", MakeCity(320, 120));
    Write(out_dir, "pic_logo_256x96.bmp", MakeLogo(256, 96));
    Write(out_dir, "pic_checker_128x128.bmp", MakeChecker(128, 128));
    Write(out_dir, "pic_ball_64x64.bmp", MakeBall(64, 0x002080, 0x80C0FF));
    Write(out_dir, "pic_ball_16x16.bmp", MakeBall(16, 0x800000, 0xFFA080));
    Write(out_dir, "pic_odd_333x77.bmp", MakeLabelled(333, 77, 0x205020, "333 x 77"));
    Write(out_dir, "pic_tiny_3x2.bmp", MakeLabelled(3, 2, 0xFF00FF, ""));

    // The fixed images the engine reads from gfx_extern/.
    Write(out_dir, "gfx_extern/MagicStarYellow.bmp", MakeMagicStar(0xFFE020));
    Write(out_dir, "gfx_extern/MagicStarGreen.bmp", MakeMagicStar(0x40FF40));
    Write(out_dir, "gfx_extern/MagicStarLilac.bmp", MakeMagicStar(0xC080FF));
    Write(out_dir, "gfx_extern/MagicStarRed.bmp", MakeMagicStar(0xFF3030));
}
