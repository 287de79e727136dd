// The DMD scene's own picture: the backdrop of the extra panel, a dark plate with a dim dot
// grid inside a bevelled frame. The scene draws
// it again under every new value, so it doubles as the eraser of the extra DMD.
#include <cstdio>
#include <string>

#include "assets.h"
#include "image.h"

namespace tov::assets {
namespace {

constexpr int kPlateWidth = 240;
constexpr int kPlateHeight = 96;

Image MakeExtraPlate() {
    Image image(kPlateWidth, kPlateHeight, 0x000000);
    VerticalGradient(image, 0, 0, kPlateWidth, kPlateHeight, 0x101830, 0x04060C);
    // Dim dots of 2 x 2, four pixels apart.
    for (int y = 6; y + 2 <= kPlateHeight - 6; y += 4)
        for (int x = 6; x + 2 <= kPlateWidth - 6; x += 4)
            FillRect(image, x, y, 2, 2, 0x0C1420);
    FrameRect(image, 0, 0, kPlateWidth, kPlateHeight, 2, 0x5070B0);
    FrameRect(image, 2, 2, kPlateWidth - 4, kPlateHeight - 4, 1, 0x202840);
    return image;
}

}  // namespace
}  // namespace tov::assets

void MakeAssets_dmd(const std::string& out_dir) {
    const std::string path = out_dir + "/dmd_extra_plate_240x96.bmp";
    if (!tov::assets::WriteBmp(path, tov::assets::MakeExtraPlate()))
        std::fprintf(stderr, "make_assets: cannot write %s\n", path.c_str());
}
