// Numeric slides: a value shown by a vertical gauge with a scale of the minimum, middle and
// maximum on its left: a tank that fills up behind glass, a thermometer whose column rises
// from its bulb, or a slide whose thumb (slider width and height, slider colour) sits at the
// value at the control's left edge, with the minimum and maximum on its right.
#pragma once

#include "platform/controls/numeric_control.h"

namespace tov::platform {

class NumericSlide final : public NumericControl {
  public:
    NumericSlide(int id, SlideStyle style);

    SlideStyle Style() const { return style_; }
    void Paint(Painter& painter) const override;

  private:
    SlideStyle style_;
};

}  // namespace tov::platform
