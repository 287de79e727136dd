// The auxiliary panels' assets: the four gem images the gem panel reads from gfx_extern/, the
// watch dial and the LED board's background with its twelve lamp sockets.
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "assets.h"
#include "image.h"

namespace tov::assets {
namespace {

constexpr double kPi = 3.141592653589793;

// A cut gem of eight facets around a table; the phases light it more and more.
Image MakeGem(int phase) {
    constexpr int kSize = 96;
    Image image(kSize, kSize, 0x000000);
    const double c = kSize / 2.0;
    const uint32_t base = 0x902060;
    const double light = 0.15 + 0.25 * phase;
    for (int f = 0; f < 8; ++f) {
        const double a0 = f * kPi / 4, a1 = (f + 1) * kPi / 4;
        const std::vector<double> facet = {c + 44 * std::cos(a0), c + 44 * std::sin(a0),
                                           c + 44 * std::cos(a1), c + 44 * std::sin(a1),
                                           c + 22 * std::cos(a1), c + 22 * std::sin(a1),
                                           c + 22 * std::cos(a0), c + 22 * std::sin(a0)};
        const double shade = 0.5 + 0.5 * std::cos(a0 + kPi / 8 - phase * kPi / 2);
        FillPolygon(image, facet, Mix(Mix(base, 0x000000, 0.5), 0xFF80C0, shade * light));
    }
    std::vector<double> table;
    for (int f = 0; f < 8; ++f) {
        table.push_back(c + 22 * std::cos(f * kPi / 4));
        table.push_back(c + 22 * std::sin(f * kPi / 4));
    }
    FillPolygon(image, table, Mix(base, 0xFFC0E0, light));
    if (phase > 0) {
        const double gx = c - 12 + 8 * phase, gy = c - 12;
        DrawLine(image, gx - 4 * phase, gy, gx + 4 * phase, gy, 2, 0xFFFFFF);
        DrawLine(image, gx, gy - 4 * phase, gx, gy + 4 * phase, 2, 0xFFFFFF);
    }
    return image;
}

// An analogue watch dial: a bezel, minute ticks, longer hour ticks and the twelve numbers.
Image MakeWatchDial(int size) {
    Image image(size, size, 0x101010);
    const double c = size / 2.0;
    FillCircle(image, c, c, c - 1, 0x806020);
    FillCircle(image, c, c, c - 7, 0xF4F0E0);
    for (int tick = 0; tick < 60; ++tick) {
        const double a = tick * kPi / 30;
        const bool hour = tick % 5 == 0;
        const double r0 = c - (hour ? 22 : 14), r1 = c - 10;
        DrawLine(image, c + r0 * std::sin(a), c - r0 * std::cos(a), c + r1 * std::sin(a),
                 c - r1 * std::cos(a), hour ? 3 : 1, 0x202020);
    }
    for (int hour = 1; hour <= 12; ++hour) {
        const double a = hour * kPi / 6, r = c - 34;
        const std::string text = std::to_string(hour);
        DrawText(image, static_cast<int>(c + r * std::sin(a)) - TextWidth(text, 1) / 2,
                 static_cast<int>(c - r * std::cos(a)) - 3, text, 1, 0x202020);
    }
    FillCircle(image, c, c, 4, 0x202020);
    return image;
}

// The LED board's background: a dark brushed plate with twelve lamp sockets in two rows and a
// title.
Image MakeLedBoard(int w, int h) {
    Image image(w, h);
    for (int y = 0; y < h; ++y)
        FillRect(image, 0, y, w, 1, (y % 4 == 0) ? 0x282830 : 0x202028);
    FrameRect(image, 0, 0, w, h, 4, 0x606070);
    DrawText(image, 12, 10, "BONUS", 2, 0xC0C0D0);
    for (int i = 0; i < 12; ++i) {
        const double x = 40 + (i % 6) * ((w - 80) / 5.0), y = i < 6 ? h * 0.4 : h * 0.75;
        FillRing(image, x, y, 12, 15, 0x808090);
        FillCircle(image, x, y, 12, 0x101014);
    }
    return image;
}

}  // namespace
}  // namespace tov::assets

void MakeAssets_aux_panels(const std::string& out_dir) {
    using namespace tov::assets;
    std::vector<std::pair<std::string, Image>> assets;
    for (int phase = 0; phase < 4; ++phase)
        assets.emplace_back("gfx_extern/Schmuckstein" + std::to_string(phase) + ".bmp",
                            MakeGem(phase));
    // The watch dial (drawn stretched over the watch panel) and the LED board's background.
    assets.emplace_back("watch_dial.bmp", MakeWatchDial(200));
    assets.emplace_back("led_board.bmp", MakeLedBoard(480, 150));
    for (const auto& [name, image] : assets) {
        const std::string path = out_dir + "/" + name;
        if (!WriteBmp(path, image))
            std::fprintf(stderr, "make_assets: cannot write %s\n", path.c_str());
    }
}
