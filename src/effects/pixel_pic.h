// A picture dissolving in or out pixel by pixel.
#pragma once

namespace tov {

class Engine;

class PixelPic {
  public:
    explicit PixelPic(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
