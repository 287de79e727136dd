// tov-play [options] SCRIPT.lua: runs a table script against the engine the way a table
// simulator does. The script's main chunk creates the object and sets the table up; then the
// script's tick(frame) is called once per frame, from frame 0, until quit(), the frame limit or
// the closing of a window ends the run. SIGINT and SIGTERM end it too, after the recording
// and the snapshot are written.
#include <tov/tov.h>

#include <unistd.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "engine/engine.h"
#include "gif_recorder.h"
#include "lua_host.h"
#include "options.h"
#include "server/host.h"
#include "server/members.h"

#if defined(TOV_HAVE_SDL)
#include "platform/presenters/sdl.h"
#endif

namespace {

using tov::player::DisplayMode;
using tov::player::Options;

constexpr int kExitLuaError = 1;
constexpr int kExitUsage = 2;

int Fail(const std::string& message, int status = kExitLuaError) {
    std::fprintf(stderr, "tov-play: %s\n", message.c_str());
    return status;
}

// The signal that asks the run to end (SIGINT or SIGTERM), or 0.
volatile std::sig_atomic_t g_stop_signal = 0;
tov::player::LuaHost* g_lua = nullptr;

extern "C" void OnStopSignal(int signal_number) {
    g_stop_signal = signal_number;
    // A script busy in a loop of its own is stopped at its next Lua instruction.
    if (g_lua != nullptr) g_lua->Interrupt();
}

void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool DisplayReachable() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

// The part of the screen a recording keeps: the region, clipped to nothing beyond it (pixels
// outside the screen record as black).
void CopyRegion(const tov::platform::Surface& screen, const tov::player::Region& region,
                std::vector<uint32_t>* out) {
    out->assign(static_cast<size_t>(region.width) * region.height, 0);
    for (int y = 0; y < region.height; ++y) {
        const int sy = region.y + y;
        if (sy < 0 || sy >= screen.height) continue;
        for (int x = 0; x < region.width; ++x) {
            const int sx = region.x + x;
            if (sx < 0 || sx >= screen.width) continue;
            (*out)[static_cast<size_t>(y) * region.width + x] = screen.At(sx, sy) & 0xFFFFFF;
        }
    }
}

class Recording {
  public:
    explicit Recording(const Options& options) : options_(options) {}

    bool Active() const { return !options_.record_path.empty(); }

    // Adds the screen as it is now as one frame.
    bool Add(std::string* error) {
        tov::platform::Runtime& runtime = tov::server::SharedEngine().Runtime();
        const tov::platform::Surface& screen = runtime.ComposeScreen();
        if (!gif_.IsOpen()) {
            int width = 0, height = 0;
            runtime.GetScreenSize(&height, &width);
            region_ = options_.region.value_or(tov::player::Region{0, 0, width, height});
            if (!gif_.Open(options_.record_path, region_.width, region_.height, options_.fps,
                           error)) {
                return false;
            }
        }
        CopyRegion(screen, region_, &frame_);
        if (!gif_.AddFrame(frame_, error)) return false;
        Progress(false);
        return true;
    }

    bool Finish(std::string* error) {
        if (!Active()) return true;
        if (!gif_.IsOpen() && !Add(error)) return false;  // a run without frames: one still
        Progress(true);
        return gif_.Close(error);
    }

  private:
    // Frames done (of frames asked) on standard error: one line kept up to date on a terminal,
    // a line every few hundred frames elsewhere, and always the last count.
    void Progress(bool last) {
        const int done = gif_.FrameCount();
        if (!last && (terminal_ ? done % 5 != 0 : done % 500 != 0)) return;
        char text[512];
        if (options_.frames) {
            std::snprintf(text, sizeof text, "recording %s: %d of %ld frames",
                          options_.record_path.c_str(), done, *options_.frames);
        } else {
            std::snprintf(text, sizeof text, "recording %s: %d frames",
                          options_.record_path.c_str(), done);
        }
        if (terminal_) {
            std::fprintf(stderr, "\r%s%s", text, last ? "\n" : "");
        } else {
            std::fprintf(stderr, "%s\n", text);
        }
    }

