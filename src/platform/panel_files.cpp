// Sections: the main panel; the simple panels; the LED board panel; the extra panel; the gem
// and watch panels; finding and building panels.
//
// Controls that an effect parks start just beyond the right edge of their panel; the font
// scratch text, which is only ever captured, lies far beyond it. The extra panel's gauges and
// indicators start hidden until their visibility methods show them; its DMD canvas lies behind
// everything and fills the panel.
#include "platform/panel_files.h"

#include <cctype>
#include <string>

#include "platform/controls/control_kinds.h"
#include "platform/panel_ids.h"

namespace tov::platform {

namespace {

using Look = std::vector<std::pair<Attr, AttrValue>>;

constexpr Color kYellow = 0xFFFF00;
constexpr Color kLabelGrey = 0xE0E0E0;

// A text in a face, size and colour on a background.
Look TextLook(const char* face, int size, Color color, Color background) {
    return {{Attr::TextFont, std::string(face)},
            {Attr::TextPointSize, size},
            {Attr::TextColor, color},
            {Attr::TextBgColor, background}};
}

// A label of the given text, centred over the control, its top edge at `top`.
Look LabelAbove(const char* text, int top) {
    return {{Attr::LabelText, std::string(text)}, {Attr::LabelFont, std::string("Arial")},
            {Attr::LabelPointSize, 11},           {Attr::LabelColor, kLabelGrey},
            {Attr::LabelLeft, kLabelCentred},     {Attr::LabelTop, top}};
}

Look Join(Look a, const Look& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// ---- the main panel --------------------------------------------------------------------------

PanelSpec MainPanel() {
    namespace ids = main_panel;
    constexpr int kParked = 800;  // the panel's width in the file
    PanelSpec p{kPublicPanelFile, public_panels::kMainPanel, "tov", 800, 600, kBlack, true, {}};
    const Look star = {{Attr::PictureBgColor, kTransparent}};
    const Look dynamic = {{Attr::PictureBgColor, kTransparent}};
    p.controls = {
        {ids::kTntText, ControlKind::TextMessage, kParked, 280, 300, 30, true,
         Join(TextLook("Arial", 24, kYellow, kTransparent), {{Attr::TextBold, 1}})},
        {ids::kLinebox, ControlKind::TextBox, kParked, 600, 400, 30, true,
         Join(TextLook("Arial", 16, kWhite, kTransparent),
              {{Attr::FrameColor, kTransparent}, {Attr::VisibleLines, 1}})},
        {ids::kMagicStarYellow, ControlKind::PictureRing, kParked, 0, 32, 32, true, star},
        {ids::kMagicStarGreen, ControlKind::PictureRing, kParked, 0, 32, 32, true, star},
        {ids::kMagicStarLilac, ControlKind::PictureRing, kParked, 0, 32, 32, true, star},
        {ids::kMagicStarRed, ControlKind::PictureRing, kParked, 0, 32, 32, true, star},
        {ids::kDynPic2, ControlKind::PictureRing, 230, 10, 100, 100, false, dynamic},
        {ids::kDynPic1, ControlKind::PictureRing, 120, 10, 100, 100, false, dynamic},
        {ids::kDynPic0, ControlKind::PictureRing, 10, 10, 100, 100, false, dynamic},
        {ids::kXyzCanvas,
         ControlKind::Picture,
         kParked,
         0,
         200,
         200,
         true,
         {{Attr::PictureBgColor, kTransparent}}},
        {ids::kConstructCanvas,
         ControlKind::Canvas,
         kParked,
         0,
         200,
         200,
         true,
         {{Attr::PictureBgColor, kBlack}, {Attr::PenColor, kBlack}, {Attr::FillColor, kBlack}}},
        {ids::kEffectCanvas,
         ControlKind::Canvas,
         kParked,
         0,
         200,
         200,
         true,
         {{Attr::PictureBgColor, kBlack}, {Attr::PenColor, kBlack}, {Attr::FillColor, kBlack}}},
        {ids::kTextCanvas, ControlKind::TextMessage, kParked, 288, 400, 30, true,
         TextLook("Arial", 24, kWhite, kTransparent)},
        {ids::kFontScratch, ControlKind::TextMessage, 30000, 0, 100, 30, true,
         TextLook("Arial", 24, kWhite, kBlack)},
        {ids::kDmdCanvas,
         ControlKind::Canvas,
         0,
         0,
         800,
         600,
         true,
         {{Attr::PictureBgColor, kBlack}, {Attr::PenColor, kWhite}, {Attr::FillColor, kBlack}}},
    };
    return p;
}

// ---- the simple panels -----------------------------------------------------------------------

PanelSpec SimplePanel(int resource) {
    static const char* const kTitles[] = {"simple panel 0", "simple panel 1", "simple panel 2",
                                          "simple panel 3", "simple panel 4", "simple panel 5",
                                          "simple panel 6", "simple panel 7"};
    const int number = resource - public_panels::kFirstSimplePanel;
    PanelSpec p{kPublicPanelFile, resource, kTitles[number], 320, 80, kBlack, true, {}};
    p.controls = {
        {simple_panel::kCanvas,
         ControlKind::Canvas,
         0,
         0,
         320,
         80,
         true,
         {{Attr::PictureBgColor, kBlack}, {Attr::PenColor, kWhite}, {Attr::FillColor, kBlack}}},
    };
    return p;
}

// ---- the LED board panel ---------------------------------------------------------------------

PanelSpec LedBoardPanel() {
    PanelSpec p{
        kPrivatePanelFile, private_panels::kLedBoardPanel, "LED board", 400, 300, kBlack, true, {}};
    // Lamp numbers 1..12 by control id 2..13, the same table the lamp methods use.
    static constexpr int kLampOfControl[12] = {9, 10, 5, 7, 8, 4, 6, 11, 2, 1, 3, 12};
    static const char* const kCaptions[] = {"Lamp 1", "Lamp 2",  "Lamp 3",  "Lamp 4",
                                            "Lamp 5", "Lamp 6",  "Lamp 7",  "Lamp 8",
                                            "Lamp 9", "Lamp 10", "Lamp 11", "Lamp 12"};
    for (int id = led_board_panel::kFirstLamp; id <= led_board_panel::kLastLamp; ++id) {
        const int lamp = kLampOfControl[id - led_board_panel::kFirstLamp];
        const int column = (lamp - 1) % 4;
        const int row = (lamp - 1) / 4;
        p.controls.push_back({id,
                              ControlKind::Led,
                              40 + column * 90,
                              50 + row * 85,
                              20,
                              20,
                              true,
                              {{Attr::OnColor, 0xFFD020},
                               {Attr::OffColor, 0x403010},
                               {Attr::LabelText, std::string(kCaptions[lamp - 1])},
                               {Attr::LabelFont, std::string("Arial")},
                               {Attr::LabelPointSize, 11},
                               {Attr::LabelColor, kLabelGrey},
                               {Attr::LabelLeft, kLabelCentred},
                               {Attr::LabelTop, kLabelCentred + 3}}});
    }
    p.controls.push_back({led_board_panel::kCanvas,
                          ControlKind::Canvas,
                          0,
                          0,
                          400,
                          300,
                          true,
                          {{Attr::PictureBgColor, kBlack}}});
    return p;
}

// ---- the extra panel -------------------------------------------------------------------------

PanelSpec ExtraPanel() {
    namespace ids = extra_panel;
    PanelSpec p{
        kPrivatePanelFile, private_panels::kExtraPanel, "extra panel", 640, 480, kBlack, true, {}};
    const Look scale = {{Attr::TextFont, std::string("Arial")},
                        {Attr::TextPointSize, 10},
                        {Attr::TextColor, kLabelGrey}};
    auto& c = p.controls;
    c.push_back({ids::kMultimeterWarningLed,
                 ControlKind::Led,
                 236,
                 89,
                 16,
                 16,
                 false,
                 {{Attr::OnColor, 0xFF2020}, {Attr::OffColor, 0x401010}}});
    c.push_back({ids::kClock, ControlKind::Gauge, 420, 70, 100, 100, false,
                 Join(scale, {{Attr::MinValue, 0.0},
                              {Attr::MaxValue, 60.0},
                              {Attr::StartAngle, 90.0},
                              {Attr::EndAngle, -270.0}})});
    // Transparent around the disc the clock's members paint on it.
    c.push_back({ids::kClockDisc,
                 ControlKind::Canvas,
                 400,
                 50,
                 140,
                 140,
                 false,
                 {{Attr::PictureBgColor, kTransparent}}});
    static const char* const kLedTitles[] = {"LED 4", "LED 3", "LED 2", "LED 1", "LED 0"};
    for (int id = ids::kFirstSquareLed; id <= ids::kLastSquareLed; ++id) {
        const int number = ids::kLastSquareLed - id;  // square LED 0 is control 6
        c.push_back({id,
                     ControlKind::SquareLed,
                     20 + number * 80,
                     10,
                     70,
                     24,
                     false,
                     {{Attr::OnColor, 0x20E020},
                      {Attr::OffColor, 0x104010},
                      {Attr::LabelText, std::string(kLedTitles[id - ids::kFirstSquareLed])},
                      {Attr::LabelFont, std::string("Arial")},
                      {Attr::LabelPointSize, 11},
                      {Attr::LabelColor, kWhite},
                      {Attr::LabelLeft, kLabelCentred},
                      {Attr::LabelTop, kLabelCentred}}});
    }
    c.push_back({ids::kTank, ControlKind::Tank, 40, 70, 70, 150, false,
                 Join(scale, LabelAbove("Tank", 52))});
    c.push_back({ids::kThermometer, ControlKind::Thermometer, 130, 70, 60, 150, false,
                 Join(scale, LabelAbove("Thermometer", 52))});
    c.push_back({ids::kMultimeter, ControlKind::Meter, 220, 60, 160, 96, false,
                 Join(scale, LabelAbove("Multimeter", 42))});
    c.push_back({ids::kLevelThermometer, ControlKind::RingSlide, 40, 260, 90, 150, false,
                 Join(scale, LabelAbove("Level", 242))});
    c.push_back({ids::kChart, ControlKind::StripChart, 150, 270, 200, 100, false,
                 LabelAbove("Chart", 252)});
    c.push_back({ids::kSlide, ControlKind::Slide, 380, 260, 60, 150, false,
                 Join(scale, Join({{Attr::SliderWidth, 24}, {Attr::SliderHeight, 10}},
                                  LabelAbove("Slide", 242)))});
    c.push_back({ids::kExtraText, ControlKind::StringDisplay, 200, 430, 240, 24, false,
                 Join(TextLook("Arial", 14, kBlack, kWhite), LabelAbove("", 412))});
    c.push_back({ids::kMissionValue, ControlKind::StringDisplay, 460, 430, 160, 24, false,
                 Join(TextLook("Arial", 14, kBlack, kWhite), LabelAbove("Mission", 412))});
    for (int id = ids::kFirstDynPic; id <= ids::kLastDynPic; ++id) {
        const int number = ids::kLastDynPic - id;  // dynamic picture 0 is control 26
        c.push_back({id,
                     ControlKind::PictureRing,
                     10 + number * 78,
                     380,
                     64,
                     64,
                     false,
                     {{Attr::PictureBgColor, kTransparent}}});
    }
    c.push_back({ids::kExtraDmdCanvas,
                 ControlKind::Canvas,
                 0,
                 0,
                 640,
                 480,
                 true,
                 {{Attr::PictureBgColor, kBlack}, {Attr::PenColor, kWhite}}});
    return p;
}

// ---- the gem and watch panels ----------------------------------------------------------------

PanelSpec GemPanel() {
    PanelSpec p{kPrivatePanelFile, private_panels::kGemPanel, "gem", 120, 80, kBlack, true, {}};
    p.controls = {{gem_panel::kPicture,
                   ControlKind::PictureRing,
                   0,
                   0,
                   120,
                   80,
                   true,
                   {{Attr::PictureBgColor, kBlack}}}};
    return p;
}

PanelSpec WatchPanel() {
    PanelSpec p{
        kPrivatePanelFile, private_panels::kWatchPanel, "watch", 200, 200, kBlack, true, {}};
    p.controls = {{watch_panel::kCanvas,
                   ControlKind::Canvas,
                   0,
                   0,
                   200,
                   200,
                   true,
                   {{Attr::PictureBgColor, kBlack}, {Attr::PenColor, kWhite}}}};
    return p;
}

std::vector<PanelSpec> MakePanelFiles() {
    std::vector<PanelSpec> panels;
    panels.push_back(MainPanel());
    for (int r = public_panels::kFirstSimplePanel; r <= public_panels::kLastSimplePanel; ++r) {
        panels.push_back(SimplePanel(r));
    }
    panels.push_back(LedBoardPanel());
    panels.push_back(ExtraPanel());
    panels.push_back(GemPanel());
    panels.push_back(WatchPanel());
    return panels;
}

// The file name without its folders, in lower case.
std::string BaseName(std::string_view path) {
    const size_t slash = path.find_last_of("/\\");
    std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
    for (char& ch : name)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return name;
}

}  // namespace

// ---- finding and building panels -------------------------------------------------------------

const std::vector<PanelSpec>& PanelFiles() {
    static const std::vector<PanelSpec> panels = MakePanelFiles();
    return panels;
}

const PanelSpec* FindPanelSpec(std::string_view file, int resource, int* status) {
    const std::string name = BaseName(file);
    bool known_file = false;
    for (const PanelSpec& spec : PanelFiles()) {
        if (BaseName(spec.file) != name) continue;
        known_file = true;
        if (spec.resource == resource) {
            *status = kUISuccess;
            return &spec;
        }
    }
    *status = known_file ? kUIEInvalidResource : kUIEFileNotLoaded;
    return nullptr;
}

std::unique_ptr<Panel> BuildPanel(const PanelSpec& spec, FontBook& fonts) {
    auto panel = std::make_unique<Panel>();
    panel->file.assign(spec.file);
    panel->resource = spec.resource;
    panel->title.assign(spec.title);
    panel->width = spec.width;
    panel->height = spec.height;
    panel->back_color = spec.back_color;
    panel->frame = spec.frame;
    for (const ControlSpec& c : spec.controls) {
        std::unique_ptr<Control> control = MakeControl(c.kind, c.id);
        control->SetAttribute(Attr::Width, c.width, fonts);
        control->SetAttribute(Attr::Height, c.height, fonts);
        control->SetAttribute(Attr::Left, c.left, fonts);
        control->SetAttribute(Attr::Top, c.top, fonts);
        for (const auto& [attr, value] : c.look)
            control->SetAttribute(attr, value, fonts);
        control->SetAttribute(Attr::Visible, c.visible ? 1 : 0, fonts);
        control->Loaded(fonts);
        panel->controls.push_back(std::move(control));
    }
    return panel;
}

}  // namespace tov::platform
