// A strip chart: the last points-per-screen values as a trace in the plot colour over a grid
// in the frame colour, on the picture background. Points fill the chart from the left; once
// it is full each new point scrolls the trace one step to the left. The y range is the minimum
// (bottom) to the maximum (top); values beyond it are drawn at the edge.
#pragma once

#include <deque>

#include "platform/controls/control.h"

namespace tov::platform {

class StripChart final : public Control {
  public:
    explicit StripChart(int id);

    int Plot(double value);
    void Clear();
    int PointCount() const { return static_cast<int>(points_.size()); }
    const std::deque<double>& Points() const { return points_; }

    void Paint(Painter& painter) const override;
    bool Opaque() const override { return look_.background != kTransparent; }
    void Describe(std::vector<std::pair<std::string, ControlValue>>* out) const override;

  protected:
    void Changed(Attr attr, FontBook& fonts) override;

  private:
    std::deque<double> points_;
};

}  // namespace tov::platform
