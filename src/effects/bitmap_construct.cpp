// Sections: geometry helpers; snapshots; the set-up; the steps (take-down styles, the plain
// build-up styles, the masked build-up styles 2, 4 and 14).
#include "effects/bitmap_construct.h"

#include <algorithm>
#include <cmath>

#include "effects/transition_geometry.h"
#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
using platform::DrawMode;
using platform::MakePoint;
using platform::MakeRect;
using platform::Rect;
namespace ids = platform::main_panel;

namespace {

// The star's corners as factors of the radius from the centre, x then y: the outer tips on
// the axes (0, 4, 8, 12), the diagonal tips (2, 6, 10, 14) and the inner corners between them.
constexpr std::array<std::array<double, 2>, BitmapConstruct::kStarCorners> kStarShape = {{
    {0.0, -1.0},
    {0.1352, -0.324},
    {0.7, -0.7},
    {0.324, -0.1352},
    {1.0, 0.0},
    {0.324, 0.1352},
    {0.7, 0.7},
    {0.1352, 0.324},
    {0.0, 1.0},
    {-0.1352, 0.324},
    {-0.7, 0.7},
    {-0.324, 0.1352},
    {-1.0, 0.0},
    {-0.324, -0.1352},
    {-0.7, -0.7},
    {-0.1352, -0.324},
}};

// The mask of the opening oval: a ring this wide just outside the current oval.
constexpr int kOvalMaskWidth = 100;

bool IsTakeDown(int style) {
    return style == 1 || style == 3 || style == 5 || style == 7 || style == 13;
}

// The diameter of the circle through the picture's corners, from the integer quarters of the
// squared sides: the start of the closing circle and the end of the opening squares.
double DiagonalLimit(int w, int h) {
    const int64_t quarter_squares =
        static_cast<int64_t>(w) * w / 4 + static_cast<int64_t>(h) * h / 4;
    return 2.0 * std::sqrt(static_cast<double>(quarter_squares));
}

}  // namespace

// ---- geometry ---------------------------------------------------------------------------------

Rect BitmapConstruct::Clamped(Rect r) const {
    r.top = std::max(r.top, 0);
    r.left = std::max(r.left, 0);
    // A negative size would reach the far edge; nothing is meant by it.
    r.height = std::clamp(r.height, 0, std::max<int>(BitmapConstructHeight, 0));
    r.width = std::clamp(r.width, 0, std::max<int>(BitmapConstructWidth, 0));
    return r;
}

Rect BitmapConstruct::OvalRect() const {
    const double w = BitmapConstructWidth;
    const double h = BitmapConstructHeight;
    return MakeRect(TruncToInt((h - BitmapConstructOvalHeight) / 2.0),
                    TruncToInt((w - BitmapConstructOvalWidth) / 2.0),
                    TruncToInt(BitmapConstructOvalHeight), TruncToInt(BitmapConstructOvalWidth));
}

Rect BitmapConstruct::SquareOfDiameter() const {
    const int d = BitmapConstructCircleDiameter;
    return MakeRect((BitmapConstructHeight - d) / 2, (BitmapConstructWidth - d) / 2, d, d);
}

void BitmapConstruct::ComputeStarCorners() {
    const int cx = BitmapConstructWidth / 2;
    const int cy = BitmapConstructHeight / 2;
    const double r = BitmapConstructStarRadius;
    for (size_t i = 0; i < kStarShape.size(); ++i) {
        BitmapConstructStar[i] =
            MakePoint(TruncToInt(cx + kStarShape[i][0] * r), TruncToInt(cy + kStarShape[i][1] * r));
    }
}

void BitmapConstruct::GrowOval(double sign) {
    if (BitmapConstructWidth > BitmapConstructHeight) {
        BitmapConstructOvalHeight += sign;
        BitmapConstructOvalWidth += sign * BitmapConstructAxisProportion;
    } else {
        BitmapConstructOvalWidth += sign;
        BitmapConstructOvalHeight += sign * BitmapConstructAxisProportion;
    }
}

// ---- snapshots --------------------------------------------------------------------------------

int BitmapConstruct::SourceBitmap() const {
    return PictureOfSlot(engine_.BitmapSelection(), BitmapConstructBitmapIDIndex).bitmap;
}

