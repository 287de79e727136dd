// A circular gauge: a needle on a round face, swept from the angle of the minimum to the angle
// of the maximum (degrees, 0 = pointing right, counted counter-clockwise). Along the sweep a
// band in the fill colour, faint all the way and full up to the value; ticks and numbers in
// the text colour; the rim in the frame colour. The face itself is transparent, so what lies
// under the gauge shows. Width and height follow each other.
#pragma once

#include "platform/controls/numeric_control.h"

namespace tov::platform {

class Gauge final : public NumericControl {
  public:
    explicit Gauge(int id);

    void Paint(Painter& painter) const override;

  protected:
    void Changed(Attr attr, FontBook& fonts) override;
};

}  // namespace tov::platform
