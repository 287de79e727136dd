#include "server/host.h"

#include <mutex>
#include <utility>

#include "engine/engine.h"

namespace tov::server {
namespace {

struct Host {
    std::mutex mutex;
    PresenterFactory factory;
    std::unique_ptr<Engine> engine;
};

// Made on first use, so that no order of static initialisation matters; destroyed when the
// library is unloaded, which closes every panel the engine still has.
Host& TheHost() {
    static Host host;
    return host;
}

}  // namespace

bool ConfigureHost(PresenterFactory factory) {
    Host& host = TheHost();
    std::lock_guard lock(host.mutex);
    if (host.engine) return false;
    host.factory = std::move(factory);
    return true;
}

bool SharedEngineExists() {
    Host& host = TheHost();
    std::lock_guard lock(host.mutex);
    return host.engine != nullptr;
}

Engine& SharedEngine() {
    Host& host = TheHost();
    std::lock_guard lock(host.mutex);
    if (!host.engine) {
        std::unique_ptr<platform::Presenter> presenter;
        if (host.factory) presenter = host.factory();
        host.engine = std::make_unique<Engine>(std::move(presenter));
    }
    return *host.engine;
}

}  // namespace tov::server
