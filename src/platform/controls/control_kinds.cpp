#include "platform/controls/control_kinds.h"

#include <array>

#include "platform/controls/canvas.h"
#include "platform/controls/gauge.h"
#include "platform/controls/led.h"
#include "platform/controls/meter.h"
#include "platform/controls/numeric_slide.h"
#include "platform/controls/picture.h"
#include "platform/controls/picture_ring.h"
#include "platform/controls/ring_slide.h"
#include "platform/controls/string_display.h"
#include "platform/controls/strip_chart.h"
#include "platform/controls/text_box.h"
#include "platform/controls/text_message.h"

namespace tov::platform {

namespace {

template <typename T, typename... Args>
std::unique_ptr<Control> Make(int id, Args... args) {
    return std::make_unique<T>(id, args...);
}

constexpr std::array<KindInfo, 15> kKinds = {{
    {ControlKind::Canvas, "canvas", [](int id) { return Make<Canvas>(id); }},
    {ControlKind::Picture, "picture", [](int id) { return Make<Picture>(id); }},
    {ControlKind::PictureRing, "picture ring", [](int id) { return Make<PictureRing>(id); }},
    {ControlKind::TextMessage, "text message", [](int id) { return Make<TextMessage>(id); }},
    {ControlKind::StringDisplay, "string display", [](int id) { return Make<StringDisplay>(id); }},
    {ControlKind::TextBox, "text box", [](int id) { return Make<TextBox>(id); }},
    {ControlKind::Led, "led", [](int id) { return Make<Led>(id, LedShape::Round); }},
    {ControlKind::SquareLed, "square led", [](int id) { return Make<Led>(id, LedShape::Square); }},
    {ControlKind::Tank, "tank", [](int id) { return Make<NumericSlide>(id, SlideStyle::Tank); }},
    {ControlKind::Thermometer, "thermometer",
     [](int id) { return Make<NumericSlide>(id, SlideStyle::Thermometer); }},
    {ControlKind::Slide, "slide", [](int id) { return Make<NumericSlide>(id, SlideStyle::Thumb); }},
    {ControlKind::RingSlide, "ring slide", [](int id) { return Make<RingSlide>(id); }},
    {ControlKind::Meter, "meter", [](int id) { return Make<Meter>(id); }},
    {ControlKind::Gauge, "gauge", [](int id) { return Make<Gauge>(id); }},
    {ControlKind::StripChart, "strip chart", [](int id) { return Make<StripChart>(id); }},
}};

}  // namespace

std::span<const KindInfo> ControlKinds() {
    return kKinds;
}

const KindInfo& KindInfoOf(ControlKind kind) {
    for (const KindInfo& info : kKinds) {
        if (info.kind == kind) return info;
    }
    return kKinds[0];
}

std::unique_ptr<Control> MakeControl(ControlKind kind, int id) {
    return KindInfoOf(kind).make(id);
}

}  // namespace tov::platform
