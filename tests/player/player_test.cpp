// tov-play run on small scripts, as a person runs it: exit status, what it prints, the files it
// writes.
//
// Sections: members from Lua; ticks, recording and snapshots; errors and folders;
// introspection; what a person meets at the edges (dot calls, frame rates, displays, endless
// runs, signals, --version).
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>
#include <tuple>

#include "gif_decode.h"
#include "play_runner.h"
#include "support/temp_dir.h"

namespace tov::testing {
namespace {

// Runs a script headless over a small screen; `extra` goes before the script's name.
PlayResult Play(const TempDir& dir, const std::string& script,
                std::vector<std::string> extra = {}) {
    const std::string path = WriteScript(dir.File("script.lua"), script);
    std::vector<std::string> args = {"--headless", "--screen", "320x240"};
    args.insert(args.end(), extra.begin(), extra.end());
    args.push_back(path);
    return RunPlay(args);
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(Play, MembersBindLateInAnyLetterCase) {
    TempDir dir;
    const PlayResult r = Play(dir, R"(
local obj = CreateObject("TOVSERVER.myquendal")
print("status", obj:InstallPanel(0, 0, 160, 80), obj:installpanel(0, 0, 160, 80),
      obj:INSTALLPANEL(0, 0, 160, 80))
print("screen", obj.ScreenWidth, obj.screenheight, math.type(obj.ScreenWidth))
local f = obj.ShowPanel
print("method", type(f), f(obj))
)");
    EXPECT_EQ(r.exit_status, 0) << r.output;
    EXPECT_TRUE(Contains(r.output, "status\t0\t0\t0")) << r.output;
    EXPECT_TRUE(Contains(r.output, "screen\t320\t240\tinteger")) << r.output;
    EXPECT_TRUE(Contains(r.output, "method\tfunction\t0")) << r.output;
}

TEST(Play, AFailingMemberGivesMinusOneAfterOnePopup) {
    TempDir dir;
    const PlayResult r = Play(dir, R"(
local obj = CreateObject("tovserver.myQuendal")
runtime.clear_popups()
print("lock", obj:SetPanelUserLock(1))
local popups = runtime.popups()
print("popups", #popups, popups[1] and popups[1].title, popups[1] and popups[1].text)
)");
    EXPECT_EQ(r.exit_status, 0) << r.output;
    EXPECT_TRUE(Contains(r.output, "lock\t-1")) << r.output;
    EXPECT_TRUE(Contains(r.output,
                         "popups\t1\twarning\tCVI-function 'SetPanelUserLock' failed. "
                         "First call 'InstallPanel'"))
        << r.output;
}

TEST(Play, OutArgumentsComeBackAfterTheStatus) {
    TempDir dir;
    const PlayResult r = Play(dir, R"(
local obj = CreateObject("tovserver.myQuendal")
print("write", obj:WriteHighscoreToCVI(5, 123456, "ACE", "first", "second"))
local st, score, name, s1, s2 = obj:ReadHighscoreFromCVI(5)
print("read", st, score, name, s1, s2)
-- Placeholders for the out arguments are accepted and ignored.
print("placeholders", obj:ReadHighscoreFromCVI(5, nil, nil, nil, nil))
)");
    EXPECT_EQ(r.exit_status, 0) << r.output;
    EXPECT_TRUE(Contains(r.output, "write\t0")) << r.output;
    EXPECT_TRUE(Contains(r.output, "read\t0\t123456")) << r.output;
    EXPECT_TRUE(Contains(r.output, "ACE\tfirst\tsecond")) << r.output;
    EXPECT_TRUE(Contains(r.output, "placeholders\t0\t123456")) << r.output;
}

TEST(Play, DispatchRefusalsAreLuaErrorsNamingTheMember) {
    struct Case {
        const char* call;
        const char* member;
    };
    const Case cases[] = {
        {"obj:NoSuchMember(1)", "NoSuchMember"},                // unknown member
        {"obj:InstallPanel(1, 2)", "InstallPanel"},             // wrong argument count
        {"obj:ShowPanel(7)", "ShowPanel"},                      // wrong count: none expected
        {"obj:InstallPanel('left', 0, 9, 9)", "InstallPanel"},  // type mismatch
        {"obj:InstallPanel({}, 0, 9, 9)", "InstallPanel"},      // no automation value
        {"obj.InstallPanel(0, 0, 9, 9)", "InstallPanel"},       // called without the object
        {"local x = obj.NoSuchProperty", "NoSuchProperty"},     // unknown property
    };
    for (const Case& c : cases) {
        TempDir dir;
        const PlayResult r =
            Play(dir, std::string("local obj = CreateObject('tovserver.myQuendal')\n") + c.call +
                          "\nprint('not reached')\n");
        EXPECT_EQ(r.exit_status, 1) << c.call << "\n" << r.output;
        EXPECT_TRUE(Contains(r.output, c.member)) << c.call << "\n" << r.output;
        EXPECT_TRUE(Contains(r.output, "script.lua:2:")) << c.call << "\n" << r.output;
        EXPECT_FALSE(Contains(r.output, "not reached")) << c.call;
    }
}

TEST(Play, OnlyTheOneClassCanBeCreated) {
    TempDir dir;
    const PlayResult r = Play(dir, "local obj = CreateObject('tovserver.other')\n");
    EXPECT_EQ(r.exit_status, 1) << r.output;
    EXPECT_TRUE(Contains(r.output, "tovserver.other")) << r.output;
}

TEST(Play, TickRunsFromFrameZeroUntilQuitOrTheFrameLimit) {
    TempDir dir;
    const std::string script = R"(
function tick(frame)
  io.write("tick ", frame, " ", runtime.frame(), "\n")
  if frame == 3 then quit() end
end
)";
    PlayResult r = Play(dir, script, {"--frames", "10"});
    EXPECT_EQ(r.exit_status, 0) << r.output;
    EXPECT_TRUE(Contains(r.output, "tick 0 0\ntick 1 1\ntick 2 2\ntick 3 3\n")) << r.output;
    EXPECT_FALSE(Contains(r.output, "tick 4")) << r.output;

    r = Play(dir, script, {"--frames", "2"});
    EXPECT_EQ(r.exit_status, 0) << r.output;
    EXPECT_TRUE(Contains(r.output, "tick 1 1\n")) << r.output;
    EXPECT_FALSE(Contains(r.output, "tick 2")) << r.output;

    // --seconds at the frame rate; a quit in the main chunk runs no tick at all.
    r = Play(dir, script, {"--seconds", "0.1", "--fps", "20"});
    EXPECT_TRUE(Contains(r.output, "tick 1 1\n")) << r.output;
    EXPECT_FALSE(Contains(r.output, "tick 2")) << r.output;
    r = Play(dir, "quit()\n" + script, {"--frames", "5"});
    EXPECT_EQ(r.exit_status, 0) << r.output;
    EXPECT_FALSE(Contains(r.output, "tick")) << r.output;
    // Silent unless the script prints or a recording runs.
    r = Play(dir, "function tick() end", {"--frames", "3"});
    EXPECT_EQ(r.exit_status, 0);
    EXPECT_EQ(r.output, "");
}

TEST(Play, RecordWritesTheAskedNumberOfFrames) {
    TempDir dir;
    const std::string gif = dir.File("out.gif");
    // At 50 frames a second every frame is kept (each shows 2/100 s).
    const PlayResult r =
        Play(dir, "function tick(frame) end", {"--fps", "50", "--frames", "7", "--record", gif});
    EXPECT_EQ(r.exit_status, 0) << r.output;
    EXPECT_TRUE(Contains(r.output, "7 of 7 frames")) << r.output;
    DecodedGif decoded;
    std::string error;
    ASSERT_TRUE(DecodeGif(gif, &decoded, &error)) << error;
    EXPECT_EQ(decoded.frames.size(), 7u);
    EXPECT_EQ(decoded.width, 320);
    EXPECT_EQ(decoded.height, 240);

    // A region crops the screen; what lies beyond the screen records black.
    const PlayResult cropped =
        Play(dir, "function tick(frame) end",
             {"--fps", "50", "--frames", "3", "--record", gif, "--region", "300,10,40,20"});
    EXPECT_EQ(cropped.exit_status, 0) << cropped.output;
    ASSERT_TRUE(DecodeGif(gif, &decoded, &error)) << error;
    EXPECT_EQ(decoded.frames.size(), 3u);
    EXPECT_EQ(decoded.width, 40);
    EXPECT_EQ(decoded.height, 20);
    EXPECT_EQ(decoded.frames[0][39], 0u);
}

TEST(Play, SnapshotIsThePngOfTheScreenAtTheEnd) {
    TempDir dir;
    const std::string png = dir.File("end.png");
    const PlayResult r = Play(dir, R"(
local obj = CreateObject("tovserver.myQuendal")
obj:InstallPanel(10, 20, 100, 50)
)",
                              {"--snapshot", png});
    EXPECT_EQ(r.exit_status, 0) << r.output;
    int width = 0, height = 0;
    ASSERT_TRUE(PngSize(png, &width, &height));
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 240);
}

TEST(Play, LuaErrorsExitWithStatusOneAndTheirPlace) {
    TempDir dir;
    PlayResult r = Play(dir, "local x = 1\nerror('boom')\n");
    EXPECT_EQ(r.exit_status, 1);
    EXPECT_TRUE(Contains(r.output, "script.lua:2: boom")) << r.output;

    r = Play(dir, "function tick(frame)\n  if frame == 2 then error('late') end\nend\n",
             {"--frames", "5"});
    EXPECT_EQ(r.exit_status, 1);
    EXPECT_TRUE(Contains(r.output, "script.lua:2: late")) << r.output;

    r = Play(dir, "local = 3\n");
    EXPECT_EQ(r.exit_status, 1);
    EXPECT_TRUE(Contains(r.output, "script.lua:1:")) << r.output;

    EXPECT_EQ(RunPlay({"--headless", dir.File("missing.lua")}).exit_status, 1);
    EXPECT_EQ(RunPlay({"--headless", "--fps", "fast", dir.File("script.lua")}).exit_status, 2);
    EXPECT_EQ(RunPlay({"--help"}).exit_status, 0);
}

TEST(Play, ScriptRunsInItsOwnFolderOrTheOneGiven) {
    TempDir dir;
    std::filesystem::create_directories(dir.Path() / "table" / "scenes");
    std::filesystem::create_directories(dir.Path() / "elsewhere");
    const std::string script = WriteScript(dir.File("table/t.lua"), R"(
io.open("here.txt", "w"):close()
for _, path in ipairs(scenes()) do print("scene", path:match("[^/]+$")) end
)");
    WriteScript(dir.File("table/scenes/10_b.lua"), "");
    WriteScript(dir.File("table/scenes/02_a.lua"), "");
    WriteScript(dir.File("table/scenes/notes.txt"), "");

    PlayResult r = RunPlay({"--headless", script});
    EXPECT_EQ(r.exit_status, 0) << r.output;
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "table" / "here.txt"));
    EXPECT_TRUE(Contains(r.output, "scene\t02_a.lua\nscene\t10_b.lua\n")) << r.output;
    EXPECT_FALSE(Contains(r.output, "notes.txt"));

    r = RunPlay({"--headless", "--cd", dir.File("elsewhere"), script});
    EXPECT_EQ(r.exit_status, 0) << r.output;
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "elsewhere" / "here.txt"));
    EXPECT_NE(RunPlay({"--headless", "--cd", dir.File("nowhere"), script}).exit_status, 0);
}