void BitmapConstruct::TakeSnapshot() {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.MainPanel().PanelHandle;
    rt.CanvasDrawBitmap(panel, ids::kConstructCanvas, SourceBitmap(), platform::kWholeArea,
                        platform::kWholeArea);
    RenewSnapshot(platform::kWholeArea);
}

void BitmapConstruct::PrepareRegionRenewal() {
    region_renewal_ready_ = false;
    if (renewal_ != SnapshotRenewal::Region) return;
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.MainPanel().PanelHandle;
    // Where the source has transparent pixels the construct canvas keeps what the steps before
    // drew there, which only the whole renewal reproduces.
    const platform::Bitmap* source = rt.FindBitmap(SourceBitmap());
    if (source == nullptr || source->HasMask()) return;
    int width = 0;
    int height = 0;
    rt.GetCtrlAttribute(panel, ids::kConstructCanvas, Attr::Width, &width);
    rt.GetCtrlAttribute(panel, ids::kConstructCanvas, Attr::Height, &height);
    if (width != BitmapConstructWidth || height != BitmapConstructHeight) return;

    TakeSnapshot();
    if (stretched_picture_ != 0) rt.DiscardBitmap(stretched_picture_);
    stretched_picture_ = 0;
    rt.GetCtrlBitmap(panel, ids::kConstructCanvas, &stretched_picture_);
    region_renewal_ready_ = HelpCanvasBitmapID != 0 && stretched_picture_ != 0;
}

void BitmapConstruct::DrawPictureForRenewal(Rect region) {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.MainPanel().PanelHandle;
    if (region_renewal_ready_) {
        rt.CanvasDrawBitmap(panel, ids::kConstructCanvas, stretched_picture_, region, region);
    } else {
        rt.CanvasDrawBitmap(panel, ids::kConstructCanvas, SourceBitmap(), platform::kWholeArea,
                            platform::kWholeArea);
    }
}

void BitmapConstruct::RenewSnapshot(Rect region) {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.MainPanel().PanelHandle;
    if (region_renewal_ready_ && region != platform::kWholeArea) {
        rt.CanvasUpdateBitmap(panel, ids::kConstructCanvas, region, HelpCanvasBitmapID);
        return;
    }
    if (HelpCanvasBitmapID != 0) rt.DiscardBitmap(HelpCanvasBitmapID);
    HelpCanvasBitmapID = 0;
    rt.GetCtrlBitmap(panel, ids::kConstructCanvas, &HelpCanvasBitmapID);
}

void BitmapConstruct::CopyFromSnapshot(Rect region) {
    if (region.height <= 0 || region.width <= 0) return;
    engine_.Runtime().CanvasDrawBitmap(engine_.MainPanel().PanelHandle, ids::kEffectCanvas,
                                       HelpCanvasBitmapID, region, region);
}

// ---- set-up -----------------------------------------------------------------------------------

