#include "engine/main_panel.h"

#include <cmath>

#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
namespace ids = platform::main_panel;

namespace {
constexpr double kPi = 3.141592653589793;
}

// The flight direction of each star in degrees. The 26th entry, 2345, acts as 185 through sine
// and cosine; it is kept as it stands since tables rely on the star field it gives.
const std::array<double, MainPanel::kStars> MainPanel::StarAngle = {
    0,   3,   6,   9,   14,  20,  30,  45,   65,  90,  115, 135, 150, 160, 166, 171, 174, 177,
    180, 183, 186, 189, 194, 200, 210, 2345, 255, -90, -65, -45, -30, -20, -14, -9,  -6,  -3};

int MainPanel::InstallPanel(int16_t _PanelXPos, int16_t _PanelYPos, int16_t _PanelWidth,
                            int16_t _PanelHeight) {
    platform::Runtime& rt = engine_.Runtime();
    PanelXPos = _PanelXPos;
    loadedVPTDir = rt.GetDir();
    engine_.BitmapSelection().Empty();

    PanelHandle =
        rt.LoadPanelEx(0, platform::kPublicPanelFile, platform::public_panels::kMainPanel);
    rt.SetPanelAttribute(PanelHandle, Attr::Left, _PanelXPos);
    rt.SetPanelAttribute(PanelHandle, Attr::Top, _PanelYPos);
    rt.SetPanelAttribute(PanelHandle, Attr::Width, _PanelWidth);
    rt.SetPanelAttribute(PanelHandle, Attr::Height, _PanelHeight);
    rt.SetPanelAttribute(PanelHandle, Attr::Sizable, 0);

    rt.SetCtrlAttribute(PanelHandle, ids::kEffectCanvas, Attr::PictureBgColor, platform::kBlack);
    rt.SetCtrlAttribute(PanelHandle, ids::kXyzCanvas, Attr::PictureBgColor, platform::kTransparent);
    rt.SetCtrlAttribute(PanelHandle, ids::kEffectCanvas, Attr::PenColor, platform::kBlack);
    rt.SetCtrlAttribute(PanelHandle, ids::kEffectCanvas, Attr::FillColor, platform::kBlack);
    rt.SetCtrlAttribute(PanelHandle, ids::kConstructCanvas, Attr::PenColor, platform::kBlack);
    rt.SetCtrlAttribute(PanelHandle, ids::kConstructCanvas, Attr::FillColor, platform::kBlack);
    rt.SetCtrlAttribute(PanelHandle, ids::kLinebox, Attr::FrameColor, platform::kTransparent);

    PanelWidth = _PanelWidth;
    PanelHeight = _PanelHeight;
    PanelXCenter = PanelWidth / 2;
    PanelYCenter = PanelHeight / 2;
    // A width of 0 makes the quotient infinite and the angle 90 degrees.
    PanelAngle =
        std::atan(static_cast<double>(PanelHeight) / static_cast<double>(PanelWidth)) * 180.0 / kPi;

    for (int control : {ids::kTextCanvas, ids::kXyzCanvas, ids::kEffectCanvas, ids::kTntText,
                        ids::kMagicStarYellow, ids::kMagicStarGreen, ids::kMagicStarLilac,
                        ids::kMagicStarRed, ids::kConstructCanvas, ids::kLinebox}) {
        ParkControl(control);
    }

    rt.DisplayPanel(PanelHandle);
    FillStarTables();

    PanelColor = 0;
    rt.SetCtrlAttribute(PanelHandle, ids::kDmdCanvas, Attr::PictureBgColor, PanelColor);
    rt.SetCtrlAttribute(PanelHandle, ids::kDmdCanvas, Attr::Left, 0);
    rt.SetCtrlAttribute(PanelHandle, ids::kDmdCanvas, Attr::Top, 0);
    rt.SetCtrlAttribute(PanelHandle, ids::kDmdCanvas, Attr::Width, PanelWidth);
    rt.SetCtrlAttribute(PanelHandle, ids::kDmdCanvas, Attr::Height, PanelHeight);
    rt.SetCtrlAttribute(PanelHandle, ids::kDmdCanvas, Attr::PenWidth, 2);

    FillPixelTable();

    rt.GetCtrlAttribute(PanelHandle, ids::kDmdCanvas, Attr::ZPlanePosition,
                        &OriginalZPlanePosBackground);
    rt.GetCtrlAttribute(PanelHandle, ids::kTextCanvas, Attr::ZPlanePosition,
                        &OriginalZPlanePosScrolltext);
    return 0;
}

void MainPanel::FillStarTables() {
    Random& rand = engine_.Rand();
    for (StarIndex = 0; StarIndex < kStars; ++StarIndex) {
        const int i = StarIndex;
        StarStep[i] = 0;
        StarExp[i] = (rand.Next() % 16 + 5) / 10.0;
        StarRnd = (rand.Next() % 21 + 30) / 100.0;
        Stardx[i] = std::cos(StarAngle[i] * kPi / 180.0) * StarRnd;
        Stardy[i] = std::sin(StarAngle[i] * kPi / 180.0) * StarRnd;
    }
}

