// Shared vocabulary of the run-time layer: colours, rectangles, points and statuses.
//
// Coordinates are pixels; y grows downward and (0, 0) is the top-left corner of the panel,
// control, canvas or bitmap in question.
#pragma once

#include <cstdint>
#include <string_view>

namespace tov::platform {

// A colour is 0x00RRGGBB in an int; kTransparent is the run-time's "no colour".
using Color = int32_t;
constexpr Color kTransparent = 0x1000000;
constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;

// A rectangle as the run-time names it: top, left, height, width. A height or width of
// kToFarEdge reaches the far edge of whatever the rectangle is applied to.
struct Rect {
    int top = 0;
    int left = 0;
    int height = 0;
    int width = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};
constexpr int kToFarEdge = -1;
// As a destination's height and width in CanvasDrawBitmap: the size of the source. It lies
// outside the 16-bit range of every size a script can pass, so no script value means it.
constexpr int kKeepSameSize = -0x10000;

constexpr Rect MakeRect(int top, int left, int height, int width) {
    return Rect{top, left, height, width};
}

// One piece of a bitmap drawn into a canvas: the src rectangle of the bitmap stretched or shrunk
// to the dst rectangle of the canvas, as CanvasDrawBitmap draws it.
struct BitmapPiece {
    Rect src;
    Rect dst;
};

// The whole of a bitmap, canvas or control.
constexpr Rect kWholeArea = MakeRect(0, 0, kToFarEdge, kToFarEdge);

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

constexpr Point MakePoint(int x, int y) {
    return Point{x, y};
}

// How a closed figure is drawn: outline in the pen colour and width (inside the bounding
// rectangle), interior in the fill colour, or both. The numbers are the run-time's.
enum class DrawMode { Outline = 1, Interior = 2, Both = 3 };

// Statuses of run-time operations: 0 is success, every failure is negative.
// GetUILErrorString gives a short English description of each.
enum UIStatus : int {
    kUISuccess = 0,
    kUIEOutOfMemory = -12,
    kUIEInvalidPanel = -42,
    kUIEInvalidControl = -43,
    kUIEInvalidAttribute = -45,
    kUIEInvalidValue = -46,
    kUIEInvalidBitmap = -48,
    kUIEWrongControlKind = -50,
    kUIEInvalidResource = -51,
    kUIEFileNotLoaded = -52,
    kUIEListIndexOutOfRange = -55,
    kUIENullPointer = -65,
    kUIEBufferTooSmall = -66,
    kUIEFileNotFound = -94,
    kUIEFileReadFailed = -95,
    kUIEBadFileFormat = -96,
    kUIEFileWriteFailed = -97,
};

std::string_view GetUILErrorString(int status);

}  // namespace tov::platform