TEST(Play, IntrospectionShowsPanelsControlsAndPixels) {
    TempDir dir;
    const PlayResult r = Play(dir, R"(
local obj = CreateObject("tovserver.myQuendal")
obj:InstallPanel(10, 20, 160, 80)
obj:ClearArea(4, 6, 8, 5, 0x123456)
local p = runtime.panels()[1]
print("panel", #runtime.panels(), p.file, p.resource, p.left, p.top, p.width, p.height,
      p.visible, p.discarded)
local dmd = runtime.control(p.handle, 9)
print("dmd", dmd.kind, dmd.left, dmd.top, dmd.width, dmd.height, dmd.visible, dmd.pen_width)
print("pixels", runtime.canvas_pixel(p.handle, 9, 4, 6), runtime.canvas_pixel(p.handle, 9, 12, 6),
      runtime.screen_pixel(10 + 11, 20 + 10))
local box = runtime.control(p.handle, 16)
print("linebox", box.kind, type(box.lines))
)");
    EXPECT_EQ(r.exit_status, 0) << r.output;
    EXPECT_TRUE(Contains(r.output, "panel\t1\ttov_public.uir\t1\t10\t20\t160\t80\ttrue\tfalse"))
        << r.output;
    EXPECT_TRUE(Contains(r.output, "dmd\tcanvas\t0\t0\t160\t80\ttrue\t2")) << r.output;
    EXPECT_TRUE(Contains(r.output, "pixels\t1193046\t0\t1193046")) << r.output;
    EXPECT_TRUE(Contains(r.output, "linebox\ttext box\ttable")) << r.output;
}