void MainPanel::FillPixelTable() {
    // Draw until each of 1..1000 has come once; a value already drawn is drawn again.
    std::array<bool, kPixels + 1> taken{};
    Random& rand = engine_.Rand();
    for (int i = 0; i < kPixels;) {
        const int p = rand.Next() % kPixels + 1;
        if (taken[p]) continue;
        taken[p] = true;
        Pixel[i++] = static_cast<int16_t>(p);
    }
}

int MainPanel::SetPanelFrameVisibility(uint8_t _PanelFrameVisibility) {
    engine_.Runtime().SetPanelAttribute(PanelHandle, Attr::FrameVisible,
                                        _PanelFrameVisibility == 1 ? 1 : 0);
    return 0;
}

int MainPanel::SetPanelUserLock(uint8_t _PanelUserLockYN) {
    platform::Runtime& rt = engine_.Runtime();
    int window = 0;
    engine_.status = rt.GetPanelAttribute(PanelHandle, Attr::SystemWindowHandle, &window);
    if (engine_.status < 0) {
        return engine_.Report(ReportTitle::Warning,
                              "CVI-function 'SetPanelUserLock' failed. First call 'InstallPanel'");
    }
    engine_.HWNDHandle = window;
    if (_PanelUserLockYN == 1) rt.EnableWindow(engine_.HWNDHandle, false);
    if (_PanelUserLockYN == 0) rt.EnableWindow(engine_.HWNDHandle, true);
    return 0;
}

int MainPanel::DiscardPanel() {
    engine_.Runtime().DiscardPanel(PanelHandle);
    return 0;
}

int MainPanel::HidePanel() {
    platform::Runtime& rt = engine_.Runtime();
    rt.SetPanelAttribute(PanelHandle, Attr::Left, kHiddenLeftEdge);
    rt.HidePanel(PanelHandle);
    return 0;
}

int MainPanel::ParkControl(int control) {
    engine_.Runtime().SetCtrlAttribute(PanelHandle, control, Attr::Left, PanelWidth);
    return 0;
}

int MainPanel::ShowPanel() {
    platform::Runtime& rt = engine_.Runtime();
    rt.SetPanelAttribute(PanelHandle, Attr::Left, PanelXPos);
    // Made visible where it stands among the panels: one in front of it, such as the extra
    // panel, stays in front. Only InstallPanel's first display raises the panel.
    rt.SetPanelAttribute(PanelHandle, Attr::Visible, 1);
    return 0;
}

int MainPanel::ChangePanelColor(int32_t _Color) {
    platform::Runtime& rt = engine_.Runtime();
    PanelColor = _Color;
    rt.SetCtrlAttribute(PanelHandle, ids::kDmdCanvas, Attr::ZPlanePosition,
                        PanelColor == 0 ? OriginalZPlanePosBackground : 0);
    rt.SetCtrlAttribute(PanelHandle, ids::kDmdCanvas, Attr::PictureBgColor, PanelColor);
    return 0;
}

int MainPanel::get_ScreenWidth(int16_t* ScreenWidth) {
    int height = 0;
    int width = 0;
    engine_.Runtime().GetScreenSize(&height, &width);
    *ScreenWidth = static_cast<int16_t>(width);
    return 0;
}

int MainPanel::get_ScreenHeight(int16_t* ScreenHeight) {
    int height = 0;
    int width = 0;
    engine_.Runtime().GetScreenSize(&height, &width);
    *ScreenHeight = static_cast<int16_t>(height);
    return 0;
}

namespace {
struct GlobalMouse {
    int x = 0;
    int y = 0;
    bool left = false;
    bool right = false;
};

GlobalMouse ReadMouse(platform::Runtime& rt) {
    GlobalMouse m;
    rt.GetGlobalMouseState(&m.x, &m.y, &m.left, &m.right);
    return m;
}
}  // namespace

int MainPanel::get_MouseXPos(int16_t* MouseXPos) {
    *MouseXPos = static_cast<int16_t>(ReadMouse(engine_.Runtime()).x);
    return 0;
}

int MainPanel::get_MouseYPos(int16_t* MouseYPos) {
    *MouseYPos = static_cast<int16_t>(ReadMouse(engine_.Runtime()).y);
    return 0;
}

int MainPanel::get_LMB(int16_t* LMB) {
    *LMB = ReadMouse(engine_.Runtime()).left ? 1 : 0;
    return 0;
}

int MainPanel::get_RMB(int16_t* RMB) {
    *RMB = ReadMouse(engine_.Runtime()).right ? 1 : 0;
    return 0;
}

int MainPanel::get_MMB(int16_t* MMB) {
    *MMB = engine_.Runtime().MiddleButtonDown() ? 1 : 0;
    return 0;
}

int MainPanel::SetMouseCursorVisibility(uint8_t _MouseCursorVisibility) {
    engine_.Runtime().ShowCursor(_MouseCursorVisibility != 0);
    return 0;
}

}  // namespace tov
