// Text lines rolling upwards like credits.
#pragma once

namespace tov {

class Engine;

class Linebox {
  public:
    explicit Linebox(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
