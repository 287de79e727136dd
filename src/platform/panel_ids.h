// The panel resource ids and control ids of the two built-in panel files. The engine names its
// controls by these; the built-in tables (panel_files.cpp) define them.
#pragma once

#include <string_view>

namespace tov::platform {

constexpr std::string_view kPublicPanelFile = "tov_public.uir";
constexpr std::string_view kPrivatePanelFile = "tov_private.uir";

// "tov_public.uir"
namespace public_panels {
constexpr int kMainPanel = 1;
constexpr int kFirstSimplePanel = 2;  // simple panels 0..7 are resources 2..9
constexpr int kLastSimplePanel = 9;
}  // namespace public_panels

// Controls of the main panel.
namespace main_panel {
constexpr int kMagicStarLilac = 2;  // picture rings of the magic star
constexpr int kMagicStarGreen = 3;
constexpr int kMagicStarRed = 4;
constexpr int kMagicStarYellow = 5;
constexpr int kXyzCanvas = 6;        // picture: one whole bitmap at a time
constexpr int kConstructCanvas = 7;  // canvas
constexpr int kEffectCanvas = 8;     // canvas
constexpr int kDmdCanvas = 9;        // canvas covering the whole panel
constexpr int kTextCanvas = 10;      // text message
constexpr int kFontScratch = 11;     // text message
constexpr int kTntText = 12;         // text message
constexpr int kDynPic2 = 13;         // picture rings: dynamic pictures 2, 1, 0
constexpr int kDynPic1 = 14;
constexpr int kDynPic0 = 15;
constexpr int kLinebox = 16;  // text box
}  // namespace main_panel

// Control of every simple panel.
namespace simple_panel {
constexpr int kCanvas = 2;
}

// "tov_private.uir"
namespace private_panels {
constexpr int kLedBoardPanel = 1;
constexpr int kExtraPanel = 2;
constexpr int kGemPanel = 3;
constexpr int kWatchPanel = 4;
}  // namespace private_panels

namespace led_board_panel {
constexpr int kFirstLamp = 2;  // LEDs 2..13
constexpr int kLastLamp = 13;
constexpr int kCanvas = 14;
}  // namespace led_board_panel

namespace extra_panel {
constexpr int kFirstSquareLed = 2;  // square LEDs 2..6
constexpr int kLastSquareLed = 6;
constexpr int kTank = 7;
constexpr int kExtraText = 8;
constexpr int kExtraDmdCanvas = 9;
constexpr int kMissionValue = 10;
constexpr int kThermometer = 11;
constexpr int kMultimeter = 12;
constexpr int kMultimeterWarningLed = 13;
constexpr int kClockDisc = 14;
constexpr int kClock = 15;
constexpr int kLevelThermometer = 16;
constexpr int kChart = 17;
constexpr int kSlide = 18;
constexpr int kFirstDynPic = 19;  // dynamic pictures 19..26
constexpr int kLastDynPic = 26;
}  // namespace extra_panel

namespace gem_panel {
constexpr int kPicture = 2;
}

namespace watch_panel {
constexpr int kCanvas = 2;
}

}  // namespace tov::platform
