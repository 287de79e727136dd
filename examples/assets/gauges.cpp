// The gauge scene's pictures: four dials of a pointer lamp, the pointer turned a quarter further
// in each, which the scene loads as the images of its dynamic pictures and steps through.
#include <cmath>
#include <cstdio>
#include <string>

#include "assets.h"
#include "image.h"

namespace tov::assets {
namespace {

constexpr int kSize = 64;
constexpr uint32_t kRimColors[4] = {0x40C0FF, 0x40FF80, 0xFFD040, 0xFF5050};

Image MakePointer(int quarter) {
    Image image(kSize, kSize, 0x000000);
    const double c = kSize / 2.0;
    FillCircle(image, c, c, 31.0, kRimColors[quarter]);
    FillCircle(image, c, c, 27.0, 0x101820);
    FillRing(image, c, c, 20.0, 22.0, 0x304050);
    const double angle = quarter * 3.141592653589793 / 2.0;
    const double tip_x = c + 22.0 * std::sin(angle);
    const double tip_y = c - 22.0 * std::cos(angle);
    DrawLine(image, c, c, tip_x, tip_y, 5.0, kRimColors[quarter]);
    FillCircle(image, c, c, 5.0, 0xF0F0F0);
    const std::string number(1, static_cast<char>('1' + quarter));
    DrawText(image, static_cast<int>(c) - 2, kSize - 20, number, 1, 0xFFFFFF);
    return image;
}

}  // namespace
}  // namespace tov::assets

void MakeAssets_gauges(const std::string& out_dir) {
    for (int quarter = 0; quarter < 4; ++quarter) {
        const std::string path =
            out_dir + "/gauge_pointer_" + std::to_string(quarter) + "_64x64.bmp";
        if (!tov::assets::WriteBmp(path, tov::assets::MakePointer(quarter)))
            std::fprintf(stderr, "make_assets: cannot write %s\n", path.c_str());
    }
}
