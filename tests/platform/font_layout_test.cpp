// A part of a long line painted onto a small surface equals the same part of the whole line
// painted at once, wherever the part lies and whichever line was painted before.
#include <string>

#include <gtest/gtest.h>

#include "platform/font.h"

namespace tov::platform {
namespace {

Surface Crop(const Surface& s, int left, int width) {
    Surface out(width, s.height);
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < width; ++x)
            out.At(x, y) = s.Contains(left + x, y) ? s.At(left + x, y) : 0;
    }
    return out;
}

TEST(FontLayout, PartsOfALongLineEqualTheWholeLine) {
    FontEngine fonts;
    std::string line;
    while (line.size() < 400)
        line += "WAVE jig fly +++ To Vj 0123 ";
    for (const FontSpec& spec :
         {FontSpec{"DejaVu Sans", 20, true, false}, FontSpec{"DejaVu Serif", 17, false, true}}) {
        const int height = fonts.Metrics(spec).line_height;
        const int whole_width = fonts.LineWidth(spec, line) + 4 * spec.size;
        Surface whole(whole_width, height);
        fonts.DrawText(whole, 2 * spec.size, 0, spec, line, kWhite);
        for (int left : {0, 1, 37, 1000, 2500, whole_width - 97, whole_width - 10}) {
            Surface part(97, height);
            fonts.DrawText(part, 2 * spec.size - left, 0, spec, line, kWhite);
            ASSERT_EQ(part.pixels, Crop(whole, left, 97).pixels) << spec.face << " at " << left;
            // Another line in the same font in between must not disturb the next part.
            Surface other(97, height);
            fonts.DrawText(other, 0, 0, spec, "other", kWhite);
        }
    }
}

}  // namespace
}  // namespace tov::platform
