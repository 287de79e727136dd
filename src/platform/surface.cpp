#include "platform/surface.h"

namespace tov::platform {

Surface::Surface(int w, int h, uint32_t fill) {
    Reset(w, h, fill);
}

void Surface::Reset(int w, int h, uint32_t fill) {
    // A negative size is an empty surface, so that no caller can make Row() or At() index
    // outside the pixels.
    width = w > 0 && h > 0 ? w : 0;
    height = w > 0 && h > 0 ? h : 0;
    pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
}

}  // namespace tov::platform
