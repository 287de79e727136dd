// The table of control kinds: one line per kind, with its name (as hosts and the panel files
// name it) and the function that makes a control of that kind.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "platform/controls/control.h"

namespace tov::platform {

struct KindInfo {
    ControlKind kind;
    std::string_view name;
    std::unique_ptr<Control> (*make)(int id);
};

std::span<const KindInfo> ControlKinds();
const KindInfo& KindInfoOf(ControlKind kind);
std::unique_ptr<Control> MakeControl(ControlKind kind, int id);

}  // namespace tov::platform
