// The Engine: the run-time plus one object per subsystem, holding all engine state.
//
// The server drives one process-wide Engine (all objects of the class share it); every test
// builds its own over a headless runtime. Subsystems reach each other only through the Engine.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/random.h"
#include "platform/runtime.h"

#include "effects/bitmap_construct.h"
#include "effects/fade_in_out.h"
#include "effects/fade_over.h"
#include "effects/frame_anim.h"
#include "effects/lamella.h"
#include "effects/linebox.h"
#include "effects/magic_star.h"
#include "effects/pixel_pic.h"
#include "effects/rotating_pic.h"
#include "effects/scroll_text.h"
#include "effects/square_fade.h"
#include "effects/star_anim.h"
#include "effects/tnt_counter.h"
#include "effects/wave.h"
#include "effects/xyz_anim.h"
#include "effects/zoom_text.h"
#include "engine/area_drawing.h"
#include "engine/bitmap_selection.h"
#include "engine/capture.h"
#include "engine/dmd.h"
#include "engine/extra_panel.h"
#include "engine/fonts_services.h"
#include "engine/main_panel.h"
#include "panels/gauges.h"
#include "panels/gem_panel.h"
#include "panels/indicators.h"
#include "panels/led_board.h"
#include "panels/simple_panels.h"
#include "panels/watch_panel.h"
#include "scores/highscores.h"

namespace tov {

// The three titles of the engine's reports, and the title of the memory report, which is shown
// the same way.
enum class ReportTitle { FatalError, Warning, Error, MemoryStatusReport };
std::string_view TitleText(ReportTitle title);

class Engine {
  public:
    // An engine over the given presenter; with none, over a headless one.
    explicit Engine(std::unique_ptr<platform::Presenter> presenter = nullptr);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    platform::Runtime& Runtime() { return *runtime_; }

    // Shows `text` under `title` as a modal popup (the one way the engine reports) and returns
    // -1, the status of the failing member. The text is kept in ErrorMessage.
    int Report(ReportTitle title, std::string_view text);

    // The engine's own rand(): never seeded, the same sequence in every process.
    Random& Rand() { return random_; }

    // Shared scratch globals under their documented names.
    std::string ErrorMessage;  // the text of the last report
    int status = 0;            // the result of the last checked run-time call
    intptr_t HWNDHandle = 0;   // the window handle last read for a user lock

    tov::MainPanel& MainPanel() { return *mainpanel_; }
    tov::FontsAndServices& FontsAndServices() { return *fontsservices_; }
    tov::BitmapSelection& BitmapSelection() { return *bitmapselection_; }
    tov::Capture& Capture() { return *capture_; }
    tov::AreaDrawing& AreaDrawing() { return *areadrawing_; }
    tov::Dmd& Dmd() { return *dmd_; }
    tov::ExtraPanel& ExtraPanel() { return *extrapanel_; }
    tov::FrameAnim& FrameAnim() { return *frameanim_; }
    tov::XyzAnim& XyzAnim() { return *xyzanim_; }
    tov::ScrollText& ScrollText() { return *scrolltext_; }
    tov::ZoomText& ZoomText() { return *zoomtext_; }
    tov::StarAnim& StarAnim() { return *staranim_; }
    tov::TntCounter& TntCounter() { return *tntcounter_; }
    tov::Linebox& Linebox() { return *linebox_; }
    tov::FadeInOut& FadeInOut() { return *fadeinout_; }
    tov::FadeOver& FadeOver() { return *fadeover_; }
    tov::Lamella& Lamella() { return *lamella_; }
    tov::PixelPic& PixelPic() { return *pixelpic_; }
    tov::RotatingPic& RotatingPic() { return *rotatingpic_; }
    tov::Wave& Wave() { return *wave_; }
    tov::MagicStar& MagicStar() { return *magicstar_; }
    tov::BitmapConstruct& BitmapConstruct() { return *bitmapconstruct_; }
    tov::SquareFade& SquareFade() { return *squarefade_; }
    tov::Gauges& Gauges() { return *gauges_; }
    tov::Indicators& Indicators() { return *indicators_; }
    tov::WatchPanel& WatchPanel() { return *watchpanel_; }
    tov::GemPanel& GemPanel() { return *gempanel_; }
    tov::LedBoard& LedBoard() { return *ledboard_; }
    tov::SimplePanels& SimplePanels() { return *simplepanels_; }
    tov::Highscores& Highscores() { return *highscores_; }

  private:
    std::unique_ptr<platform::Runtime> runtime_;
    Random random_;
    std::unique_ptr<tov::MainPanel> mainpanel_;
    std::unique_ptr<tov::FontsAndServices> fontsservices_;
    std::unique_ptr<tov::BitmapSelection> bitmapselection_;
    std::unique_ptr<tov::Capture> capture_;
    std::unique_ptr<tov::AreaDrawing> areadrawing_;
    std::unique_ptr<tov::Dmd> dmd_;
    std::unique_ptr<tov::ExtraPanel> extrapanel_;
    std::unique_ptr<tov::FrameAnim> frameanim_;
    std::unique_ptr<tov::XyzAnim> xyzanim_;
    std::unique_ptr<tov::ScrollText> scrolltext_;
    std::unique_ptr<tov::ZoomText> zoomtext_;
    std::unique_ptr<tov::StarAnim> staranim_;
    std::unique_ptr<tov::TntCounter> tntcounter_;
    std::unique_ptr<tov::Linebox> linebox_;
    std::unique_ptr<tov::FadeInOut> fadeinout_;
    std::unique_ptr<tov::FadeOver> fadeover_;
    std::unique_ptr<tov::Lamella> lamella_;
    std::unique_ptr<tov::PixelPic> pixelpic_;
    std::unique_ptr<tov::RotatingPic> rotatingpic_;
    std::unique_ptr<tov::Wave> wave_;
    std::unique_ptr<tov::MagicStar> magicstar_;
    std::unique_ptr<tov::BitmapConstruct> bitmapconstruct_;
    std::unique_ptr<tov::SquareFade> squarefade_;
    std::unique_ptr<tov::Gauges> gauges_;
    std::unique_ptr<tov::Indicators> indicators_;
    std::unique_ptr<tov::WatchPanel> watchpanel_;
    std::unique_ptr<tov::GemPanel> gempanel_;
    std::unique_ptr<tov::LedBoard> ledboard_;
    std::unique_ptr<tov::SimplePanels> simplepanels_;
    std::unique_ptr<tov::Highscores> highscores_;
};

}  // namespace tov
