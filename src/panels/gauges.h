// Tank, thermometer, multimeter, clock, slide, level thermometer and mission value.
#pragma once

namespace tov {

class Engine;

class Gauges {
  public:
    explicit Gauges(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
