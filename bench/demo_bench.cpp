// A tick of the demo as the player runs it headless: the script's tick (scene set-ups included,
// as they come) and the composition of the 1024 x 600 screen, the mean over the whole attract
// mode played in a loop. Compared with a memcpy of the main panel's 640 x 240 pixels, the most a
// tick redraws of the panel.
#include <filesystem>
#include <memory>
#include <string>

#include <tov/tov.h>

#include "bench_support.h"
#include "lua_host.h"

namespace tov::bench {
namespace {

constexpr size_t kMainPanelBytes = size_t{4} * 640 * 240;

// The demo loaded once per process: the engine it drives is the server's shared one.
class Demo {
  public:
    Demo() {
        tov_configure(1024, 600);
        const std::filesystem::path script = TOV_DEMO_SCRIPT;
        state_.headless = true;
        state_.script_dir = script.parent_path().string();
        std::filesystem::current_path(TOV_DEMO_ASSETS);
        lua_ = std::make_unique<player::LuaHost>(&state_);
        loaded_ = lua_->RunFile(script.string(), "demo.lua", {"--loop"}, &error_);
    }
    // One tick and the screen's composition; false with the message when the script failed.
    bool Tick(std::string* error) {
        if (!loaded_) {
            *error = error_;
            return false;
        }
        state_.frame = frame_;
        if (!lua_->CallTick(frame_++, error)) return false;
        tov_present();
        return true;
    }

  private:
    player::ScriptState state_;
    std::unique_ptr<player::LuaHost> lua_;
    bool loaded_ = false;
    std::string error_;
    long frame_ = 0;
};

void BM_DemoTick(benchmark::State& state) {
    static Demo demo;
    std::string error;
    RunAgainstMemcpy(state, kMainPanelBytes, [&](int) {
        if (error.empty() && !demo.Tick(&error)) state.SkipWithError(error.c_str());
    });
}
BENCHMARK(BM_DemoTick)
    ->Name("Demo/tick (mean over the attract mode)")
    ->MinTime(2.0)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tov::bench
