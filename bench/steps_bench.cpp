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

// The extra panel (800 x 600 at 0, 0) with every gauge set up, 200 pixels wide, values 0..100.
void SetUpGauges(tov::Engine& e) {
    e.ExtraPanel().InstallExtraPanel(0, 0, 800, 600);
    tov::Gauges& g = e.Gauges();
    g.SetTankAttr(10, 10, 60, 200, 0, 100, "DejaVu Sans", 10, 0x101010, 0x2080F0, 0xF0F0F0);
    g.SetThermometerAttr(100, 10, 60, 200, 0, 100, "DejaVu Sans", 10, "Heat", 0x101010, 0xF02020,
                         0xF0F0F0);
    g.SetMultimeterAttr(200, 10, 200, 0, 100, 20, "DejaVu Sans", 10, 0x202020, 0xFFFFFF, 0,
                        0xFF0000, 0x00FF00, 0x004000);
    g.SetClockAttr(420, 10, 200, 0, 60, 90, -270, "DejaVu Sans", 10, 0xFF0000, 0x00FF00, 0xFFFFFF,
                   0x000000);
    g.SetVPSlideAttr(640, 10, 60, 200, 40, 20, 0, 100, "DejaVu Sans", 10, "Power", 0x101010,
                     0x20F020, 0xC0C0C0, 0xF0F0F0);
    g.SetLevelThermometerAttr(10, 300, 60, 200, "DejaVu Sans", 10, "Level", 0x101010, 0x2020F0,
                              0xF0F0F0);
    for (int16_t level = 0; level < 5; ++level)
        g.SetLevelThermometerLevelText(level, "Level " + std::to_string(level));
    g.SetMissionValueAttr(200, 300, 200, "Mission", "DejaVu Sans", 24, 0xFFFFFF, 0x000000);
    g.SetTankVisibility(1);
    g.SetThermometerVisibility(1);
    g.SetMultimeterVisibility(1);
    g.SetClockVisibility(1);
    g.SetVPSlideVisibility(1);
    g.SetLevelThermometerVisibility(1);
    g.SetMissionValueVisibility(1);
}

void ComposeExtraPanel(tov::Engine& e) {
    tov::platform::Rect changed{};
    e.Runtime().ComposedPanelPixels(e.ExtraPanel().ExtraPanelHandle, &changed);
}

// Simple panel 0 (320 x 60 at 820, 0) showing the DMD font of slot 2.
void SetUpSimplePanel(tov::Engine& e) {
    SetUpDmd(e);
    e.SimplePanels().InstallSimplePanel(0, 1, 820, 0, 320, 60);
    e.SimplePanels().SetSimplePanelDMDAttr(0, 4, 4, 1.0, 2.0, 2, 0, 1);
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
    // The gauges on the extra panel, each 200 pixels high or wide: a new value, and the extra
    // panel composed again, where the gauge's new look is drawn.
    {"Gauges/SetTankValue + composition", size_t{4} * 60 * 200, SetUpGauges,
     [](tov::Engine& e, int n) {
         e.Gauges().SetTankValue(static_cast<int16_t>(n));
         ComposeExtraPanel(e);
     }},
    {"Gauges/SetThermometerValue + composition", size_t{4} * 60 * 200, SetUpGauges,
     [](tov::Engine& e, int n) {
         e.Gauges().SetThermometerValue(static_cast<int16_t>(n));
         ComposeExtraPanel(e);
     }},
    {"Gauges/SetMultimeterValue + composition", size_t{4} * 200 * 200, SetUpGauges,
     [](tov::Engine& e, int n) {
         e.Gauges().SetMultimeterValue(static_cast<int16_t>(n));
         ComposeExtraPanel(e);
     }},
    {"Gauges/SetClockValue + composition", size_t{4} * 200 * 200, SetUpGauges,
     [](tov::Engine& e, int n) {
         e.Gauges().SetClockValue(static_cast<int16_t>(n % 61));
         ComposeExtraPanel(e);
     }},
    {"Gauges/SetVPSlideValue + composition", size_t{4} * 60 * 200, SetUpGauges,
     [](tov::Engine& e, int n) {
         e.Gauges().SetVPSlideValue(static_cast<int16_t>(n));
         ComposeExtraPanel(e);
     }},
    {"Gauges/SetLevelThermometerLevel + composition", size_t{4} * 60 * 200, SetUpGauges,
     [](tov::Engine& e, int n) {
         e.Gauges().SetLevelThermometerLevel(static_cast<uint8_t>(n % 5));
         ComposeExtraPanel(e);
     }},
    {"Gauges/SetMissionValue + composition", size_t{4} * 200 * 60, SetUpGauges,
     [](tov::Engine& e, int n) {
         e.Gauges().SetMissionValue(1234567 + n);
         ComposeExtraPanel(e);
     }},
    // The DMD of a 320 x 60 simple panel.
    {"SimplePanels/ShowSimplePanelDMDNumeric", size_t{4} * 320 * 60, SetUpSimplePanel,
     [](tov::Engine& e, int n) { e.SimplePanels().ShowSimplePanelDMDNumeric(0, 1234567.0 + n); }},
    {"SimplePanels/ShowSimplePanelDMDText", size_t{4} * 320 * 60, SetUpSimplePanel,
     [](tov::Engine& e, int n) {
         e.SimplePanels().ShowSimplePanelDMDText(0, n % 2 != 0 ? "REPLAY 12" : "EXTRA BALL");
     }},
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
