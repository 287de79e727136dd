// Font check, memory report and program start.
#pragma once

namespace tov {

class Engine;

class FontsAndServices {
  public:
    explicit FontsAndServices(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
