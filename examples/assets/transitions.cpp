// The pictures of the bitmap transition scenes: a day and a night view of the same landscape
// (the fade over needs two pictures of one size), the night once more in another size, and a
// title card. Each stays below the fades'
// limit of 125,000 pixels.
#include <cstdio>
#include <string>
#include <vector>

#include "assets.h"
#include "image.h"

namespace tov::assets {
namespace {

constexpr int kViewWidth = 400;
constexpr int kViewHeight = 200;

void Write(const std::string& out_dir, const std::string& name, const Image& image) {
    const std::string path = out_dir + "/" + name;
    if (!WriteBmp(path, image))
        std::fprintf(stderr, "make_assets: cannot write %s\n", path.c_str());
}

// Two ranges of hills across the lower part of the picture, the far one lighter.
void DrawHills(Image& image, uint32_t far, uint32_t near) {
    const int w = image.width;
    const int h = image.height;
    FillPolygon(image,
                {0, h * 0.62, w * 0.18, h * 0.45, w * 0.38, h * 0.58, w * 0.6, h * 0.4, w * 0.82,
                 h * 0.55, static_cast<double>(w), h * 0.48, static_cast<double>(w),
                 static_cast<double>(h), 0, static_cast<double>(h)},
                far);
    FillPolygon(image,
                {0, h * 0.8, w * 0.25, h * 0.66, w * 0.5, h * 0.78, w * 0.72, h * 0.64,
                 static_cast<double>(w), h * 0.76, static_cast<double>(w), static_cast<double>(h),
                 0, static_cast<double>(h)},
                near);
}

Image MakeDay() {
    Image image(kViewWidth, kViewHeight);
    VerticalGradient(image, 0, 0, kViewWidth, kViewHeight, 0x2060C0, 0xF0A040);
    FillCircle(image, 300, 70, 28, 0xFFE070);
    FillRing(image, 300, 70, 32, 36, 0xFFC050);
    DrawHills(image, 0x508040, 0x205018);
    DrawText(image, 12, 10, "DAY", 3, 0xFFFFFF);
    return image;
}

Image MakeNight(int w, int h) {
    Image image(w, h);
    VerticalGradient(image, 0, 0, w, h, 0x000010, 0x202050);
    for (int n = 0; n < 60; ++n) {
        const int x = (n * 131) % w;
        const int y = (n * 47) % (h / 2);
        FillRect(image, x, y, 1 + n % 2, 1 + n % 2, 0xE0E0FF);
    }
    FillCircle(image, 90, 60, 22, 0xE8E8D0);
    // The moon's shadow, in the sky's colour at its height, makes a crescent.
    FillCircle(image, 100, 54, 20, Mix(0x000010, 0x202050, 54.0 / h));
    DrawHills(image, 0x203040, 0x081018);
    DrawText(image, 12, 10, "NIGHT", 3, 0xFFFFFF);
    return image;
}

// A framed title on a striped ground, with edges the lamellas and the dissolve show clearly.
Image MakeTitleCard() {
    constexpr int kWidth = 320;
    constexpr int kHeight = 120;
    Image image(kWidth, kHeight);
    for (int x = 0; x < kWidth; x += 16)
        FillRect(image, x, 0, 8, kHeight, 0x301040);
    FrameRect(image, 0, 0, kWidth, kHeight, 4, 0xFF60C0);
    const std::string title = "TRANSITIONS";
    DrawText(image, (kWidth - TextWidth(title, 4)) / 2, 30, title, 4, 0xFFFFFF);
    VerticalGradient(image, 40, 80, kWidth - 80, 16, 0x40C0FF, 0x2040A0);
    return image;
}

}  // namespace
}  // namespace tov::assets

void MakeAssets_transitions(const std::string& out_dir) {
    using namespace tov::assets;
    Write(out_dir, "trans_day_400x200.bmp", MakeDay());
    Write(out_dir, "trans_night_400x200.bmp", MakeNight(kViewWidth, kViewHeight));
    // For the dissolve: a width with no factor in common with its 1000 passes, so that each
    // pass is scattered over the whole picture rather than lined up in a few columns.
    Write(out_dir, "trans_night_387x193.bmp", MakeNight(387, 193));
    Write(out_dir, "trans_title_320x120.bmp", MakeTitleCard());
}