int BitmapConstruct::SetBitmapConstructAttr(int16_t _BitmapConstructBitmapIDIndex,
                                            int16_t _BitmapConstructXPos,
                                            int16_t _BitmapConstructYPos,
                                            int16_t _BitmapConstructWidth,
                                            int16_t _BitmapConstructHeight,
                                            int16_t _BitmapConstructStyle) {
    BitmapConstructCompletedYN = 0;
    BitmapConstructBitmapIDIndex = _BitmapConstructBitmapIDIndex;
    BitmapConstructWidth = _BitmapConstructWidth;
    BitmapConstructHeight = _BitmapConstructHeight;
    BitmapConstructStyle = _BitmapConstructStyle;
    const int w = BitmapConstructWidth;
    const int h = BitmapConstructHeight;
    const int style = BitmapConstructStyle;

    const MainPanel& main = engine_.MainPanel();
    BitmapConstructXPos = _BitmapConstructXPos == -1
                              ? static_cast<int16_t>((main.PanelWidth - w) / 2)
                              : _BitmapConstructXPos;
    BitmapConstructYPos = _BitmapConstructYPos == -1
                              ? static_cast<int16_t>((main.PanelHeight - h) / 2)
                              : _BitmapConstructYPos;

    platform::Runtime& rt = engine_.Runtime();
    const int panel = main.PanelHandle;
    const int source = SourceBitmap();
    // Out of sight while it is prepared. A negative size leaves the canvas empty rather than
    // at the size it had.
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Left, main.PanelWidth);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Width, std::max(w, 0));
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Height, std::max(h, 0));
    if (style % 2 == 0) {
        rt.CanvasClear(panel, ids::kEffectCanvas, platform::kWholeArea);
        rt.SetCtrlAttribute(panel, ids::kConstructCanvas, Attr::Width, std::max(w, 0));
        rt.SetCtrlAttribute(panel, ids::kConstructCanvas, Attr::Height, std::max(h, 0));
    } else {
        rt.CanvasDrawBitmap(panel, ids::kEffectCanvas, source, platform::kWholeArea,
                            platform::kWholeArea);
    }
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Left, BitmapConstructXPos);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Top, BitmapConstructYPos);

    region_renewal_ready_ = false;
    if (w <= 0 || h <= 0 || source == 0) {
        rt.CanvasClear(panel, ids::kEffectCanvas, platform::kWholeArea);
        BitmapConstructCompletedYN = 1;
        return 0;
    }

    double& a = BitmapConstructAxisProportion;
    a = w > h ? static_cast<double>(w) / h : static_cast<double>(h) / w;
    BitmapConstructPenWidth = TruncToInt(a) + 1;
    const int p = BitmapConstructPenWidth;
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::PenWidth, p);

    const int64_t w2 = static_cast<int64_t>(w) * w;
    const int64_t h2 = static_cast<int64_t>(h) * h;
    double& oval_width = BitmapConstructOvalWidth;
    double& oval_height = BitmapConstructOvalHeight;
    int16_t& d = BitmapConstructCircleDiameter;
    const int16_t star_limit = TruncToInt16(h > w ? p + 1.6 * h : p + 1.6 * w);
    switch (style) {
        case 1:
        case 2:
            // The oval through the picture's corners whose axes keep their proportion as they
            // shrink or grow by whole pixels on the shorter axis.
            if (w > h) {
                oval_width = (h + std::sqrt(static_cast<double>(h2 + 4 * w2))) / 2.0 + p;
                oval_height = std::sqrt(oval_width * oval_width - static_cast<double>(w2)) + p;
                a = oval_width / oval_height;
            } else {
                oval_height = (w + std::sqrt(static_cast<double>(w2 + 4 * h2))) / 2.0 + p;
                oval_width = std::sqrt(oval_height * oval_height - static_cast<double>(h2)) + p;
                a = oval_height / oval_width;
            }
            if (style == 2) {
                BitmapConstructOvalMaxWidth = oval_width;
                BitmapConstructOvalMaxHeight = oval_height;
                oval_width = w > h ? a : 1.0;
                oval_height = w > h ? 1.0 : a;
                PrepareRegionRenewal();
            }
            break;
        case 3:
            d = TruncToInt16(DiagonalLimit(w, h) + p);
            break;
        case 4:
            d = 1;
            PrepareRegionRenewal();
            break;
        case 5:
            oval_width = w + p;
            oval_height = h + p;
            break;
        case 6:
            TakeSnapshot();
            oval_width = w > h ? a : 1.0;
            oval_height = w > h ? 1.0 : a;
            break;
        case 7:
            d = static_cast<int16_t>(w > h ? w + p : h + p);
            break;
        case 8:
            TakeSnapshot();
            d = 1;
            break;
        case 10:
            TakeSnapshot();
            BitmapConstructRow = static_cast<int16_t>(h - 1);
            break;
        case 12:
            TakeSnapshot();
            BitmapConstructRow = 0;
            break;
        case 13:
            BitmapConstructStarRadius = star_limit;
            BitmapConstructStepValue = 0.03 * BitmapConstructStarRadius + 1.0;
            BitmapConstructPenWidth = TruncToInt(BitmapConstructStepValue / 2.0);
            rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::PenWidth, BitmapConstructPenWidth);
            break;
        case 14:
            rt.SetCtrlAttribute(panel, ids::kConstructCanvas, Attr::PenWidth, 1);
            BitmapConstructStarRadius = 1;
            BitmapConstructStepValue = 1.0;
            BitmapConstructStarMaxRadius = star_limit;
            PrepareRegionRenewal();
            break;
        default:  // no steps: 9, 11 and values outside 1..14
            break;
    }
    return 0;
}

