// A picture faded through brightness 0 to 100.
#pragma once

namespace tov {

class Engine;

class FadeInOut {
  public:
    explicit FadeInOut(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
