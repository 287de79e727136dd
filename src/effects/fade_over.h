// One picture cross-fading into another.
#pragma once

namespace tov {

class Engine;

class FadeOver {
  public:
    explicit FadeOver(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
