// Decoding an animated GIF into the full frames a viewer shows, for tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tov::testing {

struct DecodedGif {
    int width = 0;
    int height = 0;
    std::vector<std::vector<uint32_t>> frames;  // width * height pixels 0xRRGGBB each
    std::vector<int> delays;                    // hundredths of a second per frame
    bool loops = false;                         // carries the loop-for-ever extension
};

// Reads the file; false with a message in *error when it is no valid GIF.
bool DecodeGif(const std::string& path, DecodedGif* out, std::string* error);

}  // namespace tov::testing
