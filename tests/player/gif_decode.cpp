#include "gif_decode.h"

#include <gif_lib.h>

#include <cstring>

namespace tov::testing {

bool DecodeGif(const std::string& path, DecodedGif* out, std::string* error) {
    *out = DecodedGif{};
    int code = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &code);
    if (gif == nullptr) {
        *error = GifErrorString(code);
        return false;
    }
    if (DGifSlurp(gif) == GIF_ERROR) {
        *error = GifErrorString(gif->Error);
        DGifCloseFile(gif, &code);
        return false;
    }
    out->width = gif->SWidth;
    out->height = gif->SHeight;
    std::vector<uint32_t> canvas(static_cast<size_t>(out->width) * out->height, 0);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        GraphicsControlBlock control{};
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        DGifSavedExtensionToGCB(gif, i, &control);
        for (int e = 0; e < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock& block = image.ExtensionBlocks[e];
            if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0) {
                out->loops = true;
            }
        }
        const ColorMapObject* map =
            image.ImageDesc.ColorMap != nullptr ? image.ImageDesc.ColorMap : gif->SColorMap;
        const GifImageDesc& d = image.ImageDesc;
        for (int y = 0; y < d.Height; ++y) {
            for (int x = 0; x < d.Width; ++x) {
                const int index = image.RasterBits[static_cast<size_t>(y) * d.Width + x];
                if (index == control.TransparentColor || map == nullptr ||
                    index >= map->ColorCount) {
                    continue;
                }
                const int cx = d.Left + x, cy = d.Top + y;
                if (cx < 0 || cy < 0 || cx >= out->width || cy >= out->height) continue;
                const GifColorType& c = map->Colors[index];
                canvas[static_cast<size_t>(cy) * out->width + cx] =
                    (static_cast<uint32_t>(c.Red) << 16) | (c.Green << 8) | c.Blue;
            }
        }
        out->frames.push_back(canvas);
        out->delays.push_back(control.DelayTime);
    }
    DGifCloseFile(gif, &code);
    return true;
}

}  // namespace tov::testing
