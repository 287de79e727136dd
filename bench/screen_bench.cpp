// Composition of the 1920 x 1080 virtual screen with an 800 x 600 main panel holding all its
// controls in sight, against a memcpy of the screen's bytes. Each benchmark times its baseline
// in the same run and reports `ratio` = composition time / memcpy time.
//
// - changed_canvas: the DMD canvas gets one new point per frame, so the panel and the screen
//   are composed again (the other controls come from their kept pictures);
// - moving_text: the ticker text moves one step per frame, as the scroll text does;
// - unchanged: nothing changed since the last frame.
#include <benchmark/benchmark.h>

#include <time.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

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

template <typename Op>
void Measure(benchmark::State& state, Op&& op) {
    const size_t bytes = size_t{1920} * 1080 * sizeof(uint32_t);
    std::vector<uint32_t> from(1920 * 1080, 1), to(1920 * 1080);
    for (auto _ : state) {
        op();
        benchmark::ClobberMemory();
    }
    const double base = NanosecondsPer([&] {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    });
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

void BM_ComposeScreen_MovingText(benchmark::State& state) {
    Scene scene;
    Measure(state, [&] {
        const int f = scene.frame++;
        scene.rt.SetCtrlAttribute(scene.panel, ids::kTextCanvas, Attr::Left, 800 - (f * 3) % 1600);
        benchmark::DoNotOptimize(scene.rt.ComposeScreen().pixels.data());
    });
}
BENCHMARK(BM_ComposeScreen_MovingText);

void BM_ComposeScreen_Unchanged(benchmark::State& state) {
    Scene scene;
    Measure(state, [&] { benchmark::DoNotOptimize(scene.rt.ComposeScreen().pixels.data()); });
}
BENCHMARK(BM_ComposeScreen_Unchanged);

}  // namespace
}  // namespace tov::platform
