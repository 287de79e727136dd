// The process-wide engine that every object of the class drives, and how a host that links the
// server statically (tov-play) chooses its presenter before the engine is made.
#pragma once

#include <functional>
#include <memory>

#include "platform/runtime.h"

namespace tov {
class Engine;
}

namespace tov::server {

using PresenterFactory = std::function<std::unique_ptr<platform::Presenter>()>;

// Makes the engine, when it is first needed, over the presenter the factory returns (a factory
// returning null, or none at all, gives the headless presenter). Only before the engine exists:
// afterwards it returns false and changes nothing.
bool ConfigureHost(PresenterFactory factory);

// True once the process-wide engine has been made.
bool SharedEngineExists();

// The process-wide engine, made on first use; it lives until the library is unloaded. May
// throw when the engine cannot be made.
Engine& SharedEngine();

}  // namespace tov::server
