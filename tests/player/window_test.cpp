// The windowed presenter under a virtual X server: what the windows show on the X screen equals
// the headless composition of the same script, pixel for pixel, in the panel areas.
#if defined(TOV_TEST_WINDOWS)

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/image_file.h"
#include "play_runner.h"
#include "support/temp_dir.h"
#include "x_screen.h"

extern char** environ;

namespace tov::testing {
namespace {

using Clock = std::chrono::steady_clock;

// A virtual X server of its own for the test; stopped at the end of the scope.
class VirtualDisplay {
  public:
    VirtualDisplay(int width, int height) {
        const char* server = "/usr/bin/Xvfb";
        if (access(server, X_OK) != 0) return;
        int fds[2];
        if (pipe(fds) != 0) return;
        std::string displayfd = std::to_string(fds[1]);
        std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
        std::vector<std::string> args = {server, "-displayfd", displayfd, "-screen", "0",
                                         screen, "-nolisten",  "tcp",     "-noreset"};
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        const int spawned = posix_spawn(&pid_, server, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        if (spawned != 0) {
            pid_ = 0;
            close(fds[0]);
            return;
        }
        // The server writes its display number once it accepts connections.
        std::string number;
        char c = 0;
        while (read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (!number.empty()) name_ = ":" + number;
    }
    ~VirtualDisplay() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            int status = 0;
            waitpid(pid_, &status, 0);
        }
    }
    const std::string& Name() const { return name_; }

