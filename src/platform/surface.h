// A Surface is a block of 32-bit 0x00RRGGBB pixels, row after row with no padding. Canvases,
// bitmaps, panels and the screen all keep their pixels in one.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace tov::platform {

struct Surface {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // width * height entries, row-major

    Surface() = default;
    Surface(int w, int h, uint32_t fill = 0);

    // Resizes to w x h; every pixel becomes fill (old content is not kept).
    void Reset(int w, int h, uint32_t fill = 0);

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    uint32_t* Row(int y) { return pixels.data() + static_cast<size_t>(y) * width; }
    const uint32_t* Row(int y) const { return pixels.data() + static_cast<size_t>(y) * width; }
};

}  // namespace tov::platform
