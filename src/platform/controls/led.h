// LEDs, round and square: lit in the on colour while the value is not 0, else in the off
// colour. A round LED is the disc inscribed in the control, anti-aliased, inside a bezel in
// the frame colour and with a reflection on its upper left; a square LED fills the control
// inside a one-pixel frame in the frame colour.
#pragma once

#include "platform/controls/control.h"

namespace tov::platform {

enum class LedShape { Round, Square };

class Led final : public Control {
  public:
    Led(int id, LedShape shape);

    int SetValue(double value, FontBook& fonts) override;
    int GetValue(double* value) const override;
    bool On() const { return value_ != 0.0; }

    void Paint(Painter& painter) const override;
    bool Opaque() const override;
    void Describe(std::vector<std::pair<std::string, ControlValue>>* out) const override;

  private:
    LedShape shape_;
    double value_ = 0.0;
};

}  // namespace tov::platform
