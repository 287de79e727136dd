// libFuzzer target: the image loader fed arbitrary bytes, seeded with the project's own test
// pictures. A picture it accepts must be whole: its pixels and mask agree with its size.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "platform/image_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tov::platform::Bitmap bitmap;
    std::string why;
    const int status =
        tov::platform::DecodeImage(std::span<const uint8_t>(data, size), &bitmap, &why);
    if (status < 0) {
        if (why.empty()) std::abort();  // every refusal says why
        return 0;
    }
    const tov::platform::Surface& image = bitmap.image;
    const size_t pixels = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
    if (image.width <= 0 || image.height <= 0 || image.pixels.size() != pixels ||
        (!bitmap.mask.empty() && bitmap.mask.size() != pixels)) {
        std::abort();
    }
    return 0;
}
