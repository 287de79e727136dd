// Every step method of the engine, one line of the table each: its set-up, its step and the
// bytes the step writes, against which it is compared with a memcpy of as many bytes measured
// in the same run. A member bound later adds its line here.
#include <cstdint>
#include <string>

#include "bench_support.h"
#include "platform/panel_ids.h"

namespace tov::bench {
namespace {

namespace ids = tov::platform::main_panel;

// A step benchmark: `set_up` runs once on a fresh BenchEngine, `step` runs per call with a
// number n that varies between calls.
struct StepBench {
    const char* name;
    size_t bytes;  // what one step writes, for the memcpy it is compared with
    void (*set_up)(tov::Engine&);
    void (*step)(tov::Engine&, int n);
};

// The DMD's font strip: cells of 18 x 24 pixels with a pattern, in slot 2.
void SetUpDmd(tov::Engine& e) {
    tov::platform::Surface strip(18 * 75, 24);
    for (int y = 0; y < strip.height; ++y)
        for (int x = 0; x < strip.width; ++x)
            strip.At(x, y) = ((x / 3 + y / 3) % 2 != 0) ? 0xFF8C1Au : 0x301800u;
    int bitmap = 0;
    e.Runtime().NewBitmap(strip, &bitmap);
    e.BitmapSelection().Replace(2, bitmap);
    e.BitmapSelection().BitmapFrameWidth[2] = 18;
    e.BitmapSelection().BitmapFrameHeight[2] = 24;
    e.Dmd().SetDMDAttr(10, 100, 3.0, 3.0, 2, 0, 1);
}

constexpr size_t kPanelBytes = size_t{4} * kPanelWidth * kPanelHeight;
constexpr size_t kPicturePixelBytes = size_t{4} * kPictureWidth * kPictureHeight;

const StepBench kSteps[] = {
    {"FadeInOut/ChangeBitmapFadeInOutBrightness", kPictureBytes,
     [](tov::Engine& e) { e.FadeInOut().SetBitmapFadeInOutAttr(0, 0, 0, 1.0, 1.0); },
     [](tov::Engine& e, int n) {
         e.FadeInOut().ChangeBitmapFadeInOutBrightness(static_cast<int16_t>(n % 101));
     }},
    {"FadeOver/ChangeBitmapFadeOverIntensity", kPictureBytes,
     [](tov::Engine& e) {
         e.FadeOver().SetBitmapFadeOverAttr(0, 1, 0, 0, kPictureWidth, kPictureHeight);
     },
     [](tov::Engine& e, int n) {
         e.FadeOver().ChangeBitmapFadeOverIntensity(static_cast<uint8_t>(n % 101));
     }},
    // Step 99 of a fade in: 19 passes of 125 pixels, each a 2 x 2 block.
    {"PixelPic/ShowPixelPicStep(19 passes)", size_t{4} * 4 * 19 * 125,
     [](tov::Engine& e) { e.PixelPic().SetPixelPicAttr(0, 0, 2.0, 2.0, 0, 1); },
     [](tov::Engine& e, int) {
         e.PixelPic().PixelPicAmountPixelDrawnOf1000 = 0;
         e.PixelPic().ShowPixelPicStep(99);
     }},
    {"Lamella/ShowLamellaStep", kPicturePixelBytes,
     [](tov::Engine& e) { e.Lamella().SetLamellaAttr(0, 0, 0, 1.0, 1.0, 20, 1, 0); },
     [](tov::Engine& e, int n) { e.Lamella().ShowLamellaStep(static_cast<int16_t>(n % 20)); }},
    {"Dmd/ShowDMDNumeric", kPanelBytes, SetUpDmd,
     [](tov::Engine& e, int n) { e.Dmd().ShowDMDNumeric(9876543210.0 + n); }},
    {"Dmd/ShowDMDText", kPanelBytes, SetUpDmd,
     [](tov::Engine& e, int n) { e.Dmd().ShowDMDText(n % 2 != 0 ? "REPLAY 12" : "EXTRA BALL"); }},
    // The ticker moves its text canvas: the strip it covers on the panel changes.
    {"ScrollText/ShowTextLeftLoopScrollNextStep", size_t{4} * kPanelWidth * 30,
     [](tov::Engine& e) {
         e.ScrollText().GenerateTextLeftLoopScrollProc(
             0, "TOV TICKER 0123456789 +++ TOV TICKER 0123456789 +++", "DejaVu Sans", 1, 0,
             0xFFD040, 24, 2);
         e.ScrollText().PrepareTextLeftLoopScrollProc(0);
     },
     [](tov::Engine& e, int) { e.ScrollText().ShowTextLeftLoopScrollNextStep(0); }},
    {"TntCounter/ShowTNT", size_t{4} * 400 * 40,
     [](tov::Engine& e) {
         e.TntCounter().SetTNTAttr("Bonus ", " points", "DejaVu Sans", 1, 0, 0xFFFFFF, 30, -1, -1,
                                   -1);
     },
     [](tov::Engine& e, int n) { e.TntCounter().ShowTNT(12345 + n); }},
    {"Linebox/ShowUpLoopScrollNextStep", size_t{4} * 400 * kPanelHeight,
     [](tov::Engine& e) {
         e.Linebox().SetUpLoopScrollAttr(200, 400, "DejaVu Sans", 20, 0xFFFFFF, 0, 0, 2);
         for (int i = 0; i < 10; ++i)
             e.Linebox().AddLineboxLine("a line of the credits " + std::to_string(i));
     },
     [](tov::Engine& e, int) { e.Linebox().ShowUpLoopScrollNextStep(); }},
    // Frames of 100 x 250 pixels cut from the picture in slot 0.
    {"FrameAnim/ShowFrameAnimFrame", size_t{4} * 100 * kPictureHeight,
     [](tov::Engine& e) {
         e.BitmapSelection().BitmapFrameWidth[0] = 100;
         e.BitmapSelection().BitmapFrameHeight[0] = kPictureHeight;
         e.FrameAnim().GenerateFrameAnim(0, 0, 100, kPictureHeight, -1, -1);
         e.FrameAnim().PrepareFrameAnim(0);
     },
     [](tov::Engine& e, int n) {
         e.FrameAnim().ShowFrameAnimFrame(0, static_cast<int16_t>(n % 5));
     }},
    {"ZoomText/ShowTextZoomStep", size_t{4} * kPanelWidth * 80,
     [](tov::Engine& e) {
         e.ZoomText().GenerateTextZoomProc(0, "JACKPOT", "DejaVu Sans", 1, 0, 0xFFD040, 1, 10, 72);
         e.ZoomText().PrepareTextZoomProc(0);
     },
     [](tov::Engine& e, int n) { e.ZoomText().ShowTextZoomStep(0, static_cast<int16_t>(n)); }},
    // A 200 x 100 section of the picture onto the DMD canvas.
    {"AreaDrawing/DrawArea", size_t{4} * 200 * 100, [](tov::Engine&) {},
     [](tov::Engine& e, int n) {
         e.AreaDrawing().DrawArea(0, static_cast<int16_t>(n), 50, 200, 100, 100, 100);
     }},
};

// The two run-time calls of a fade step on their own, to show where a step's time goes:
// handing the bytes to the working bitmap (SetBitmapData keeps a copy of the rows; the step
// itself hands them over without one), and drawing it over the effect canvas (which converts
// the kept rows into the run-time's pixels).
const StepBench kFadeParts[] = {
    {"FadeInOut/part: SetBitmapData", kPictureBytes,
     [](tov::Engine& e) { e.FadeInOut().SetBitmapFadeInOutAttr(0, 0, 0, 1.0, 1.0); },
     [](tov::Engine& e, int) {
         const tov::PixelBuffers& buffers = e.FadeInOut().Buffers();
         e.Runtime().SetBitmapData(
             e.BitmapSelection().Handle(tov::BitmapSelection::kFadeWorkingBitmap),
             buffers.layout.bytes_per_row, buffers.layout.pixel_depth,
             buffers.BitmapWorkingColorField, {});
     }},
    // After one step the working bitmap holds the step's rows, which the draw converts.
    {"FadeInOut/part: CanvasDrawBitmap", kPictureBytes,
     [](tov::Engine& e) {
         e.FadeInOut().SetBitmapFadeInOutAttr(0, 0, 0, 1.0, 1.0);
         e.FadeInOut().ChangeBitmapFadeInOutBrightness(50);
     },
     [](tov::Engine& e, int) {
         e.Runtime().CanvasDrawBitmap(
             e.MainPanel().PanelHandle, ids::kEffectCanvas,
             e.BitmapSelection().Handle(tov::BitmapSelection::kFadeWorkingBitmap),
             tov::platform::kWholeArea, tov::platform::kWholeArea);
     }},
};

void Register(const StepBench& bench) {
    benchmark::RegisterBenchmark(bench.name, [&bench](benchmark::State& state) {
        BenchEngine engine;
        bench.set_up(engine.Get());
        RunAgainstMemcpy(state, bench.bytes, [&](int n) { bench.step(engine.Get(), n); });
    })->Unit(benchmark::kMicrosecond);
}

const bool kRegistered = [] {
    for (const StepBench& bench : kSteps)
        Register(bench);
    for (const StepBench& bench : kFadeParts)
        Register(bench);
    return true;
}();

}  // namespace
}  // namespace tov::bench
