// Pictures scrolling along an angle or zooming towards the viewer on the XYZ canvas, a picture
// control that shows one whole bitmap stretched to its size over a transparent background. Up
// to 500 animations are described under numbers; describing one computes the left edge, top
// edge, width and height of all its steps at once, so a step only moves and sizes the canvas and
// draws no pixel. The rotating picture shares the canvas.
#pragma once

#include <array>
#include <cstdint>

namespace tov {

class Engine;

class XyzAnim {
  public:
    static constexpr int kAnims = 500;       // animation numbers 0..499
    static constexpr int kSteps = 160;       // table entries 0..159 per animation
    static constexpr int kScrollLast = 158;  // an XY scroll fills steps 0..158
    static constexpr int kZoomLevels = 79;   // a Z zoom grows over levels 0..79 and back

    explicit XyzAnim(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Describes animation _XYZAnimIndex as a straight crossing of the main panel at zoom
    // _XYZAnimXYZoom along _XYZAnimXYAngle degrees (anticlockwise from rightwards, 90 upwards):
    // at step 0 the picture lies just outside the edge it enters by, at step 79 it is centred,
    // at step 158 it lies just outside the opposite edge. Angles within the panel diagonal's
    // angle of the horizontal cross from side to side, steeper ones from bottom to top or top to
    // bottom. For an angle outside 0 <= a < 360 only the slot, widths and heights are stored and
    // the positions keep their earlier values. Step 159 is not written. An animation number or
    // slot outside 0..499 is refused with a report and -1, and nothing is stored.
    int GenerateXYZAnimXYScrollProc(int16_t _XYZAnimIndex, int16_t _XYZAnimBitmapIDIndex,
                                    double _XYZAnimXYZoom, double _XYZAnimXYAngle);
    // Describes animation _XYZAnimIndex as a zoom: over steps 0..79 the zoom grows as
    // min + max * (k / 79)^exponent for k = 0..79, over steps 80..159 it shrinks back the same
    // way, and the picture's centre lies _XYZAnimYZMove * zoom / max pixels from the panel's
    // centre in direction _XYZAnimXYAngle. A maximum of 0 gives no drift. Refusals as for the
    // XY scroll.
    int GenerateXYZAnimZoomProc(int16_t _XYZAnimIndex, int16_t _XYZAnimBitmapIndex,
                                double _XYZAnimZZoomMin, double _XYZAnimZZoomMax,
                                double _XYZAnimZZoomExponent, double _XYZAnimXYAngle,
                                double _XYZAnimYZMove);
    // Gives the XYZ canvas the picture the animation's slot holds now (an empty slot empties
    // the canvas); the canvas stays where it is until the first step.
    int PrepareXYZAnimProc(int16_t _XYZAnimIndex);
    // Sets the XYZ canvas's left edge, top edge, width and height, in this order, from step
    // _XYZAnimStep (0..159) of the animation. An animation number or step out of range is
    // refused with a report and -1, and the canvas stays as it was.
    int ShowXYZAnimStep(int16_t _XYZAnimIndex, int16_t _XYZAnimStep);
    // Parks the XYZ canvas beyond the panel's right edge; its picture and size stay.
    int HideXYZAnim();

    // --- State, indexed by animation number and step -------------------------------------
    using StepTable = std::array<std::array<int32_t, kSteps>, kAnims>;

    std::array<int32_t, kAnims> XYZAnimBitmapIDIndex{};
    StepTable XYZAnimStepXPos{};    // left edge, panel pixels
    StepTable XYZAnimStepYPos{};    // top edge
    StepTable XYZAnimStepWidth{};   // pixels
    StepTable XYZAnimStepHeight{};  // pixels

  private:
    static bool IsAnim(int index) { return index >= 0 && index < kAnims; }
    int ReportBadIndex(const char* member);
    // 0 for an animation number and slot within 0..499; otherwise reports the first that is not
    // and returns -1.
    int CheckDescription(const char* member, int index, int slot, const char* slot_argument);

    Engine& engine_;
};

}  // namespace tov
