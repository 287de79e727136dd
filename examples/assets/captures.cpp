// The capture scene's own picture: a round badge with a star on a magenta ground. The scene
// masks the magenta out, so only the badge is drawn over the backdrop.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "assets.h"
#include "image.h"

namespace tov::assets {
namespace {

constexpr int kBadgeSize = 96;
constexpr uint32_t kMaskColor = 0xFF00FF;  // the colour the scene masks out
constexpr double kPi = 3.141592653589793;

Image MakeBadge() {
    Image image(kBadgeSize, kBadgeSize, kMaskColor);
    const double c = kBadgeSize / 2.0;
    FillCircle(image, c, c, 46, 0x802010);
    FillRing(image, c, c, 40, 45, 0xF0C040);
    FillCircle(image, c, c, 38, 0x201848);
    // A five-pointed star, its first point straight up.
    std::vector<double> star;
    for (int k = 0; k < 10; ++k) {
        const double angle = -kPi / 2 + k * kPi / 5;
        const double r = k % 2 == 0 ? 32.0 : 13.0;
        star.push_back(c + r * std::cos(angle));
        star.push_back(c + r * std::sin(angle));
    }
    FillPolygon(image, star, 0xFFD848);
    DrawText(image, static_cast<int>(c) - TextWidth("15", 2) / 2 + 1, 42, "15", 2, 0x802010);
    return image;
}

}  // namespace
}  // namespace tov::assets

void MakeAssets_captures(const std::string& out_dir) {
    const std::string path = out_dir + "/capture_badge_96x96.bmp";
    if (!tov::assets::WriteBmp(path, tov::assets::MakeBadge()))
        std::fprintf(stderr, "make_assets: cannot write %s\n", path.c_str());
}