    const Options& options_;
    const bool terminal_ = isatty(2) != 0;
    tov::player::GifRecorder gif_;
    tov::player::Region region_;
    std::vector<uint32_t> frame_;
};

int Run(Options options) {
    namespace fs = std::filesystem;
    std::error_code error_code;
    // Files named on the command line are where the person running tov-play means, not in the
    // folder the script runs in.
    for (std::string* path : {&options.record_path, &options.snapshot_path}) {
        if (!path->empty()) *path = fs::absolute(*path, error_code).string();
    }
    const fs::path script = fs::absolute(options.script, error_code);
    if (error_code || !fs::is_regular_file(script, error_code)) {
        return Fail("cannot open the script " + options.script);
    }
    const fs::path directory =
        options.directory.empty() ? script.parent_path() : fs::path(options.directory);
    fs::current_path(directory, error_code);
    if (error_code) {
        return Fail("cannot change to the folder " + directory.string() + ": " +
                    error_code.message());
    }

    if (options.display == DisplayMode::Window && !DisplayReachable()) {
        return Fail(
            "--window needs a display, and none is reachable (DISPLAY and WAYLAND_DISPLAY are "
            "not set); leave --window out to play headless",
            kExitUsage);
    }

    // The presenter, chosen before the engine is made.
    bool headless = options.display == DisplayMode::Headless ||
                    (options.display == DisplayMode::Automatic && !DisplayReachable());
#if defined(TOV_HAVE_SDL)
    tov::platform::SdlPresenter* windows = nullptr;
    if (!headless) {
        std::string why;
        // In windows a person is there to answer a message box.
        std::unique_ptr<tov::platform::SdlPresenter> sdl = tov::platform::SdlPresenter::Create(
            options.popups == tov::player::PopupMode::Log ? tov::platform::PopupStyle::Log
                                                          : tov::platform::PopupStyle::Modal,
            &why);
        if (!sdl && options.display == DisplayMode::Window) {
            return Fail("--window: no display can be opened: " + why, kExitUsage);
        }
        if (sdl) {
            windows = sdl.get();
            auto shared =
                std::make_shared<std::unique_ptr<tov::platform::SdlPresenter>>(std::move(sdl));
            tov::server::ConfigureHost([shared]() -> std::unique_ptr<tov::platform::Presenter> {
                return std::move(*shared);
            });
        } else {
            headless = true;
        }
    }
#else
    if (options.display == DisplayMode::Window) {
        return Fail("--window: this tov-play was built without SDL2", kExitUsage);
    }
    headless = true;
#endif
    if (headless && tov_configure(options.screen_width, options.screen_height) != 0) {
        return Fail("cannot set up the headless screen");
    }

    tov::player::ScriptState state;
    state.recording = !options.record_path.empty();
    state.headless = headless;
    state.script_dir = script.parent_path().string();
    tov::player::LuaHost lua(&state);
    Recording recording(options);
    g_lua = &lua;
    CatchStopSignals();

    std::string error;
    if (!lua.RunFile(script.string(), options.script, options.script_arguments, &error) &&
        g_stop_signal == 0) {
        g_lua = nullptr;
        return Fail(error);
    }

    // Without tick and without a frame limit, a headless run ends after the main chunk; a
    // window stays until it is closed.
    const bool has_tick = lua.HasTick();
    const bool endless = !options.frames && (has_tick || !headless);
    if (endless && headless && g_stop_signal == 0) {
        std::fprintf(stderr,
                     "tov-play: running until the script calls quit(); give --frames or "
                     "--seconds to end earlier, or press Ctrl-C to stop\n");
    }
    const auto period = std::chrono::nanoseconds(1000000000LL / options.fps);
    auto next = std::chrono::steady_clock::now();
    long frames_run = 0;
    for (long frame = 0; !state.quit && g_stop_signal == 0 &&
                         (endless || (options.frames && frame < *options.frames));
         ++frame) {
        state.frame = frame;
        if (has_tick && !lua.CallTick(frame, &error)) {
            if (g_stop_signal != 0) break;  // interrupted inside tick: end as below
            g_lua = nullptr;
            std::string ignored;
            if (recording.Active()) recording.Finish(&ignored);
            return Fail(error);
        }
        tov_present();
        frames_run = frame + 1;
        if (recording.Active() && !recording.Add(&error)) return Fail(error);
#if defined(TOV_HAVE_SDL)
        if (windows != nullptr && windows->QuitRequested()) break;
#endif
        if (!headless) {
            next += period;
            const auto now = std::chrono::steady_clock::now();
            if (next > now) {
                std::this_thread::sleep_until(next);
            } else {
                next = now;  // behind: do not hurry to catch up
            }
        }
    }

    g_lua = nullptr;
    if (!recording.Finish(&error)) return Fail(error);
    if (!options.snapshot_path.empty() && tov_snapshot_screen(options.snapshot_path.c_str()) != 0) {
        return Fail("cannot write the snapshot " + options.snapshot_path);
    }
    if (g_stop_signal != 0) {
        const int signal_number = g_stop_signal;
        std::fprintf(stderr, "tov-play: stopped by %s after %ld frames%s\n",
                     signal_number == SIGINT ? "Ctrl-C (SIGINT)" : "SIGTERM", frames_run,
                     recording.Active() ? "; the recording is complete" : "");
        return 128 + signal_number;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    std::string error;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!tov::player::ParseOptions(arguments, &options, &error)) {
        std::fprintf(stderr, "tov-play: %s\n%s", error.c_str(), tov::player::UsageText());
        return kExitUsage;
    }
    if (options.help) {
        std::fputs(tov::player::UsageText(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("tov-play %s\ntovserver.myQuendal: %d of %d members available\n", TOV_VERSION,
                    tov::server::BoundMemberCount(), tov::server::kMemberCount);
        return 0;
    }
    try {
        return Run(options);
    } catch (const std::exception& e) {
        return Fail(std::string("the engine cannot run: ") + e.what());
    }
}
