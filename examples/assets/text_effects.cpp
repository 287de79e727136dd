// The assets of the frame animation and text effect scenes: a spinning coin as a frame strip of
// two rows. The text effects themselves draw with the installed font faces.
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

// Twelve frames of 56 x 56, six to a row: a gold coin turning about its upright axis, its face
// narrowing to the rim and widening again, the star on its face shown only from the front.
Image MakeCoinStrip() {
    constexpr int kSize = 56, kFrames = 12, kPerRow = 6;
    Image image(kPerRow * kSize, (kFrames / kPerRow) * kSize, 0x000000);
    for (int n = 0; n < kFrames; ++n) {
        const int left = (n % kPerRow) * kSize, top = (n / kPerRow) * kSize;
        const double cx = left + kSize / 2.0, cy = top + kSize / 2.0;
        const double turn = std::cos(n * 2.0 * kPi / kFrames);  // 1 front, -1 back
        const double rx = std::max(2.0, 24.0 * std::abs(turn)), ry = 24.0;
        for (int y = top; y < top + kSize; ++y) {
            for (int x = left; x < left + kSize; ++x) {
                const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
                const double d = dx * dx + dy * dy;
                if (d > 1.0) continue;
                // Lighter towards the upper left, a darker rim.
                const double light = 0.55 + 0.45 * (1.0 - (dx + dy + 2.0) / 4.0);
                const uint32_t face = Mix(0x805000, 0xFFD040, light);
                image.Set(x, y, d > 0.78 ? Mix(face, 0x604000, 0.5) : face);
            }
        }
        if (turn > 0.3) {
            std::vector<double> star;
            for (int k = 0; k < 10; ++k) {
                const double a = (k * 36.0 - 90.0) * kPi / 180.0;
                const double r = (k % 2 == 0 ? 12.0 : 5.0);
                star.push_back(cx + r * std::cos(a) * turn);
                star.push_back(cy + r * std::sin(a));
            }
            FillPolygon(image, star, 0xFFF4B0);
        }
    }
    return image;
}

}  // namespace
}  // namespace tov::assets

void MakeAssets_text_effects(const std::string& out_dir) {
    const std::string path = out_dir + "/text_effects_coin.bmp";
    if (!tov::assets::WriteBmp(path, tov::assets::MakeCoinStrip()))
        std::fprintf(stderr, "make_assets: cannot write %s\n", path.c_str());
}
