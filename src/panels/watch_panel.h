// The analogue watch panel.
#pragma once

namespace tov {

class Engine;

class WatchPanel {
  public:
    explicit WatchPanel(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