  private:
    pid_t pid_ = 0;
    std::string name_;
};

bool WaitFor(const std::filesystem::path& file, std::chrono::seconds limit) {
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        if (std::filesystem::exists(file)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

// The script draws on the main panel, the extra panel and a frameless and a framed simple
// panel, publishes the headless composition and the panel rectangles at frame 10, and keeps its
// windows open until the test is done.
constexpr const char* kScript = R"(
local out = arg[1]
local obj = CreateObject("tovserver.myQuendal")
obj:InstallPanel(30, 40, 200, 100)
obj:ClearArea(0, 0, -1, -1, 0x204080)
obj:ClearArea(20, 20, 50, 30, 0xFF8000)
obj:ClearArea(150, 60, 40, 30, 0x00FF7F)
obj:InstallExtraPanel(300, 220, 120, 80)
obj:ClearExtra(0, 0, -1, -1, 0x7F00FF)
obj:ClearExtra(10, 10, 20, 20, 0xFFFFFF)
obj:InstallSimplePanel(0, 2, 450, 40, 120, 50)
obj:SimplePanelClearArea(0, 0, 0, -1, -1, 0x30C030)
obj:SimplePanelClearArea(0, 10, 10, 30, 20, 0xC03030)
obj:InstallSimplePanel(1, 1, 460, 150, 100, 40)
obj:SimplePanelClearArea(1, 5, 5, 60, 20, 0xE0E020)
function tick(frame)
  if frame == 10 then
    runtime.snapshot(out .. "/headless.png")
    local f = io.open(out .. "/panels.txt", "w")
    for _, p in ipairs(runtime.panels()) do
      if p.visible and not p.discarded then
        f:write(p.left, " ", p.top, " ", p.width, " ", p.height, "\n")
      end
    end
    f:close()
    io.open(out .. "/ready", "w"):close()
  end
  local done = io.open(out .. "/done")
  if done then done:close() quit() end
  if frame > 3000 then quit() end
end
)";

TEST(WindowPresenter, ScreenUnderXvfbEqualsTheHeadlessComposition) {
    constexpr int kWidth = 640, kHeight = 480;
    VirtualDisplay display(kWidth, kHeight);
    if (display.Name().empty()) GTEST_SKIP() << "no Xvfb to run windows on";
    TempDir dir;
    const std::string script = WriteScript(dir.File("window.lua"), kScript);

    // tov-play in windows, in the background; SDL's and X's own allocations are not ours to
    // account for, so leak checking is off for this child.
    std::vector<std::string> args = {TOV_PLAY_PATH, "--window", "--fps",
                                     "30",          script,     dir.Path().string()};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> env = {"DISPLAY=" + display.Name(), "ASAN_OPTIONS=detect_leaks=0",
                                    "SDL_VIDEODRIVER=x11"};
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        if (entry.rfind("DISPLAY=", 0) != 0 && entry.rfind("ASAN_OPTIONS=", 0) != 0)
            env.push_back(entry);
    }
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    const std::string log = dir.File("play.log");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t play = 0;
    ASSERT_EQ(posix_spawn(&play, argv[0], &actions, nullptr, argv.data(), envp.data()), 0);
    posix_spawn_file_actions_destroy(&actions);

    const bool ready = WaitFor(dir.Path() / "ready", std::chrono::seconds(30));
    // A few more frames reach the windows before the screen is read.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));

    platform::Surface screen;
    if (ready && ReadXScreen(display.Name(), kWidth, kHeight, &screen.pixels)) {
        screen.width = kWidth;
        screen.height = kHeight;
    }
    std::ofstream(dir.File("done")).put('\n');
    int status = 0;
    waitpid(play, &status, 0);
    std::ifstream log_file(log);
    const std::string output((std::istreambuf_iterator<char>(log_file)),
                             std::istreambuf_iterator<char>());
    ASSERT_TRUE(ready) << output;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
    ASSERT_EQ(screen.width, kWidth) << "the X screen could not be read";

    platform::Surface headless;
    ASSERT_EQ(platform::ReadImageSurface(dir.File("headless.png"), &headless), 0) << output;
    ASSERT_EQ(headless.width, kWidth) << "the virtual screen is the X screen's size";
    ASSERT_EQ(headless.height, kHeight);

    std::ifstream panels(dir.File("panels.txt"));
    int left = 0, top = 0, width = 0, height = 0, compared = 0;
    while (panels >> left >> top >> width >> height) {
        ++compared;
        int differ = 0;
        for (int yy = std::max(top, 0); yy < std::min(top + height, kHeight); ++yy) {
            for (int xx = std::max(left, 0); xx < std::min(left + width, kWidth); ++xx) {
                if (screen.At(xx, yy) != headless.At(xx, yy) && differ++ < 5) {
                    ADD_FAILURE() << "pixel " << xx << "," << yy << ": window " << std::hex
                                  << screen.At(xx, yy) << ", headless " << headless.At(xx, yy);
                }
            }
        }
        EXPECT_EQ(differ, 0) << "panel at " << left << "," << top;
    }
    EXPECT_GE(compared, 4) << "the main, the extra and two simple panels";
}

// Waits until the X display shows a window of this title, at most `limit`.
bool WaitForTitle(const std::string& display, const std::string& title,
                  std::chrono::seconds limit = std::chrono::seconds(30)) {
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        for (const std::string& t : XWindowTitles(display))
            if (t == title) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

TEST(WindowPresenter, WindowsCarryThePanelTitlesAndPopupsAreMessageBoxes) {
    VirtualDisplay display(640, 480);
    if (display.Name().empty()) GTEST_SKIP() << "no Xvfb to run windows on";
    TempDir dir;
    // At frame 20 a refused call shows its message; in windows it is a message box that waits
    // for a person.
    const std::string script = WriteScript(dir.File("titles.lua"), R"(
local obj = CreateObject("tovserver.myQuendal")
obj:InstallPanel(10, 10, 200, 100)
obj:InstallExtraPanel(300, 10, 120, 80)
function tick(frame)
  if frame == 20 then print("status", obj:ShowDMDNumeric(-1)) end
  if frame == 240 then quit() end
end
)");
    const std::vector<std::string> environment = {"DISPLAY=" + display.Name(),
                                                  "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER=x11",
                                                  "ASAN_OPTIONS=detect_leaks=0"};
    RunningPlay play({"--window", script}, environment);
    ASSERT_TRUE(play.Started());
    EXPECT_TRUE(WaitForTitle(display.Name(), "tov"));
    EXPECT_TRUE(WaitForTitle(display.Name(), "extra panel"));
    for (const std::string& title : XWindowTitles(display.Name()))
        EXPECT_EQ(title.rfind("tov-play", 0), std::string::npos) << title;
    const std::string message =
        "[fatal error] CVI-function 'ShowDMDNumeric': argument '_DMDNumericValue' out of range "
        "(must be 0..9999999999)";
    if (WaitForTitle(display.Name(), "fatal error", std::chrono::seconds(8))) {
        // The script waits on the message box: the call has not returned.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        play.Signal(SIGKILL);
        EXPECT_EQ(play.Wait().output.find("status"), std::string::npos);
    } else {
        // An X server without fonts cannot show a message box; the message is printed with why.
        const PlayResult r = play.Wait();
        EXPECT_NE(r.output.find("popup " + message + " (no message box can be shown: "),
                  std::string::npos)
            << r.output;
    }
    // With --popups log a window run prints its messages and goes on.
    const PlayResult logged = RunPlay({"--window", "--popups", "log", script}, environment);
    EXPECT_EQ(logged.exit_status, 0) << logged.output;
    EXPECT_NE(logged.output.find("popup " + message + "\nstatus\t-1\n"), std::string::npos)
        << logged.output;
}

}  // namespace
}  // namespace tov::testing

#endif  // TOV_TEST_WINDOWS
