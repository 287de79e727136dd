// What the numeric kinds share: a value between a minimum and a maximum (either may be the
// larger; the look shows the value placed within them), and the painting of vertical gauges
// with a scale on their left, used by slides and ring slides.
#pragma once

#include <span>
#include <string>

#include "platform/controls/control.h"

namespace tov::platform {

class NumericControl : public Control {
  public:
    NumericControl(ControlKind kind, int id, AttrSet accepted);

    // Any finite value is kept as it is; the look clamps it to the range.
    int SetValue(double value, FontBook& fonts) override;
    int GetValue(double* value) const override;
    double Value() const { return value_; }
    // The value's place in the range, 0 (minimum) to 1 (maximum).
    double Fraction() const { return FractionOf(value_, look_.min, look_.max); }

    void Describe(std::vector<std::pair<std::string, ControlValue>>* out) const override;

  private:
    double value_ = 0.0;
};

enum class SlideStyle { Tank, Thermometer, Thumb };

// A mark of a vertical scale: its place (0 bottom .. 1 top) and its text.
struct ScaleMark {
    double fraction = 0.0;
    std::string text;
};

// Paints a vertical gauge filling the painter's control: the scale marks in the text colour on
// the left and the body in the style on the right, filled from the bottom up to `fill` (0..1).
// A slide (Thumb) has its thumb at the left edge, slider width wide, and its scale on its right.
void PaintVerticalGauge(Painter& painter, const Look& look, const FontSpec& font, SlideStyle style,
                        std::span<const ScaleMark> marks, double fill);

}  // namespace tov::platform

namespace tov::platform {

// Helpers for instrument looks, all painted through the painter's anti-aliased figures.

// The colour made lighter (amount > 0, towards white) or darker (amount < 0, towards black);
// amount -1..1.
Color Shade(Color c, double amount);

// A tick of a round scale: a stroke of the width from radius r_inner to r_outer.
void PaintTick(Painter& painter, double cx, double cy, double r_inner, double r_outer,
               double degrees, double width, Color color);

// A needle pointing at `degrees` from the pivot (cx, cy): a blade `length` long and `width`
// wide at the pivot, tapering to its tip, with a counterweight `tail` long and a hub.
void PaintNeedle(Painter& painter, double cx, double cy, double length, double tail, double width,
                 double degrees, Color color);

}  // namespace tov::platform
