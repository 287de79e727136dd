// Reading the image files a table ships (BMP at 1, 4, 8, 16, 24 and 32 bits with RLE4/RLE8,
// PNG, JPEG, GIF first frame) and writing PNG snapshots.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/bitmap.h"
#include "platform/surface.h"

namespace tov::platform {

// Reads the file into *out. Returns 0, or a negative status (kUIEFileNotFound for a file that
// does not exist, kUIEBadFileFormat for one that cannot be decoded) with a description of what
// went wrong in *why when why is given (kUIEFileReadFailed for a folder or an unreadable file).
// A PNG's or GIF's pixels with alpha below 128 become masked; a picture without such pixels has
// no mask. The bitmap gets the padded 24-bit layout whatever the file's depth. Pictures wider or
// taller than 32768 pixels, or of more than 2^25 pixels, are refused, as is every file that
// states more data than it holds.
int ReadImageFile(const std::string& path, Bitmap* out, std::string* why = nullptr);

// The same for a file's bytes already in memory (kUIEBadFileFormat for bytes that are no
// picture).
int DecodeImage(std::span<const uint8_t> bytes, Bitmap* out, std::string* why = nullptr);

// Writes the surface as an 8-bit RGB PNG (the same bytes on every platform). Returns 0, or
// kUIEFileWriteFailed (an empty surface, a file that cannot be written; no partial file stays).
int WritePng(const std::string& path, const Surface& surface);

// Reads a PNG (or any format ReadImageFile knows) into a surface; masked pixels read as
// kTransparent's low 24 bits cleared (0). Returns 0 or a negative status.
int ReadImageSurface(const std::string& path, Surface* out);

}  // namespace tov::platform
