// Numbers and texts in a bitmap font on the DMD canvases.
#pragma once

namespace tov {

class Engine;

class Dmd {
  public:
    explicit Dmd(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
