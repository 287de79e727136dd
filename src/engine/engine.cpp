#include "engine/engine.h"

namespace tov {

std::string_view TitleText(ReportTitle title) {
    switch (title) {
        case ReportTitle::FatalError:
            return "fatal error";
        case ReportTitle::Warning:
            return "warning";
        case ReportTitle::Error:
            return "Error";
        case ReportTitle::MemoryStatusReport:
            return "memory status report";
    }
    return "Error";
}

Engine::Engine(std::unique_ptr<platform::Presenter> presenter)
    : runtime_(std::make_unique<platform::Runtime>(std::move(presenter))),
      mainpanel_(std::make_unique<tov::MainPanel>(*this)),
      fontsservices_(std::make_unique<tov::FontsAndServices>(*this)),
      bitmapselection_(std::make_unique<tov::BitmapSelection>(*this)),
      capture_(std::make_unique<tov::Capture>(*this)),
      areadrawing_(std::make_unique<tov::AreaDrawing>(*this)),
      dmd_(std::make_unique<tov::Dmd>(*this)),
      extrapanel_(std::make_unique<tov::ExtraPanel>(*this)),
      frameanim_(std::make_unique<tov::FrameAnim>(*this)),
      xyzanim_(std::make_unique<tov::XyzAnim>(*this)),
      scrolltext_(std::make_unique<tov::ScrollText>(*this)),
      zoomtext_(std::make_unique<tov::ZoomText>(*this)),
      staranim_(std::make_unique<tov::StarAnim>(*this)),
      tntcounter_(std::make_unique<tov::TntCounter>(*this)),
      linebox_(std::make_unique<tov::Linebox>(*this)),
      fadeinout_(std::make_unique<tov::FadeInOut>(*this)),
      fadeover_(std::make_unique<tov::FadeOver>(*this)),
      lamella_(std::make_unique<tov::Lamella>(*this)),
      pixelpic_(std::make_unique<tov::PixelPic>(*this)),
      rotatingpic_(std::make_unique<tov::RotatingPic>(*this)),
      wave_(std::make_unique<tov::Wave>(*this)),
      magicstar_(std::make_unique<tov::MagicStar>(*this)),
      bitmapconstruct_(std::make_unique<tov::BitmapConstruct>(*this)),
      squarefade_(std::make_unique<tov::SquareFade>(*this)),
      gauges_(std::make_unique<tov::Gauges>(*this)),
      indicators_(std::make_unique<tov::Indicators>(*this)),
      watchpanel_(std::make_unique<tov::WatchPanel>(*this)),
      gempanel_(std::make_unique<tov::GemPanel>(*this)),
      ledboard_(std::make_unique<tov::LedBoard>(*this)),
      simplepanels_(std::make_unique<tov::SimplePanels>(*this)),
      highscores_(std::make_unique<tov::Highscores>(*this)) {}

Engine::~Engine() = default;

int Engine::Report(ReportTitle title, std::string_view text) {
    ErrorMessage.assign(text);
    runtime_->MessagePopup(TitleText(title), ErrorMessage);
    return -1;
}

}  // namespace tov
