// Composition of the 1920 x 1080 virtual screen with an 800 x 600 main panel holding all its
// controls in sight, against a memcpy of the screen's bytes. Each benchmark times its baseline
// in the same run and reports `ratio` = composition time / memcpy time.
//
// - changed_canvas: the DMD canvas gets one new point per frame, so the panel and the screen
//   are composed again (the other controls come from their kept pictures);
// - moving_text: the ticker text moves one step per frame, as the scroll text does;
// - unchanged: nothing changed since the last frame;
// - full_change: every pixel of the screen changes (a frameless simple panel over all of it,
//   its canvas filled with another colour); only the composition is timed, not the fill;
// - four_panels: the main panel, the extra panel and two simple panels on the screen, one
//   change a frame in turn on each of them, as the members make them.
#include <benchmark/benchmark.h>

#include <time.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "platform/image_file.h"
#include "platform/panel_ids.h"
#include "platform/runtime.h"

namespace tov::platform {
namespace {

namespace ids = main_panel;

double ThreadNanoseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

// Mean CPU nanoseconds per call of f, over at least 100 ms.
template <typename F>
double NanosecondsPer(F&& f) {
    f();
    int64_t calls = 0;
    const double start = ThreadNanoseconds();
    double now = start;
    do {
        for (int i = 0; i < 4; ++i)
            f();
        calls += 4;
        now = ThreadNanoseconds();
    } while (now - start < 1e8);
    return (now - start) / static_cast<double>(calls);
}

// The main panel at (400, 200) with every control placed inside it and showing something.
struct Scene {
    Runtime rt;
    int panel = 0;
    int frame = 0;

    Scene() {
        const std::string image =
            (std::filesystem::temp_directory_path() / "tov_bench_ring.png").string();
        Surface pattern(64, 64);
        for (size_t i = 0; i < pattern.pixels.size(); ++i) {
            pattern.pixels[i] = static_cast<uint32_t>((i * 2654435761u) >> 8);
        }
        WritePng(image, pattern);
        panel = rt.LoadPanelEx(0, kPublicPanelFile, public_panels::kMainPanel);
        rt.SetPanelAttribute(panel, Attr::Left, 400);
        rt.SetPanelAttribute(panel, Attr::Top, 200);
        rt.SetPanelAttribute(panel, Attr::Width, 800);
        rt.SetPanelAttribute(panel, Attr::Height, 600);
        int x = 10;
        for (int ring : {ids::kMagicStarLilac, ids::kMagicStarGreen, ids::kMagicStarRed,
                         ids::kMagicStarYellow, ids::kDynPic0, ids::kDynPic1, ids::kDynPic2}) {
            rt.InsertListItem(panel, ring, -1, image, 0);
            rt.SetCtrlAttribute(panel, ring, Attr::Left, x);
            rt.SetCtrlAttribute(panel, ring, Attr::Top, 20);
            rt.SetCtrlAttribute(panel, ring, Attr::Visible, 1);
            x += 110;
        }
        int bitmap = 0;
        rt.NewBitmap(pattern, &bitmap);
        rt.SetCtrlBitmap(panel, ids::kXyzCanvas, bitmap);
        Place(ids::kXyzCanvas, 20, 150, 200, 200);
        Place(ids::kConstructCanvas, 240, 150, 200, 200);
        Place(ids::kEffectCanvas, 460, 150, 200, 200);
        rt.CanvasDrawBitmap(panel, ids::kEffectCanvas, bitmap, kWholeArea, kWholeArea);
        rt.SetCtrlAttribute(panel, ids::kTextCanvas, Attr::Left, 0);
        rt.SetCtrlAttribute(panel, ids::kTextCanvas, Attr::Width, 800);
        rt.SetCtrlVal(panel, ids::kTextCanvas,
                      "A ticker text that runs from the right edge of the panel to its left");
        rt.SetCtrlAttribute(panel, ids::kTntText, Attr::Left, 300);
        rt.SetCtrlAttribute(panel, ids::kTntText, Attr::Top, 380);
        rt.SetCtrlVal(panel, ids::kTntText, "Bonus 12.345");
        rt.SetCtrlAttribute(panel, ids::kLinebox, Attr::Left, 200);
        rt.SetCtrlAttribute(panel, ids::kLinebox, Attr::Top, 430);
        for (int i = 0; i < 5; ++i)
            rt.SetCtrlVal(panel, ids::kLinebox, "a line of the credits\n");
        rt.SetCtrlAttribute(panel, ids::kLinebox, Attr::VisibleLines, 5);
        Place(ids::kDmdCanvas, 0, 0, 800, 600);
        rt.DisplayPanel(panel);
        rt.ComposeScreen();
        std::filesystem::remove(image);
    }

