// A picture of the bitmap selection built up on the effect canvas, or taken down, in one of
// twelve geometric styles, shown at a display size W x H chosen by the script:
// - take-down styles (odd: 1 oval, 3 circle, 5 rectangle, 7 square, 13 star) start from the
//   whole picture and draw black outlines that close in on its centre;
// - build-up styles (even: 2 oval, 4 circle, 6 rectangle, 8 square, 14 star, and the row
//   unrolls 10 upward and 12 downward) start from black and copy a growing region of the
//   picture onto it from a snapshot, the bitmap HelpCanvasBitmapID made from the construct
//   canvas. Styles 2, 4 and 14 renew the snapshot every step with a black mask around the region.
// Styles 9, 11 and values outside 1..14 show the set-up and never complete.
//
// The construct canvas is the hidden scratch surface of the snapshots. A step of style 2, 4 or
// 14 renews only the region it copies, from a stretched copy of the picture made at set-up; the
// whole renewal is kept as the reference the partial one must equal pixel for pixel.
#pragma once

#include <array>
#include <cstdint>

#include "platform/types.h"

namespace tov {

class Engine;

// How a step of style 2, 4 or 14 renews its snapshot.
enum class SnapshotRenewal {
    Region,  // only the region the step copies (the picture is the same)
    Whole,   // the whole construct canvas and a new snapshot bitmap
};

class BitmapConstruct {
  public:
    explicit BitmapConstruct(Engine& engine) : engine_(engine) {}

    static constexpr int kStarCorners = 16;

    // --- Members -------------------------------------------------------------------------
    // Starts a construction: places the effect canvas (-1 centres it on the main panel), sizes
    // it to W x H, shows black (even style) or the whole picture stretched to W x H (odd
    // style), sets the pen width and prepares the style's sizes and snapshot. An empty slot or
    // a size of 0 or less leaves nothing to build: the canvas is cleared and the construction
    // is complete at once.
    int SetBitmapConstructAttr(int16_t _BitmapConstructBitmapIDIndex, int16_t _BitmapConstructXPos,
                               int16_t _BitmapConstructYPos, int16_t _BitmapConstructWidth,
                               int16_t _BitmapConstructHeight, int16_t _BitmapConstructStyle);
    // Draws one step of the style; the step that meets the style's end marks the construction
    // complete. Once complete, a step draws nothing.
    int ShowNextBitmapConstructStep();
    // 1 once the construction is complete, else 0.
    int get_BitmapConstructState(uint8_t* BitmapConstructState);

    // The snapshot renewal of styles 2, 4 and 14 (the region by default; the whole as the
    // reference for tests). A source with transparent pixels always renews the whole.
    void SetSnapshotRenewal(SnapshotRenewal renewal) { renewal_ = renewal; }

    // --- State ---------------------------------------------------------------------------
    int16_t BitmapConstructBitmapIDIndex = 0;
    int16_t BitmapConstructXPos = 0;
    int16_t BitmapConstructYPos = 0;
    int16_t BitmapConstructWidth = 0;   // W, display width in pixels
    int16_t BitmapConstructHeight = 0;  // H, display height in pixels
    int16_t BitmapConstructStyle = 0;
    uint8_t BitmapConstructCompletedYN = 0;      // 1 once complete
    double BitmapConstructAxisProportion = 0.0;  // A: longer axis over shorter one
    int32_t BitmapConstructPenWidth = 0;         // P, pixels
    double BitmapConstructOvalWidth = 0.0;       // current axes (styles 1, 2, 5, 6)
    double BitmapConstructOvalHeight = 0.0;
    double BitmapConstructOvalMaxWidth = 0.0;  // final axes of the opening oval (style 2)
    double BitmapConstructOvalMaxHeight = 0.0;
    int16_t BitmapConstructCircleDiameter = 0;  // D: diameter or side (styles 3, 4, 7, 8)
    int16_t BitmapConstructRow = 0;             // current row (styles 10, 12)
    std::array<platform::Point, kStarCorners> BitmapConstructStar{};  // styles 13, 14
    int16_t BitmapConstructStarRadius = 0;                            // R: outer radius of the star
    int16_t BitmapConstructStarMaxRadius = 0;  // final radius of the opening star (style 14)
    double BitmapConstructStepValue = 0.0;     // S: radius change per step of the star
    int HelpCanvasBitmapID = 0;                // snapshot of the construct canvas

  private:
    // The source bitmap, 0 for an empty slot.
    int SourceBitmap() const;
    // The whole source stretched over the whole construct canvas, then a new snapshot of it.
    void TakeSnapshot();
    // Prepares the stretched picture the region renewal copies from, when it can serve.
    void PrepareRegionRenewal();
    // Draws the picture into the construct canvas for a renewal that copies `region`: the
    // whole source, or only the region of the stretched picture.
    void DrawPictureForRenewal(platform::Rect region);
    // Makes HelpCanvasBitmapID hold the construct canvas: anew, or only in `region`.
    void RenewSnapshot(platform::Rect region);
    // Copies `region` of the snapshot into the same place of the effect canvas.
    void CopyFromSnapshot(platform::Rect region);
    // The rectangle (top, left, height, width) with top and left raised to 0 and height and
    // width lowered to H and W, each on its own.
    platform::Rect Clamped(platform::Rect r) const;
    // The centred rectangle of the current oval axes.
    platform::Rect OvalRect() const;
    // The centred square of side D.
    platform::Rect SquareOfDiameter() const;
    void ComputeStarCorners();
    // Grows (build-up) or shrinks (take-down) the oval axes by one step.
    void GrowOval(double sign);

    void StepTakeDown();
    void StepOpeningOval();
    void StepOpeningCircle();
    void StepOpeningStar();

    Engine& engine_;
    SnapshotRenewal renewal_ = SnapshotRenewal::Region;
    bool region_renewal_ready_ = false;  // the stretched picture matches this construction
    int stretched_picture_ = 0;          // the source stretched to W x H, for region renewals
};

}  // namespace tov
