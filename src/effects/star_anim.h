// A field of 36 stars flying out from the DMD's centre.
#pragma once

namespace tov {

class Engine;

class StarAnim {
  public:
    explicit StarAnim(Engine& engine) : engine_(engine) {}

  private:
    [[maybe_unused]] Engine& engine_;
};

}  // namespace tov
