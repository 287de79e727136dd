// The pictures of the sprite effect scenes: a pinball for the XY scrolls, a title plate for the
// Z zoom, the two sides of a card for the rotating picture, and the four magic star images the
// engine reads from gfx_extern/.
#include <cmath>
#include <string>
#include <vector>

#include "assets.h"
#include "image.h"

namespace tov::assets {
namespace {

constexpr double kPi = 3.141592653589793;

// A steel ball lit from the top left, on black.
Image MakeBall(int size) {
    Image image(size, size);
    const double c = (size - 1) / 2.0;
    const double r = size / 2.0 - 1;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double dx = x - c;
            const double dy = y - c;
            if (dx * dx + dy * dy > r * r) continue;
            // Brightness falls off from a highlight up and to the left of the centre.
            const double hx = x - (c - r * 0.35);
            const double hy = y - (c - r * 0.4);
            const double light = std::exp(-(hx * hx + hy * hy) / (r * r * 0.35));
            image.Set(x, y, Mix(0x30343C, 0xF4F8FF, light));
        }
    }
    FillRing(image, c, c, r - 1.2, r, 0x606878);
    return image;
}

// A framed plate with the engine's name, for the zoom towards the viewer.
Image MakeTitlePlate() {
    constexpr int kWidth = 160;
    constexpr int kHeight = 64;
    Image image(kWidth, kHeight);
    VerticalGradient(image, 0, 0, kWidth, kHeight, 0x601010, 0x200408);
    FrameRect(image, 0, 0, kWidth, kHeight, 3, 0xFFC040);
    FrameRect(image, 5, 5, kWidth - 10, kHeight - 10, 1, 0xA07020);
    const std::string title = "TOV";
    DrawText(image, (kWidth - TextWidth(title, 5)) / 2, 10, title, 5, 0xFFE080);
    const std::string line = "SUPER JACKPOT";
    DrawText(image, (kWidth - TextWidth(line, 1)) / 2, 50, line, 1, 0xFFFFFF);
    return image;
}

// The face of a card: a large ace of diamonds on white with a red border.
Image MakeCardFront() {
    constexpr int kWidth = 120;
    constexpr int kHeight = 160;
    Image image(kWidth, kHeight, 0xF8F4EC);
    FrameRect(image, 0, 0, kWidth, kHeight, 4, 0xC01020);
    FillPolygon(image, {60, 40, 90, 80, 60, 120, 30, 80}, 0xE01828);
    DrawText(image, 10, 10, "A", 3, 0xC01020);
    DrawText(image, kWidth - 10 - TextWidth("A", 3), kHeight - 10 - 21, "A", 3, 0xC01020);
    return image;
}

// The back of a card: a blue diagonal lattice in a white frame.
Image MakeCardBack() {
    constexpr int kWidth = 120;
    constexpr int kHeight = 160;
    Image image(kWidth, kHeight, 0x1838A0);
    for (int d = -kHeight; d < kWidth; d += 12) {
        DrawLine(image, d, 0, d + kHeight, kHeight, 2, 0x6080E0);
        DrawLine(image, d + kHeight, 0, d, kHeight, 2, 0x6080E0);
    }
    FrameRect(image, 0, 0, kWidth, kHeight, 6, 0xF0F0F0);
    return image;
}

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

void MakeAssets_sprites(const std::string& out_dir) {
    using namespace tov::assets;
    WriteBmp(out_dir + "/sprite_ball_48x48.bmp", MakeBall(48));
    WriteBmp(out_dir + "/sprite_title_160x64.bmp", MakeTitlePlate());
    WriteBmp(out_dir + "/sprite_card_front_120x160.bmp", MakeCardFront());
    WriteBmp(out_dir + "/sprite_card_back_120x160.bmp", MakeCardBack());
    // The fixed images the engine reads from gfx_extern/.
    WriteBmp(out_dir + "/gfx_extern/MagicStarYellow.bmp", MakeMagicStar(0xFFE020));
    WriteBmp(out_dir + "/gfx_extern/MagicStarGreen.bmp", MakeMagicStar(0x40FF40));
    WriteBmp(out_dir + "/gfx_extern/MagicStarLilac.bmp", MakeMagicStar(0xC080FF));
    WriteBmp(out_dir + "/gfx_extern/MagicStarRed.bmp", MakeMagicStar(0xFF3030));
}