// ---- steps ------------------------------------------------------------------------------------

int BitmapConstruct::ShowNextBitmapConstructStep() {
    if (BitmapConstructCompletedYN == 1) return 0;
    const int w = BitmapConstructWidth;
    const int h = BitmapConstructHeight;
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.MainPanel().PanelHandle;

    switch (BitmapConstructStyle) {
        case 1:
        case 3:
        case 5:
        case 7:
        case 13:
            StepTakeDown();
            break;
        case 2:
            StepOpeningOval();
            break;
        case 4:
            StepOpeningCircle();
            break;
        case 6:
            CopyFromSnapshot(Clamped(OvalRect()));
            GrowOval(1.0);
            if (BitmapConstructOvalHeight > h && BitmapConstructOvalWidth > w) {
                BitmapConstructCompletedYN = 1;
            }
            break;
        case 8:
            CopyFromSnapshot(Clamped(SquareOfDiameter()));
            ++BitmapConstructCircleDiameter;
            if (BitmapConstructCircleDiameter > DiagonalLimit(w, h) + 1) {
                BitmapConstructCompletedYN = 1;
            }
            break;
        case 10: {
            // The snapshot's row Row stretched over every row from the top down to it.
            const int row = BitmapConstructRow;
            rt.CanvasDrawBitmap(panel, ids::kEffectCanvas, HelpCanvasBitmapID,
                                MakeRect(row, 0, 1, w), MakeRect(0, 0, row + 1, w));
            --BitmapConstructRow;
            if (BitmapConstructRow < 0) BitmapConstructCompletedYN = 1;
            break;
        }
        case 12: {
            // The snapshot's row Row stretched over every row from it to the bottom.
            const int row = BitmapConstructRow;
            rt.CanvasDrawBitmap(panel, ids::kEffectCanvas, HelpCanvasBitmapID,
                                MakeRect(row, 0, 1, w), MakeRect(row, 0, h - row, w));
            ++BitmapConstructRow;
            if (BitmapConstructRow >= h) BitmapConstructCompletedYN = 1;
            break;
        }
        case 14:
            StepOpeningStar();
            break;
        default:  // a style without steps never completes
            break;
    }
    return 0;
}

void BitmapConstruct::StepTakeDown() {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.MainPanel().PanelHandle;
    const int style = BitmapConstructStyle;
    if (!IsTakeDown(style)) return;

    if (style == 1 || style == 5) {
        const Rect oval = OvalRect();
        if (style == 1) {
            rt.CanvasDrawOval(panel, ids::kEffectCanvas, oval, DrawMode::Outline);
        } else {
            rt.CanvasDrawRect(panel, ids::kEffectCanvas, oval, DrawMode::Outline);
        }
        GrowOval(-1.0);
        if (BitmapConstructOvalHeight <= 0 || BitmapConstructOvalWidth <= 0) {
            BitmapConstructCompletedYN = 1;
        }
    } else if (style == 3 || style == 7) {
        const Rect square = SquareOfDiameter();
        if (style == 3) {
            rt.CanvasDrawOval(panel, ids::kEffectCanvas, square, DrawMode::Outline);
        } else {
            rt.CanvasDrawRect(panel, ids::kEffectCanvas, square, DrawMode::Outline);
        }
        --BitmapConstructCircleDiameter;
        if (BitmapConstructCircleDiameter <= 0) BitmapConstructCompletedYN = 1;
    } else {
        ComputeStarCorners();
        rt.CanvasDrawPoly(panel, ids::kEffectCanvas, BitmapConstructStar, true, DrawMode::Outline);
        BitmapConstructStepValue *= 0.97;
        BitmapConstructStarRadius =
            TruncToInt16(BitmapConstructStarRadius - BitmapConstructStepValue);
        if (BitmapConstructStarRadius <= 0) BitmapConstructCompletedYN = 1;
    }
}

