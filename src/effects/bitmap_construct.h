// A picture built up or taken down in geometric styles.
#pragma once

namespace tov {

class Engine;

class BitmapConstruct {
  public:
    explicit BitmapConstruct(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
