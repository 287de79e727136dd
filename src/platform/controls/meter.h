// A meter: a needle over a half-circle dial. The frame colour fills the control around and
// behind the dial, the arc band is in the fill colour, ticks and the minimum and maximum in the
// text colour, the needle in the needle colour. Its height follows its width (three fifths).
#pragma once

#include "platform/controls/numeric_control.h"

namespace tov::platform {

class Meter final : public NumericControl {
  public:
    explicit Meter(int id);

    void Paint(Painter& painter) const override;
    bool Opaque() const override { return look_.frame_color != kTransparent; }

  protected:
    void Changed(Attr attr, FontBook& fonts) override;
};

}  // namespace tov::platform