void BitmapConstruct::StepOpeningOval() {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.MainPanel().PanelHandle;
    const double w = BitmapConstructWidth;
    const double h = BitmapConstructHeight;
    const double oval_width = BitmapConstructOvalWidth;
    const double oval_height = BitmapConstructOvalHeight;
    const Rect region = Clamped(OvalRect());

    // A black band 100 pixels wide just outside the oval hides the corners of the region.
    DrawPictureForRenewal(region);
    rt.SetCtrlAttribute(panel, ids::kConstructCanvas, Attr::PenWidth, kOvalMaskWidth);
    const int margin = 2 * kOvalMaskWidth;
    rt.CanvasDrawOval(panel, ids::kConstructCanvas,
                      MakeRect(TruncToInt((h - oval_height - margin) / 2.0),
                               TruncToInt((w - oval_width - margin) / 2.0),
                               TruncToInt(oval_height + margin), TruncToInt(oval_width + margin)),
                      DrawMode::Outline);
    RenewSnapshot(region);
    CopyFromSnapshot(region);

    GrowOval(1.0);
    if (BitmapConstructOvalHeight > BitmapConstructOvalMaxHeight &&
        BitmapConstructOvalWidth > BitmapConstructOvalMaxWidth) {
        BitmapConstructCompletedYN = 1;
    }
}

void BitmapConstruct::StepOpeningCircle() {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.MainPanel().PanelHandle;
    const int w = BitmapConstructWidth;
    const int h = BitmapConstructHeight;
    const int d = BitmapConstructCircleDiameter;
    const Rect region = Clamped(SquareOfDiameter());

    // A ring around the circle of diameter D, wide enough to black out the square's corners.
    DrawPictureForRenewal(region);
    rt.SetCtrlAttribute(panel, ids::kConstructCanvas, Attr::PenWidth, TruncToInt(0.2071 * d));
    const int outer = TruncToInt(1.4142 * d);
    rt.CanvasDrawOval(panel, ids::kConstructCanvas,
                      MakeRect(TruncToInt((h - 1.4142 * d) / 2.0),
                               TruncToInt((w - 1.4142 * d) / 2.0), outer, outer),
                      DrawMode::Outline);
    RenewSnapshot(region);
    CopyFromSnapshot(region);

    ++BitmapConstructCircleDiameter;
    if (BitmapConstructCircleDiameter > DiagonalLimit(w, h) + 1) BitmapConstructCompletedYN = 1;
}

void BitmapConstruct::StepOpeningStar() {
    platform::Runtime& rt = engine_.Runtime();
    const int panel = engine_.MainPanel().PanelHandle;
    const int r = BitmapConstructStarRadius;
    const Rect region = Clamped(
        MakeRect(BitmapConstructHeight / 2 - r, BitmapConstructWidth / 2 - r, 2 * r, 2 * r));

    rt.CanvasStartBatchDraw(panel, ids::kConstructCanvas);
    DrawPictureForRenewal(region);
    ComputeStarCorners();
    const auto& c = BitmapConstructStar;
    rt.CanvasDrawPoly(panel, ids::kConstructCanvas, c, true, DrawMode::Outline);
    // Four six-corner polygons black out the square outside the star, one per quarter.
    const std::array<std::array<platform::Point, 6>, 4> quarters = {{
        {c[0], c[1], c[2], c[3], c[4], MakePoint(c[4].x, c[0].y)},
        {c[4], c[5], c[6], c[7], c[8], MakePoint(c[4].x, c[8].y)},
        {c[8], c[9], c[10], c[11], c[12], MakePoint(c[12].x, c[8].y)},
        {c[12], c[13], c[14], c[15], c[0], MakePoint(c[12].x, c[0].y)},
    }};
    for (const auto& quarter : quarters)
        rt.CanvasDrawPoly(panel, ids::kConstructCanvas, quarter, true, DrawMode::Interior);
    rt.CanvasEndBatchDraw(panel, ids::kConstructCanvas);
    RenewSnapshot(region);
    CopyFromSnapshot(region);

    if (BitmapConstructStarRadius > BitmapConstructStarMaxRadius) BitmapConstructCompletedYN = 1;
    BitmapConstructStepValue *= 1.03;
    BitmapConstructStarRadius = TruncToInt16(BitmapConstructStarRadius + BitmapConstructStepValue);
}

int BitmapConstruct::get_BitmapConstructState(uint8_t* BitmapConstructState) {
    *BitmapConstructState = BitmapConstructCompletedYN;
    return 0;
}

}  // namespace tov
