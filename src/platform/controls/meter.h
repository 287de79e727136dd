// A meter: a needle over a dial of 100 degrees. The frame colour fills the control around and
// behind the dial, inside a bevelled rim; the bow is in the fill colour, the ticks and the
// minimum and maximum (below the bow's ends) in the text colour, the needle in the needle
// colour. The upper middle of the face and its lower corners carry no scale, so a label or an
// indicator can sit there. Its height follows its width (three fifths).
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
