// The extra panel that carries the gauges, its text line and its DMD layer.
#pragma once

namespace tov {

class Engine;

class ExtraPanel {
  public:
    explicit ExtraPanel(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