TEST(Play, ClipboardHoldsTheLastPictureOfTheDmd) {
    TempDir dir;
    const PlayResult r = Play(dir, R"(
local obj = CreateObject("tovserver.myQuendal")
obj:InstallPanel(0, 0, 40, 20)
print("before", runtime.clipboard().width, runtime.clipboard().height)
obj:ClearArea(0, 0, -1, -1, 0x112233)
obj:copydmdtosimpledmd()
obj:ClearArea(0, 0, -1, -1, 0x445566)
print("copy", obj:copydmdtosimpledmd())
local c = runtime.clipboard()
print("clip", c.width, c.height, runtime.clipboard_pixel(39, 19), runtime.clipboard_pixel(40, 0))
)");
    EXPECT_EQ(r.exit_status, 0) << r.output;
    EXPECT_TRUE(Contains(r.output, "before\t0\t0")) << r.output;
    EXPECT_TRUE(Contains(r.output, "copy\t0")) << r.output;
    EXPECT_TRUE(Contains(r.output, "clip\t40\t20\t4478310\tnil")) << r.output;  // 0x445566
}

TEST(Play, IntrospectionAnswersNilForWhatDoesNotExist) {
    TempDir dir;
    const PlayResult r = Play(dir, R"(
print("control", runtime.control(12345, 2))
print("canvas", runtime.canvas_pixel(12345, 9, 0, 0))
print("screen", runtime.screen_pixel(-1, 0), runtime.screen_pixel(320, 0))
print("panels", #runtime.panels(), runtime.headless(), runtime.recording())
)");
    EXPECT_EQ(r.exit_status, 0) << r.output;
    EXPECT_TRUE(Contains(r.output, "control\tnil")) << r.output;
    EXPECT_TRUE(Contains(r.output, "canvas\tnil")) << r.output;
    EXPECT_TRUE(Contains(r.output, "screen\tnil\tnil")) << r.output;
    EXPECT_TRUE(Contains(r.output, "panels\t0\ttrue\tfalse")) << r.output;
}

TEST(Play, ADotCallTellsToCallWithAColon) {
    TempDir dir;
    const PlayResult r = Play(dir, R"(
local obj = CreateObject("tovserver.myQuendal")
obj.InstallPanel(0, 0, 800, 600)
)");
    EXPECT_EQ(r.exit_status, 1);
    EXPECT_TRUE(Contains(r.output,
                         "script.lua:3: 'InstallPanel' is a member of the object: call it as "
                         "obj:InstallPanel(...), with a colon"))
        << r.output;
}

// The frames a run made, from its closing line "... after N frames ...".
long FramesRun(const std::string& output) {
    const size_t at = output.find(" after ");
    return at == std::string::npos ? -1 : std::atol(output.c_str() + at + 7);
}

int TotalDelay(const DecodedGif& gif) {
    int total = 0;
    for (int d : gif.delays)
        total += d;
    return total;
}

TEST(Play, ARecordingPlaysInTheTimeRecordedAtTheDefaultFrameRate) {
    TempDir dir;
    const std::string gif = dir.File("second.gif");
    // One second at 60 frames a second: the GIF plays 100 hundredths, not 120.
    const PlayResult r = Play(dir, "function tick(frame) end", {"--seconds", "1", "--record", gif});
    EXPECT_EQ(r.exit_status, 0) << r.output;
    EXPECT_TRUE(Contains(r.output, "60 of 60 frames")) << r.output;
    DecodedGif decoded;
    std::string error;
    ASSERT_TRUE(DecodeGif(gif, &decoded, &error)) << error;
    EXPECT_EQ(TotalDelay(decoded), 100);
    for (int d : decoded.delays)
        EXPECT_GE(d, 2);
}

TEST(Play, WindowsNeedADisplayAndSayWhenThereIsNone) {
    TempDir dir;
    const std::string script = WriteScript(dir.File("w.lua"), "print('ran')");
    const std::vector<std::string> no_display = {"DISPLAY=", "WAYLAND_DISPLAY="};
    PlayResult r = RunPlay({"--window", script}, no_display);
    EXPECT_EQ(r.exit_status, 2);
    EXPECT_EQ(r.output,
              "tov-play: --window needs a display, and none is reachable (DISPLAY and "
              "WAYLAND_DISPLAY are not set); leave --window out to play headless\n");
    // Without --window the same run is headless.
    r = RunPlay({script}, no_display);
    EXPECT_EQ(r.exit_status, 0) << r.output;
    EXPECT_EQ(r.output, "ran\n");
#if defined(TOV_TEST_WINDOWS)
    // A display that is named but not there.
    r = RunPlay({"--window", script}, {"DISPLAY=:4093", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER=x11",
                                       "ASAN_OPTIONS=detect_leaks=0"});
    EXPECT_EQ(r.exit_status, 2);
    EXPECT_TRUE(Contains(r.output, "tov-play: --window: no display can be opened: ")) << r.output;
    EXPECT_FALSE(Contains(r.output, "ran")) << r.output;
#endif
}

TEST(Play, AHeadlessRunWithoutAnEndSaysOnceHowToStopIt) {
    TempDir dir;
    const char* script = "function tick(frame) if frame == 20 then quit() end end";
    const std::string hint =
        "tov-play: running until the script calls quit(); give --frames or --seconds to end "
        "earlier, or press Ctrl-C to stop\n";
    PlayResult r = Play(dir, script);
    EXPECT_EQ(r.exit_status, 0) << r.output;
    EXPECT_EQ(r.output, hint);
    // A run with an end, and a script without tick, say nothing.
    r = Play(dir, script, {"--frames", "100"});
    EXPECT_EQ(r.output, "");
    r = Play(dir, "print('done')");
    EXPECT_EQ(r.output, "done\n");
}

// Starts a recording that runs until it is stopped and waits until it has made some frames.
// `busy` keeps the script inside tick for ever from frame 30 on.
bool StartEndlessRecording(const TempDir& dir, bool busy, std::unique_ptr<RunningPlay>* play) {
    const std::string script = WriteScript(dir.File("endless.lua"), std::string(R"(
local obj = CreateObject("tovserver.myQuendal")
obj:InstallPanel(0, 0, 64, 32)
function tick(frame)
  obj:ClearArea(0, 0, 64, 32, frame * 4 % 256)
  if frame == 10 then io.open("started", "w"):close() end
)") + (busy ? "  if frame == 30 then while true do end end\n" : "") + "end\n");
    *play = std::make_unique<RunningPlay>(std::vector<std::string>{
        "--headless", "--screen", "64x32", "--record", dir.File("stopped.gif"), script});
    for (int i = 0; i < 600 && !std::filesystem::exists(dir.Path() / "started"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return std::filesystem::exists(dir.Path() / "started");
}

TEST(Play, SigintAndSigtermEndARecordingWithAValidGif) {
    for (const auto& [signal_number, busy, name] :
         {std::tuple{SIGINT, false, "Ctrl-C (SIGINT)"}, {SIGTERM, true, "SIGTERM"}}) {
        TempDir dir;
        std::unique_ptr<RunningPlay> play;
        ASSERT_TRUE(StartEndlessRecording(dir, busy, &play)) << play->Wait().output;
        play->Signal(signal_number);
        const PlayResult r = play->Wait();
        EXPECT_EQ(r.exit_status, 128 + signal_number) << r.output;
        EXPECT_TRUE(Contains(r.output, std::string("tov-play: stopped by ") + name + " after "))
            << r.output;
        EXPECT_TRUE(Contains(r.output, "frames; the recording is complete\n")) << r.output;
        const long frames = FramesRun(r.output);
        EXPECT_GE(frames, busy ? 30 : 11) << r.output;
        if (busy) {
            EXPECT_EQ(frames, 30) << "the frame whose tick never ended is not counted";
        }
        DecodedGif decoded;
        std::string error;
        ASSERT_TRUE(DecodeGif(dir.File("stopped.gif"), &decoded, &error)) << error;
        EXPECT_EQ(TotalDelay(decoded), (frames * 100 + 30) / 60) << frames << " frames";
    }
}

TEST(Play, VersionNamesTheEngineAndHowManyMembersItHas) {
    const PlayResult r = RunPlay({"--version"});
    EXPECT_EQ(r.exit_status, 0) << r.output;
    EXPECT_EQ(r.output.rfind("tov-play 1.", 0), 0u) << r.output;
    EXPECT_TRUE(Contains(r.output, "\ntovserver.myQuendal: ")) << r.output;
    EXPECT_TRUE(Contains(r.output, " of 148 members available\n")) << r.output;
}

}  // namespace
}  // namespace tov::testing