    void Place(int control, int left, int top, int width, int height) {
        rt.SetCtrlAttribute(panel, control, Attr::Left, left);
        rt.SetCtrlAttribute(panel, control, Attr::Top, top);
        rt.SetCtrlAttribute(panel, control, Attr::Width, width);
        rt.SetCtrlAttribute(panel, control, Attr::Height, height);
    }
};

// Mean CPU nanoseconds of a memcpy of the 1920 x 1080 screen's bytes.
double ScreenMemcpyNanoseconds() {
    const size_t bytes = size_t{1920} * 1080 * sizeof(uint32_t);
    std::vector<uint32_t> from(1920 * 1080, 1), to(1920 * 1080);
    return NanosecondsPer([&] {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    });
}

template <typename Op>
void Measure(benchmark::State& state, Op&& op) {
    for (auto _ : state) {
        op();
        benchmark::ClobberMemory();
    }
    const double base = ScreenMemcpyNanoseconds();
    const double own = NanosecondsPer([&] {
        op();
        benchmark::ClobberMemory();
    });
    state.counters["ratio"] = own / base;
    state.counters["memcpy_us"] = base / 1000.0;
}

void BM_ComposeScreen_ChangedCanvas(benchmark::State& state) {
    Scene scene;
    Measure(state, [&] {
        const int f = scene.frame++;
        scene.rt.CanvasDrawPoint(scene.panel, ids::kDmdCanvas, MakePoint(f % 800, (f / 800) % 600));
        benchmark::DoNotOptimize(scene.rt.ComposeScreen().pixels.data());
    });
}
BENCHMARK(BM_ComposeScreen_ChangedCanvas);

// Also against a memcpy of the strip the ticker changes: the panel's width times the height of
// its text canvas.
void BM_ComposeScreen_MovingText(benchmark::State& state) {
    Scene scene;
    const auto step = [&] {
        const int f = scene.frame++;
        scene.rt.SetCtrlAttribute(scene.panel, ids::kTextCanvas, Attr::Left, 800 - (f * 3) % 1600);
        benchmark::DoNotOptimize(scene.rt.ComposeScreen().pixels.data());
    };
    Measure(state, step);
    int height = 0;
    scene.rt.GetCtrlAttribute(scene.panel, ids::kTextCanvas, Attr::Height, &height);
    const size_t strip = size_t{800} * static_cast<size_t>(height);
    std::vector<uint32_t> from(strip, 1), to(strip);
    const double base = NanosecondsPer([&] {
        std::memcpy(to.data(), from.data(), strip * sizeof(uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    });
    state.counters["strip_rows"] = height;
    state.counters["vs_strip_memcpy"] = NanosecondsPer([&] {
                                            step();
                                            benchmark::ClobberMemory();
                                        }) /
                                        base;
}
BENCHMARK(BM_ComposeScreen_MovingText);

void BM_ComposeScreen_Unchanged(benchmark::State& state) {
    Scene scene;
    Measure(state, [&] { benchmark::DoNotOptimize(scene.rt.ComposeScreen().pixels.data()); });
}
BENCHMARK(BM_ComposeScreen_Unchanged);

void BM_ComposeScreen_FullChange(benchmark::State& state) {
    Runtime rt;
    int width = 0;
    int height = 0;
    rt.GetScreenSize(&height, &width);
    const int panel = rt.LoadPanelEx(0, kPublicPanelFile, public_panels::kFirstSimplePanel);
    const int canvas = simple_panel::kCanvas;
    rt.SetPanelAttribute(panel, Attr::FrameVisible, 0);
    rt.SetPanelAttribute(panel, Attr::Width, width);
    rt.SetPanelAttribute(panel, Attr::Height, height);
    rt.SetCtrlAttribute(panel, canvas, Attr::Left, 0);
    rt.SetCtrlAttribute(panel, canvas, Attr::Top, 0);
    rt.SetCtrlAttribute(panel, canvas, Attr::Width, width);
    rt.SetCtrlAttribute(panel, canvas, Attr::Height, height);
    rt.DisplayPanel(panel);
    rt.ComposeScreen();
    int frame = 0;
    // A memcpy of the screen's bytes between two buffers of their own, timed in every frame
    // next to the composition, so that both meet the caches as a frame that changes every
    // pixel leaves them: the canvas fill pushes most of the screen out of them.
    std::vector<uint32_t> from(static_cast<size_t>(width) * height, 1);
    std::vector<uint32_t> to(from.size());
    double composing = 0;
    double copying = 0;
    int calls = 0;
    // Fills the canvas with the next colour, untimed; composes the screen and copies, timed.
    const auto frame_of_change = [&] {
        rt.SetCtrlAttribute(panel, canvas, Attr::FillColor, (++frame & 1) ? 0x123456 : 0);
        rt.CanvasDrawRect(panel, canvas, kWholeArea, DrawMode::Interior);
        const double start = ThreadNanoseconds();
        benchmark::DoNotOptimize(rt.ComposeScreen().pixels.data());
        benchmark::ClobberMemory();
        const double composed = ThreadNanoseconds();
        std::memcpy(to.data(), from.data(), from.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
        composing += composed - start;
        copying += ThreadNanoseconds() - composed;
        ++calls;
    };
    for (auto _ : state)
        frame_of_change();
    // At least 100 ms of composition more.
    while (composing < 1e8 || calls < 20)
        frame_of_change();
    const double hot = ScreenMemcpyNanoseconds();
    state.counters["ratio"] = composing / copying;
    state.counters["memcpy_us"] = copying / calls / 1000.0;
    // Against a memcpy repeated on its own, its buffers kept in the caches: for comparison.
    state.counters["ratio_hot"] = composing / calls / hot;
}
BENCHMARK(BM_ComposeScreen_FullChange);

// The main panel (640 x 240 at (40, 40)), the extra panel beside it, two simple panels below
// it; each frame changes one of them, in turn: a number on the main DMD, a text on the extra
// DMD, a number on each simple panel's DMD.
void BM_ComposeScreen_FourPanels(benchmark::State& state) {
    bench::BenchEngine bench_engine;
    Engine& e = bench_engine.Get();
    Runtime& rt = e.Runtime();
    e.MainPanel().InstallPanel(40, 40, 640, 240);
    e.ExtraPanel().InstallExtraPanel(720, 40, 400, 200);
    e.SimplePanels().InstallSimplePanel(0, 1, 40, 320, 320, 120);
    e.SimplePanels().InstallSimplePanel(1, 0, 400, 320, 320, 120);
    // The DMD's font strip: cells of 18 x 24 pixels with a pattern, in slot 2, shared by every
    // DMD of the four panels.
    Surface strip(18 * 75, 24);
    for (int y = 0; y < strip.height; ++y)
        for (int x = 0; x < strip.width; ++x)
            strip.At(x, y) = ((x / 3 + y / 3) % 2 != 0) ? 0xFF8C1Au : 0x301800u;
    int bitmap = 0;
    rt.NewBitmap(strip, &bitmap);
    e.BitmapSelection().Replace(2, bitmap);
    e.BitmapSelection().BitmapFrameWidth[2] = 18;
    e.BitmapSelection().BitmapFrameHeight[2] = 24;
    e.Dmd().SetDMDAttr(10, 60, 2.0, 2.0, 2, 0, 1);
    for (int16_t n = 0; n < 2; ++n)
        e.SimplePanels().SetSimplePanelDMDAttr(n, 0, 30, 1.0, 1.0, 2, 0, 0);
    rt.ComposeScreen();
    int frame = 0;
    Measure(state, [&] {
        const int f = frame++;
        switch (f % 4) {
            case 0:
                e.Dmd().ShowDMDNumeric(1000000.0 + f);
                break;
            case 1:
                e.Dmd().ShowExtraText((f & 4) != 0 ? "EXTRA BALL" : "REPLAY");
                break;
            default:
                e.SimplePanels().ShowSimplePanelDMDNumeric(static_cast<int16_t>(f % 4 - 2), f);
                break;
        }
        benchmark::DoNotOptimize(rt.ComposeScreen().pixels.data());
    });
}
BENCHMARK(BM_ComposeScreen_FourPanels);

}  // namespace
}  // namespace tov::platform
