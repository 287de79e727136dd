// Arithmetic the bitmap transitions share: converting zoomed sizes and positions to pixels, and
// reading a slot's picture safely.
#pragma once

#include <cmath>
#include <cstdint>

#include "engine/bitmap_selection.h"

namespace tov {

// v truncated toward zero. A value outside the 32-bit range, or not a number, gives the 32-bit
// integer's most negative value, as the processor's own conversion does, so that no zoom a
// script passes is undefined; a size or position made of it draws nothing.
inline int TruncToInt(double v) {
    if (!(v > -2147483649.0 && v < 2147483648.0)) return INT32_MIN;
    return static_cast<int>(v);
}

// v truncated toward zero and stored as a signed 16-bit value (the low 16 bits of the 32-bit
// result, so 40000 becomes -25536).
inline int16_t TruncToInt16(double v) {
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(TruncToInt(v))));
}

// A place on the main panel: the argument as given, or, when it is -1, the place that centres
// `size` pixels (a zoomed size, may be fractional) in `panel_extent` pixels, truncated.
inline int16_t PositionOrCentred(int16_t argument, int panel_extent, double size) {
    return argument == -1 ? TruncToInt16((panel_extent - size) / 2.0) : argument;
}

// v rounded up to a whole number, converted like TruncToInt.
inline int CeilToInt(double v) {
    return TruncToInt(std::ceil(v));
}

// The bitmap of a slot with its size. A number outside 0..499 or an empty slot gives a picture
// of handle 0 and size 0 x 0, which every transition draws as nothing.
struct SlotPicture {
    int bitmap = 0;
    int width = 0;
    int height = 0;
};

inline SlotPicture PictureOfSlot(const BitmapSelection& selection, int slot) {
    if (!BitmapSelection::IsSlot(slot) || selection.BitmapIDSelection[slot] == 0) return {};
    return {selection.BitmapIDSelection[slot], selection.BitmapWidth[slot],
            selection.BitmapHeight[slot]};
}

}  // namespace tov
