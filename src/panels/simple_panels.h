// Up to eight small panels with a DMD of their own.
#pragma once

namespace tov {

class Engine;

class SimplePanels {
  public:
    explicit SimplePanels(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
