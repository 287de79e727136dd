// The main panel: install, show, hide, lock, recolour; screen and mouse properties.
#pragma once

namespace tov {

class Engine;

class MainPanel {
  public:
    explicit MainPanel(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
