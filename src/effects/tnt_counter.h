// A counter with pre- and post-text.
#pragma once

namespace tov {

class Engine;

class TntCounter {
  public:
    explicit TntCounter(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
