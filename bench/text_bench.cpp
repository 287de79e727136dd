// The ticker's cost must not grow with the text's length: a step only moves the text canvas,
// and composing the screen paints only the part of the text that lies on the panel. Compare the
// /10 and /2500 runs of each benchmark.
#include <string>

#include <benchmark/benchmark.h>

#include "engine/engine.h"

namespace {

std::string TickerText(int length) {
    const std::string pattern = "TOV TICKER 0123456789 +++ ";
    std::string text;
    while (static_cast<int>(text.size()) < length)
        text += pattern;
    text.resize(static_cast<size_t>(length));
    return text;
}

// An engine with a ticker of `length` characters prepared on an 800 x 200 main panel and run
// `steps` steps of 2 pixels in (200: its first characters are on the panel).
void SetUpTicker(tov::Engine& engine, int length, int steps = 200) {
    engine.MainPanel().InstallPanel(0, 0, 800, 200);
    tov::ScrollText& ticker = engine.ScrollText();
    ticker.GenerateTextLeftLoopScrollProc(0, TickerText(length), "DejaVu Sans", 1, 0, 0xFFD040, 24,
                                          2);
    ticker.PrepareTextLeftLoopScrollProc(0);
    for (int i = 0; i < steps; ++i)
        ticker.ShowTextLeftLoopScrollNextStep(0);
}

void BM_TickerStep(benchmark::State& state) {
    tov::Engine engine;
    SetUpTicker(engine, static_cast<int>(state.range(0)));
    tov::ScrollText& ticker = engine.ScrollText();
    for (auto _ : state) {
        ticker.ShowTextLeftLoopScrollNextStep(0);
        benchmark::DoNotOptimize(ticker.ScrollTextPixelOffset);
    }
}
BENCHMARK(BM_TickerStep)->Arg(10)->Arg(2500);

void BM_TickerStepAndCompose(benchmark::State& state) {
    tov::Engine engine;
    SetUpTicker(engine, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    tov::ScrollText& ticker = engine.ScrollText();
    for (auto _ : state) {
        ticker.ShowTextLeftLoopScrollNextStep(0);
        benchmark::DoNotOptimize(engine.Runtime().ComposeScreen().pixels.data());
    }
}
// Second argument: steps run in; 6000 steps put the middle of the long text on the panel.
BENCHMARK(BM_TickerStepAndCompose)
    ->Args({10, 200})
    ->Args({2500, 200})
    ->Args({2500, 6000})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
